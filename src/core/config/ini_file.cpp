#include "core/config/ini_file.h"

#include <string_view>
#include <vector>

#include "core/text/text.h"
#include "os/files.h"

namespace vantrel {

namespace {

// One line of the file: its text without the line break, and where the line
// (break included) lies in the content.
struct Line {
  std::string_view text;
  std::size_t begin;
  std::size_t end;
};

std::vector<Line> splitLines(const std::string& content) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t lf = content.find('\n', pos);
    std::size_t next = lf == std::string::npos ? content.size() : lf + 1;
    std::size_t textEnd = lf == std::string::npos ? content.size() : lf;
    if (textEnd > pos && content[textEnd - 1] == '\r') --textEnd;
    lines.push_back({std::string_view(content).substr(pos, textEnd - pos), pos, next});
    pos = next;
  }
  return lines;
}

// The section name when the line is a section header.
bool sectionName(std::string_view line, std::string_view& name) {
  std::string_view t = trimBlanks(line);
  if (t.size() < 2 || t.front() != '[') return false;
  std::size_t close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = trimBlanks(t.substr(1, close - 1));
  return true;
}

// Splits an entry line at its first '='.
bool entry(std::string_view line, std::string_view& key, std::string_view& value) {
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = trimBlanks(line.substr(0, eq));
  value = trimBlanks(line.substr(eq + 1));
  return true;
}

// Index of the first header of `section`, or -1.
long findSection(const std::vector<Line>& lines, const std::string& section) {
  std::string_view wanted = trimBlanks(section);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    if (sectionName(lines[i].text, name) && equalsIgnoreCaseAnsi(name, wanted)) return static_cast<long>(i);
  }
  return -1;
}

}  // namespace

std::string iniValueIn(const std::string& content, const std::string& section, const std::string& key) {
  std::vector<Line> lines = splitLines(content);
  long header = findSection(lines, section);
  if (header < 0) return {};
  std::string_view wanted = trimBlanks(key);
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines.size(); ++i) {
    std::string_view name;
    if (sectionName(lines[i].text, name)) break;
    std::string_view k;
    std::string_view v;
    if (entry(lines[i].text, k, v) && equalsIgnoreCaseAnsi(k, wanted)) {
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return std::string(v);
    }
  }
  return {};
}

std::string iniWithValue(const std::string& content, const std::string& section, const std::string& key,
                         const std::string& value) {
  const std::string newEntry = key + "=" + value;
  std::vector<Line> lines = splitLines(content);
  long header = findSection(lines, section);
  if (header < 0) {
    std::string out = content;
    if (!out.empty() && out.back() != '\n') out += "\r\n";
    out += "[" + section + "]\r\n" + newEntry + "\r\n";
    return out;
  }
  std::string_view wanted = trimBlanks(key);
  std::size_t insertAt = lines[static_cast<std::size_t>(header)].end;  // after the last non-empty line
  bool needsBreak = lines[static_cast<std::size_t>(header)].end == lines[static_cast<std::size_t>(header)].begin +
                                                                       lines[static_cast<std::size_t>(header)].text.size();
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines.size(); ++i) {
    std::string_view name;
    if (sectionName(lines[i].text, name)) break;
    std::string_view k;
    std::string_view v;
    if (entry(lines[i].text, k, v) && equalsIgnoreCaseAnsi(k, wanted)) {
      std::size_t textEnd = lines[i].begin + lines[i].text.size();
      return content.substr(0, lines[i].begin) + newEntry + content.substr(textEnd);
    }
    if (!isBlankText(lines[i].text)) {
      insertAt = lines[i].end;
      needsBreak = lines[i].end == lines[i].begin + lines[i].text.size();
    }
  }
  std::string out = content.substr(0, insertAt);
  if (needsBreak) out += "\r\n";
  out += newEntry + "\r\n";
  out += content.substr(insertAt);
  return out;
}

std::string readIniValue(const std::string& file, const std::string& section, const std::string& key) {
  // A missing file, an empty one or a directory has no values.
  if (os::fileSizeOf(file) <= 0) return {};
  std::string content;
  if (!os::readWholeFile(file, content)) return {};
  return iniValueIn(content, section, key);
}

bool writeIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) {
  std::string content;
  std::int64_t size = os::fileSizeOf(file);
  if (size == -2) return false;
  if (size > 0 && !os::readWholeFile(file, content)) return false;
  return os::replaceFileContent(file, iniWithValue(content, section, key, value));
}

}  // namespace vantrel
