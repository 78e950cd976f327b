#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/report/system_info.h"
#include "core/report/system_probes.h"
#include "os/system_facts.h"

namespace vantrel {
namespace {

// Fixed facts; every field can be changed by a test.
class FakeProbes : public SystemProbes {
 public:
  os::LocalTime time{2026, 3, 7, 9, 5, 4};
  std::map<os::MemoryFigure, std::int32_t> memory = {
      {os::MemoryFigure::TotalPhys, 1073741824}, {os::MemoryFigure::AvailPhys, 536870912},
      {os::MemoryFigure::TotalPageFile, -1},     {os::MemoryFigure::AvailPageFile, 1048575},
      {os::MemoryFigure::TotalVirtual, 2097152}, {os::MemoryFigure::AvailVirtual, 1048576}};
  std::uint32_t internet = 0x42;
  std::vector<std::string> processes = {"zeta.exe", "[System Process]", "Alpha.exe", "_tool.exe", "alpha.exe",
                                        "Beta.exe", "[SYSTEM PROCESS]"};
  std::vector<std::string> environment = {"PATH=a=b", "=C:=C:\\", "   =blank", "Temp=C:\\tmp", "ALL=1", "EMPTY="};
  std::map<std::string, int> driveTypes = {{"C:\\", 3}, {"D:\\", 5}, {"E:\\", 1}, {"F:\\", 4}, {"G:\\", 9}};
  std::map<std::string, os::VolumeInformation> volumes = {
      {"C:\\", {"  System  ", "NTFS ", 0x1A2B3C4D}}, {"D:\\", {"", "", 0}}, {"F:\\", {"Share", "SMB", 0x8000ABCD}}};
  std::vector<std::string> volumeQueries;

  os::LocalTime now() override { return time; }
  std::string programFile() override { return "C:\\Programme\\Demo\\vantrel.exe"; }
  std::string programVersion() override { return "2.1.0.7"; }
  std::string tempDir() override { return "C:\\Temp\\"; }
  bool isUserAdmin() override { return false; }
  std::string getComputerName() override { return "RECHNER1"; }
  std::string getUserName() override { return "m\xFCller"; }
  std::string getOSName() override { return "MS Windows XP"; }
  std::uint32_t getMemoryLoad() override { return 42; }
  std::int32_t memoryBytes(os::MemoryFigure figure) override { return memory[figure]; }
  std::uint32_t getInternetState() override { return internet; }
  std::vector<std::string> processNames() override { return processes; }
  std::vector<std::string> environmentEntries() override { return environment; }
  std::vector<std::string> driveRoots() override { return {"C:\\", "D:\\", "E:\\", "F:\\", "G:\\"}; }
  int getDriveTypeCode(const std::string& root) override { return driveTypes[root]; }
  os::VolumeInformation volumeInformation(const std::string& root) override {
    volumeQueries.push_back(root);
    return volumes[root];
  }
  std::int64_t getDiskSpaceMB(const std::string& root, int kind) override {
    if (root == "C:\\") return kind == 1 ? 76293 : 20480;
    return 0;
  }
  std::uint32_t getCpuSpeedMHz() override { return 2394; }
};

TEST(SystemInfoReport, WholeReportLineByLine) {
  FakeProbes probes;
  std::vector<std::string> lines = systemInfoLines(probes, {"/open", "", "datei.txt"});
  const std::vector<std::string> expected = {
      "-------------------------- SYSTEMINFO-START ---------------------------",
      "Systemdatum und -zeit: 07.03.2026, 09:05:04",
      "Programmname: C:\\Programme\\Demo\\vantrel.exe",
      "Programmversion: 2.1.0.7",
      "Aktuell g\xFCltiges Tempor\xE4res Verzeichnis: C:\\Temp\\",
      "Aktuell eingeloggter User: m\xFCller",
      "Aktuell aktiver User hat Adminrechte: Nein",
      "Computername: RECHNER1",
      "Betriebssystem: MS Windows XP",
      "Arbeitsspeicher - Auslastung: 42%",
      "Arbeitsspeicher - Vorhanden: 1024MB",
      "Arbeitsspeicher - Verf\xFCgbar: 512MB",
      "Auslagerungsdatei - Vorhanden: 4096MB",  // 4,294,967,295 bytes
      "Auslagerungsdatei - Verf\xFCgbar: 0MB",   // 1,048,575 bytes, truncated
      "VirtuellerSpeicher - Vorhanden: 2MB",
      "VirtuellerSpeicher - Verf\xFCgbar: 1MB",
      "Internet-Verbindung: INTERNET_CONNECTION_CONFIGURED...INTERNET_CONNECTION_LAN...",
      "5 laufende Prozesse gefunden: ",
      "    _tool.exe",
      "    Alpha.exe",
      "    alpha.exe",
      "    Beta.exe",
      "    zeta.exe",
      "Laufwerkstypen: ",
      "C:\\ -> Typ: #DRIVE_FIXED, Gr\xF6\xDF" "e: 76293MB, Frei: 20480MB, VolumeName: 'System', FileSystem: 'NTFS', "
      "Serial: 1A2B3C4D",
      "D:\\ -> Typ: #DRIVE_CDROM, Gr\xF6\xDF" "e: 0MB, Frei: 0MB, VolumeName: '', FileSystem: '', Serial: 0",
      "F:\\ -> Typ: #DRIVE_REMOTE, Gr\xF6\xDF" "e: 0MB, Frei: 0MB, VolumeName: 'Share', FileSystem: 'SMB', "
      "Serial: FFFFFFFF8000ABCD",
      "Aktuelle Prozessorgeschwindigkeit: 2394MHz",
      "Umgebungsvariablen: ",
      "    ALL = 1",
      "    EMPTY = ",
      "    PATH = a=b",
      "    Temp = C:\\tmp",
      "\xDC" "bergebene Programmparameter:",
      "    /open",
      "    ",
      "    datei.txt",
      "-------------------------- SYSTEMINFO-ENDE ---------------------------",
      "",
  };
  EXPECT_EQ(lines, expected);
  // Every root's volume is asked for, also those that start no line.
  EXPECT_EQ(probes.volumeQueries, (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\", "G:\\"}));
}

TEST(SystemInfoReport, OneEmptyParameterGivesOneLineOfFourBlanks) {
  FakeProbes probes;
  std::vector<std::string> lines = systemInfoLines(probes, {""});
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[lines.size() - 4], "\xDC" "bergebene Programmparameter:");
  EXPECT_EQ(lines[lines.size() - 3], "    ");
  EXPECT_EQ(lines[lines.size() - 2], "-------------------------- SYSTEMINFO-ENDE ---------------------------");
}

TEST(SystemInfoReport, InternetFlagTexts) {
  EXPECT_EQ(internetStateText(0), "No Internet Connection...");
  EXPECT_EQ(internetStateText(0x42), "INTERNET_CONNECTION_CONFIGURED...INTERNET_CONNECTION_LAN...");
  EXPECT_EQ(internetStateText(0x7F),
            "INTERNET_CONNECTION_CONFIGURED...INTERNET_CONNECTION_LAN...INTERNET_CONNECTION_MODEM..."
            "INTERNET_CONNECTION_MODEM_BUSY...INTERNET_CONNECTION_OFFLINE...INTERNET_CONNECTION_PROXY..."
            "INTERNET_RAS_INSTALLED...");
  EXPECT_EQ(internetStateText(0x80), "");  // an unknown flag alone: nothing to say
}

TEST(SystemInfoReport, SortFoldsOnlyAsciiLettersAndKeepsDuplicates) {
  std::vector<std::string> list = {"b", "\xC4rger", "B", "a_", "ab", "A", "a"};
  sortCaseInsensitive(list);
  // '_' (0x5F) before the letters; 0xC4 after every ASCII byte; equal entries in their order.
  EXPECT_EQ(list, (std::vector<std::string>{"A", "a", "a_", "ab", "b", "B", "\xC4rger"}));
}

TEST(SystemInfoReport, BytesToMB) {
  struct Case {
    std::int64_t bytes;
    std::int64_t mb;
  } cases[] = {
      {0, 0}, {1048575, 0}, {1048576, 1}, {2147483647, 2047}, {2147483648LL, 2048}, {4294967295LL, 4096},
      {3221225471LL, 3072},  // 3071.9999990 rounds up above 2 GB, where the figure is in floating point
  };
  for (const Case& c : cases)
    EXPECT_EQ(bytesToMB(static_cast<std::int32_t>(static_cast<std::uint32_t>(c.bytes))), c.mb) << c.bytes;
}

TEST(SystemInfoReport, WindowsVersionNames) {
  struct Case {
    bool queried;
    std::uint32_t platform, major, minor;
    bool workstation;
    const char* name;
  } cases[] = {
      {true, 1, 4, 0, false, "MS Windows 95"},          {true, 1, 4, 10, false, "MS Windows 98"},
      {true, 1, 4, 90, false, "MS Windows Me"},         {true, 1, 4, 5, false, "Neuer als Windows Vista"},
      {true, 2, 3, 51, false, "MS Windows NT 3.51"},    {true, 2, 4, 0, false, "MS Windows NT4"},
      {true, 2, 5, 0, false, "MS Windows 2000"},        {true, 2, 5, 1, false, "MS Windows XP"},
      {true, 2, 5, 2, true, "MS Windows XP"},           {true, 2, 5, 2, false, "MS Windows Server 2003"},
      {true, 2, 6, 0, true, "MS Windows Vista"},        {true, 2, 6, 0, false, "MS Windows Server 2008"},
      {true, 2, 6, 1, true, "Neuer als Windows Vista"}, {true, 2, 6, 1, false, "MS Windows Server 2008 R2"},
      {true, 2, 10, 0, true, "Neuer als Windows Vista"}, {true, 3, 5, 1, true, "Neuer als Windows Vista"},
      {false, 2, 5, 1, true, "Neuer als Windows Vista"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(os::windowsVersionName(c.queried, c.platform, c.major, c.minor, c.workstation), c.name)
        << c.platform << " " << c.major << "." << c.minor;
}

}  // namespace
}  // namespace vantrel
