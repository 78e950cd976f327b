#include "core/install/extract_archive.h"

#include <unzip.h>

#include <cmath>
#include <vector>

#include "core/support/log.h"
#include "core/text/text.h"
#include "os/files.h"
#include "os/output_file.h"
#include "os/paths.h"
#include "ui/ui.h"

namespace vantrel {

namespace {

bool wildcard(const char* p, const char* s) {
  // Iterative match with one backtracking point for the last '*'.
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*s != '\0') {
    if (*p == '*') {
      star = p++;
      resume = s;
    } else if (*p == '?' || (*p != '\0' && *p == *s)) {
      ++p;
      ++s;
    } else if (star != nullptr) {
      p = star + 1;
      s = ++resume;
    } else {
      return false;
    }
  }
  while (*p == '*') ++p;
  return *p == '\0';
}

std::string filePart(const std::string& name, char separator) {
  std::size_t sep = name.rfind(separator);
  return sep == std::string::npos ? name : name.substr(sep + 1);
}

std::string directoryPart(const std::string& name, char separator) {
  std::size_t sep = name.rfind(separator);
  return sep == std::string::npos ? std::string() : name.substr(0, sep + 1);
}

}  // namespace

bool matchesPattern(const std::string& fileName, const std::string& pattern) {
  std::string name = toLowerAnsi(fileName);
  if (name.find('.') == std::string::npos) name += '.';
  return wildcard(toLowerAnsi(pattern).c_str(), name.c_str());
}

std::string entryTarget(const std::string& name, char separator) {
  std::string n = name;
  for (char& c : n)
    if (c == '/' || c == '\\') c = separator;
  const std::string drive = std::string(":") + separator;
  std::size_t colon = n.find(drive);
  if (colon != std::string::npos) n = n.substr(colon + 2);
  while (!n.empty() && n[0] == separator) n.erase(0, 1);
  // No part may climb out of the destination.
  std::size_t start = 0;
  while (start <= n.size()) {
    std::size_t end = n.find(separator, start);
    if (end == std::string::npos) end = n.size();
    if (n.compare(start, end - start, "..") == 0 && end - start == 2) return {};
    start = end + 1;
  }
  return n;
}

int extractArchive(const std::string& archive, const std::string& pattern, const std::string& destination,
                   bool keepDirectories, const ExtractProgress& progress) {
  const std::string match = pattern.empty() ? "*.*" : pattern;
  const char sep = os::pathSeparator();
  unzFile zip = unzOpen64(archive.c_str());
  if (zip == nullptr) return 0;
  std::string dest = destination;
  if (dest.empty() || dest.back() != sep) dest += sep;

  unz_global_info64 global{};
  unzGetGlobalInfo64(zip, &global);
  const double total = global.number_entry > 0 ? static_cast<double>(global.number_entry) : 1.0;
  int written = 0;
  bool destinationMade = false;
  std::vector<char> block(102400);
  std::uint64_t done = 0;

  for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
    unz_file_info64 info{};
    char rawName[1024] = {};
    if (unzGetCurrentFileInfo64(zip, &info, rawName, sizeof rawName - 1, nullptr, 0, nullptr, 0) != UNZ_OK) {
      ++done;
      if (progress) progress("", done / total * 100.0);
      continue;
    }
    const std::string shown = os::archiveNameToAnsi(rawName, (info.flag & 0x800) != 0);
    const std::string target = entryTarget(shown, sep);
    const bool isDirectory = !target.empty() && target.back() == sep;
    const bool isDirectoryEntry = isDirectory || info.uncompressed_size == 0;
    const bool taken = !target.empty() && (matchesPattern(filePart(target, sep), match) ||
                                           (isDirectoryEntry && keepDirectories));
    if (taken && unzOpenCurrentFile(zip) == UNZ_OK) {
      if (!destinationMade) destinationMade = os::makeDirPath(dest);
      if (isDirectory) {
        if (keepDirectories) os::makeDirPath(dest + target);
      } else {
        std::string relative = keepDirectories ? target : filePart(target, sep);
        if (keepDirectories && !directoryPart(relative, sep).empty()) os::makeDirPath(dest + directoryPart(relative, sep));
        os::OutputFile out;
        if (out.open(dest + relative)) {
          bool ok = true;
          int n;
          while ((n = unzReadCurrentFile(zip, block.data(), static_cast<unsigned>(block.size()))) > 0) {
            if (!out.write(block.data(), static_cast<std::size_t>(n))) {
              ok = false;
              break;
            }
          }
          ok = ok && n == 0 && unzCloseCurrentFile(zip) == UNZ_OK;
          if (ok) {
            const tm_unz& d = info.tmu_date;
            // The archive's attributes: DOS bits below, Unix mode bits above.
            out.finish(os::LocalTime{static_cast<int>(d.tm_year), static_cast<int>(d.tm_mon) + 1,
                                     static_cast<int>(d.tm_mday), static_cast<int>(d.tm_hour),
                                     static_cast<int>(d.tm_min), 0},
                       static_cast<std::uint32_t>(info.external_fa));
            ++written;
          } else {
            // A damaged entry: the partial file goes, so nothing half-written stays.
            out.close();
            os::deleteFile(dest + relative);
          }
        }
      }
      unzCloseCurrentFile(zip);
    }
    ++done;
    if (progress) progress(shown, done / total * 100.0);
  }
  if (progress) progress("", 100.0);
  unzClose(zip);
  return written;
}

int reportExtractProgress(Ui& ui, const std::string& name, double percent) {
  const int whole = static_cast<int>(std::lround(percent));
  writeLog("reportExtractProgress():> File: " + name + " Percent: " + std::to_string(whole), 0);
  ui.setProgress(whole);
  ui.dropPendingEvents();
  return 0;
}

}  // namespace vantrel
