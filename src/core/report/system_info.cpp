#include "core/report/system_info.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "core/launcher/run.h"
#include "core/report/system_probes.h"
#include "core/support/log.h"

namespace vantrel {

namespace {

std::string twoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

// "%dd.%mm.%yyyy, %hh:%ii:%ss"
std::string dateAndTime(const os::LocalTime& t) {
  char year[16];
  std::snprintf(year, sizeof year, "%04d", t.year);
  return twoDigits(t.day) + "." + twoDigits(t.month) + "." + year + ", " + twoDigits(t.hour) + ":" +
         twoDigits(t.minute) + ":" + twoDigits(t.second);
}

std::string trimBlanks(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

unsigned char folded(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + 32) : u;
}

std::string lowerAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(folded(c));
  return text;
}

const char* driveTypeText(int code) {
  switch (code) {
    case 0: return " -> Typ: #DRIVE_UNKNOWN";
    case 2: return " -> Typ: #DRIVE_REMOVABLE";
    case 3: return " -> Typ: #DRIVE_FIXED";
    case 4: return " -> Typ: #DRIVE_REMOTE";
    case 5: return " -> Typ: #DRIVE_CDROM";
    case 6: return " -> Typ: #DRIVE_RAMDISK";
    default: return nullptr;
  }
}

// Upper-case hexadecimal of the serial taken as signed and widened to 64 bits.
std::string serialText(std::uint32_t serial) {
  auto widened = static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(serial)));
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(widened));
  return buffer;
}

}  // namespace

std::string internetStateText(std::uint32_t flags) {
  std::string text;
  if (flags == 0) text += "No Internet Connection...";
  static const struct {
    std::uint32_t bit;
    const char* text;
  } kFlags[] = {
      {0x40, "INTERNET_CONNECTION_CONFIGURED..."}, {0x02, "INTERNET_CONNECTION_LAN..."},
      {0x01, "INTERNET_CONNECTION_MODEM..."},      {0x08, "INTERNET_CONNECTION_MODEM_BUSY..."},
      {0x20, "INTERNET_CONNECTION_OFFLINE..."},    {0x04, "INTERNET_CONNECTION_PROXY..."},
      {0x10, "INTERNET_RAS_INSTALLED..."},
  };
  for (const auto& f : kFlags) {
    if (flags & f.bit) text += f.text;
  }
  return text;
}

void sortCaseInsensitive(std::vector<std::string>& list) {
  std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return folded(x) < folded(y); });
  });
}

std::vector<std::string> systemInfoLines(SystemProbes& probes, const std::vector<std::string>& parameters) {
  using os::MemoryFigure;
  std::vector<std::string> lines;
  auto mb = [&](MemoryFigure figure) { return std::to_string(bytesToMB(probes.memoryBytes(figure))) + "MB"; };

  lines.push_back("-------------------------- SYSTEMINFO-START ---------------------------");
  lines.push_back("Systemdatum und -zeit: " + dateAndTime(probes.now()));
  lines.push_back("Programmname: " + probes.programFile());
  lines.push_back("Programmversion: " + probes.programVersion());
  lines.push_back("Aktuell g\xFCltiges Tempor\xE4res Verzeichnis: " + probes.tempDir());
  lines.push_back("Aktuell eingeloggter User: " + probes.getUserName());
  lines.push_back(std::string("Aktuell aktiver User hat Adminrechte: ") + (probes.isUserAdmin() ? "Ja" : "Nein"));
  lines.push_back("Computername: " + probes.getComputerName());
  lines.push_back("Betriebssystem: " + probes.getOSName());
  lines.push_back("Arbeitsspeicher - Auslastung: " + std::to_string(probes.getMemoryLoad()) + "%");
  lines.push_back("Arbeitsspeicher - Vorhanden: " + mb(MemoryFigure::TotalPhys));
  lines.push_back("Arbeitsspeicher - Verf\xFCgbar: " + mb(MemoryFigure::AvailPhys));
  lines.push_back("Auslagerungsdatei - Vorhanden: " + mb(MemoryFigure::TotalPageFile));
  lines.push_back("Auslagerungsdatei - Verf\xFCgbar: " + mb(MemoryFigure::AvailPageFile));
  lines.push_back("VirtuellerSpeicher - Vorhanden: " + mb(MemoryFigure::TotalVirtual));
  lines.push_back("VirtuellerSpeicher - Verf\xFCgbar: " + mb(MemoryFigure::AvailVirtual));
  lines.push_back("Internet-Verbindung: " + internetStateText(probes.getInternetState()));

  // The work list: first the processes ...
  std::vector<std::string> list;
  for (const std::string& name : probes.processNames()) {
    if (lowerAscii(name) != "[system process]") list.push_back(name);
  }
  lines.push_back(std::to_string(list.size()) + " laufende Prozesse gefunden: ");
  sortCaseInsensitive(list);
  for (const std::string& name : list) lines.push_back("    " + name);

  lines.push_back("Laufwerkstypen: ");
  for (const std::string& root : probes.driveRoots()) {
    const char* type = driveTypeText(probes.getDriveTypeCode(root));
    // The volume is asked for every root, listed or not.
    os::VolumeInformation volume = probes.volumeInformation(root);
    if (type == nullptr) continue;
    lines.push_back(root + type + ", Gr\xF6\xDF" "e: " + std::to_string(probes.getDiskSpaceMB(root, 1)) + "MB, " +
                    "Frei: " + std::to_string(probes.getDiskSpaceMB(root, 2)) + "MB, " + "VolumeName: '" +
                    trimBlanks(volume.name) + "', " + "FileSystem: '" + trimBlanks(volume.fileSystem) + "', " +
                    "Serial: " + serialText(volume.serial));
  }

  lines.push_back("Aktuelle Prozessorgeschwindigkeit: " + std::to_string(probes.getCpuSpeedMHz()) + "MHz");

  // ... then, cleared, the environment.
  list.clear();
  lines.push_back("Umgebungsvariablen: ");
  for (const std::string& entry : probes.environmentEntries()) {
    std::size_t eq = entry.find('=');
    std::string name = entry.substr(0, eq);
    std::string value = eq == std::string::npos ? std::string() : entry.substr(eq + 1);
    if (trimBlanks(name).empty()) continue;
    list.push_back(name + " = " + value);
  }
  sortCaseInsensitive(list);
  for (const std::string& entry : list) lines.push_back("    " + entry);

  lines.push_back("\xDC" "bergebene Programmparameter:");
  for (const std::string& parameter : parameters) lines.push_back("    " + parameter);
  lines.push_back("-------------------------- SYSTEMINFO-ENDE ---------------------------");
  lines.push_back("");
  return lines;
}

void writeSystemInfo(SystemProbes& probes, const std::vector<std::string>& parameters) {
  std::vector<std::string> lines = systemInfoLines(probes, parameters);
  for (std::size_t i = 0; i < lines.size(); ++i) writeLog(lines[i], i + 1 == lines.size() ? 1 : 0);
}

void showSystemInfo(Run& run) {
  MachineProbes probes;
  writeSystemInfo(probes, run.parameterList);
}

}  // namespace vantrel
