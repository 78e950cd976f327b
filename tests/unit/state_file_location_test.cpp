#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/config/state_file_location.h"
#include "core/text/text.h"
#include "os/paths.h"
#include "support/log_capture.h"

namespace vantrel {
namespace {

// A machine whose shell, registry and program directory answer as told, and
// which records what was asked.
class FakeMachine : public IniPathSources {
 public:
  std::map<int, std::string> folders;
  std::string registryDocuments;
  std::string program;
  std::vector<std::string> asked;

  std::string specialFolder(int csidl) override {
    asked.push_back("folder " + std::to_string(csidl));
    auto it = folders.find(csidl);
    return it == folders.end() ? std::string() : it->second;
  }
  std::string commonDocumentsFromRegistry() override {
    asked.push_back("registry");
    return registryDocuments;
  }
  std::string programPath() override {
    asked.push_back("program");
    return program;
  }
};

// Paths in this platform's form: '|' stands for the separator.
std::string p(std::string text) {
  for (char& c : text) {
    if (c == '|') c = os::pathSeparator();
  }
  return text;
}

TEST(GetRealIniPath, ResolvesTheMarkedForms) {
  FakeMachine machine;
  machine.folders = {{46, p("|shared|Documents|")}, {26, p("|home|u|AppData|")}, {5, p("|")}, {39, p("C:|")}};
  struct Case {
    std::string value;
    std::string expected;
  } cases[] = {
      {p("|srv|state|"), p("|srv|state|")},  // plain: unchanged
      {p("*#CSIDL_COMMON_DOCUMENTS*|Zelmar|Demo|"), p("|shared|Documents|Zelmar|Demo|")},
      {p("*#csidl_common_documents*|Zelmar|Demo|"), p("|shared|Documents|Zelmar|Demo|")},
      {p("*#CSIDL_AppData*|x|"), p("|home|u|AppData|x|")},
      // One marker only: the rest is the whole value, markers included.
      {p("*#CSIDL_APPDATA"), p("|home|u|AppData*#CSIDL_APPDATA")},
      // Misspelt or unknown names, and a folder the machine lacks: just the rest.
      {p("*#CSIDL_COMON_DOCUMENTS*|Zelmar|"), p("|Zelmar|")},
      {p("*CSIDL_APPDATA*|Zelmar|"), p("|Zelmar|")},
      {p("*#CSIDL_FONTS*|Zelmar|"), p("|Zelmar|")},
      // Markers side by side: no name, the rest is the whole value.
      {p("**|x|"), p("**|x|")},
      // Separators among the folder's last two characters go, also when the
      // folder is that short.
      {p("*#CSIDL_PERSONAL*|x|"), p("|x|")},
      {p("*#CSIDL_MYPICTURES*|x|"), p("C:|x|")},
  };
  for (const Case& c : cases) EXPECT_EQ(getRealIniPath(c.value, machine), c.expected) << c.value;
}

TEST(GetRealIniPath, LogsTheExtractedNameAndPath) {
  FakeMachine machine;
  machine.folders = {{46, p("|shared|")}};
  test::LogCapture log;
  getRealIniPath(p("|srv|state|"), machine);
  getRealIniPath(p("*#CSIDL_COMMON_DOCUMENTS*|Z|"), machine);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{
                             "getRealIniPath():> extrahierte specialFolder-Konstante: " + p("|srv|state|"),
                             "getRealIniPath():> extrahierter Pfad: " + p("|srv|state|"),
                             "getRealIniPath():> extrahierte specialFolder-Konstante: #CSIDL_COMMON_DOCUMENTS",
                             "getRealIniPath():> extrahierter Pfad: " + p("|shared|Z|"),
                         }));
  EXPECT_EQ(machine.asked, (std::vector<std::string>{"folder -1", "folder 46"}));
}

TEST(GetRealIniPath, SharedDocumentsFallBackToTheRegistryThenTheProgramDirectory) {
  const std::string registryLine =
      "getRealIniPath():> Wert f\xFCr CSIDL_COMMON_DOCUMENTS (HKEY_LOCAL_MACHINE\\SOFTWARE\\MICROSOFT\\Windows\\"
      "CurrentVersion\\explorer\\Shell Folders\\Common Documents) aus Registry: '";
  const std::string askRegistry =
      "getRealIniPath():> CSIDL_COMMON_DOCUMENTS lieferte Leerstring zur\xFC"
      "ck... versuche Werte aus Registry zu extrahieren...";
  const std::string askProgram =
      "getRealIniPath():> Wert aus Registry f\xFCr Common Documents lieferte Leerstring zur\xFC"
      "ck... Versuche ini-Datei im Programmverzeichnis zu finden...";
  const std::string value = p("*#CSIDL_COMMON_DOCUMENTS*|Zelmar|");
  {
    FakeMachine machine;  // the shell answers blanks, the registry has it
    machine.folders = {{46, "  "}};
    machine.registryDocuments = p("|reg|Docs|");
    machine.program = p("|prog|");
    test::LogCapture log;
    EXPECT_EQ(getRealIniPath(value, machine), p("|reg|Docs|Zelmar|"));
    EXPECT_EQ(machine.asked, (std::vector<std::string>{"folder 46", "registry"}));
    EXPECT_TRUE(log.has(askRegistry));
    EXPECT_TRUE(log.has(registryLine + p("|reg|Docs|") + "'"));
    EXPECT_FALSE(log.has(askProgram));
  }
  {
    FakeMachine machine;  // neither has it
    machine.program = p("|prog|");
    test::LogCapture log;
    EXPECT_EQ(getRealIniPath(value, machine), p("|prog|Zelmar|"));
    EXPECT_EQ(machine.asked, (std::vector<std::string>{"folder 46", "registry", "program"}));
    std::vector<std::string> lines = log.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], bytesToUtf8(askRegistry));
    EXPECT_EQ(lines[2], bytesToUtf8(registryLine + "'"));
    EXPECT_EQ(lines[3], bytesToUtf8(askProgram));
    EXPECT_EQ(lines[4], "getRealIniPath():> extrahierter Pfad: " + p("|prog|Zelmar|"));
  }
  {
    FakeMachine machine;  // other folders have no fallback
    machine.program = p("|prog|");
    EXPECT_EQ(getRealIniPath(p("*#CSIDL_COMMON_APPDATA*|Zelmar|"), machine), p("|Zelmar|"));
    EXPECT_EQ(machine.asked, (std::vector<std::string>{"folder 35"}));
  }
}

TEST(GetRealIniPath, KnowsTheFolderNames) {
  struct Case {
    const char* name;
    int csidl;
  } cases[] = {
      {"#CSIDL_DESKTOP", 0},         {"#CSIDL_STARTMENU", 11},       {"#CSIDL_MYMUSIC", 13},
      {"#CSIDL_COMMON_APPDATA", 35}, {"#CSIDL_PROGRAM_FILES_COMMON", 43}, {"#CSIDL_COMMON_DOCUMENTS", 46},
      {"#csidl_admintools", 48},     {"#CSIDL_", -1},                {"CSIDL_DESKTOP", -1},
      {"#CSIDL_DESKTOP ", -1},       {"#CSIDL_12", -1},              {"", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(csidlOfName(c.name), c.csidl) << c.name;
}

}  // namespace
}  // namespace vantrel
