#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/config/ini_file.h"
#include "core/config/proxy_scrambling.h"
#include "core/config/state_file.h"
#include "os/clock.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

std::string stateWithVersion(const std::string& version) {
  return "[SELF]\r\nversion=\"" + version + "\"\r\n[UPDATE]\r\nupdateIntervall=\"7\"\r\n";
}

class StateFile : public ::testing::Test {
 protected:
  StateFile() {
    location.iniPath = dir.path();
    location.iniFileName = "demo.ini";
  }
  std::string file() const { return dir.file("demo.ini"); }
  std::string content() const { return dir.read("demo.ini"); }
  std::string value(const char* section, const char* key) const { return readIniValue(file(), section, key); }
  ReadStatus read() { return readLocalIni(state, proxy, location, programDir.path()); }

  test::TempDir dir;
  test::TempDir programDir;  // holds no state file unless a test puts one there
  LocalConfig location;
  StateIni state;
  ProxySettings proxy;
};

TEST_F(StateFile, ReadsEveryValue) {
  const std::string key = proxyScrambleKey("proxy.local");
  dir.write("demo.ini",
            "[SELF]\r\nversion=\"1.2\"\r\n"
            "[UPDATE]\r\nlastCheck=\"09.12.2024\"\r\nlastUpdate = \"1.2.2023\"\r\nupdateIntervall=\"-1\"\r\n"
            "lastSuccessfulAction=\"3\"\r\nlocalUpdateFile=\"C:\\tmp\\upd.zip\"\r\nproductName=\"Demo Pro\"\r\n"
            "locPastUpdateExitCode=\"4294967295\"\r\n"
            "[INTERNET]\r\nuseProxy=\"YES\"\r\nproxyServer=\"proxy.local\"\r\nproxyPort=\"8080\"\r\n"
            "proxyUser=\"" + scrambleText("M\xFCller", key) + "\"\r\nproxyPassword=\"" +
                scrambleText("geh\xE9im", key) + "\"\r\n");
  test::LogCapture log;
  ASSERT_EQ(read(), kReadComplete);
  EXPECT_TRUE(log.has("readLocalIni():> Ini-Datei zu finden unter: " + file()));
  EXPECT_EQ(state.lastCheck, 1733702400);
  EXPECT_EQ(state.lastUpdate, 1675209600);
  EXPECT_EQ(state.updateIntervall, -1);
  EXPECT_EQ(state.lastSuccessfulAction, "3");
  EXPECT_EQ(state.localUpdateFile, "C:\\tmp\\upd.zip");
  EXPECT_EQ(state.productName, "Demo Pro");
  EXPECT_EQ(state.locPastUpdateExitCode, -1);  // low 32 bits
  EXPECT_TRUE(proxy.useProxy);
  EXPECT_FALSE(proxy.autoProxy);
  EXPECT_EQ(proxy.proxyServer, "proxy.local");
  EXPECT_EQ(proxy.proxyPort, 8080);
  EXPECT_EQ(proxy.proxyUser, "M\xFCller");
  EXPECT_EQ(proxy.proxyPassword, "geh\xE9im");
  EXPECT_EQ(location.iniPath, dir.path());
}

TEST_F(StateFile, VersionGatesOfReaderAndCheckedWriters) {
  struct Case {
    const char* name;
    std::string content;
    ReadStatus read, proxy, interval;
  } cases[] = {
      {"1.2", stateWithVersion("1.2"), kReadComplete, kReadComplete, kReadComplete},
      {"1.3.1", stateWithVersion("1.3.1"), kReadComplete, kReadComplete, kReadComplete},
      {"1.1", stateWithVersion("1.1"), kReadVersionTooOld, kReadComplete, kReadComplete},
      {"1.10", stateWithVersion("1.10"), kReadVersionTooOld, kReadComplete, kReadComplete},
      {"0.9", stateWithVersion("0.9"), kReadVersionTooOld, kReadVersionTooOld, kReadVersionTooOld},
      {"none", "[UPDATE]\r\nupdateIntervall=\"7\"\r\n", kReadVersionTooOld, kReadVersionTooOld, kReadVersionTooOld},
  };
  for (const Case& c : cases) {
    dir.write("demo.ini", c.content);
    state = StateIni{};
    state.productName = "untouched";
    EXPECT_EQ(read(), c.read) << c.name;
    if (c.read == kReadVersionTooOld) {
      EXPECT_EQ(state.productName, "untouched") << c.name;
    }
    ProxySettings settings;
    settings.proxyServer = "p";
    EXPECT_EQ(writeProxyData(location, settings, proxyScrambleKey("p")), c.proxy) << c.name;
    EXPECT_EQ(value("INTERNET", "proxyServer"), c.proxy == kReadComplete ? "p" : "") << c.name;
    EXPECT_EQ(writeUpdateIntervall(location, 30), c.interval) << c.name;
    EXPECT_EQ(value("UPDATE", "updateIntervall"), c.interval == kReadComplete ? "30" : "7") << c.name;
  }
}

TEST_F(StateFile, MissingFileAndDirectoryCountAsMissing) {
  EXPECT_EQ(writeProxyData(location, ProxySettings{}, proxyScrambleKey("")), kReadFileMissing);
  EXPECT_EQ(writeUpdateIntervall(location, 7), kReadFileMissing);
  EXPECT_FALSE(std::filesystem::exists(file()));
  dir.makeDir("demo.ini");
  EXPECT_EQ(writeUpdateIntervall(location, 7), kReadFileMissing);
  EXPECT_EQ(read(), kReadFileMissing);
  // Looked for in the program directory, which now serves as the location.
  EXPECT_EQ(location.iniPath, programDir.path());
}

TEST_F(StateFile, TheProgramDirectoryServesForTheRestOfTheRun) {
  programDir.write("demo.ini", stateWithVersion("1.2"));
  ASSERT_EQ(read(), kReadComplete);
  EXPECT_EQ(location.iniPath, programDir.path());
  EXPECT_EQ(state.updateIntervall, 7);
  writeUpdatePhase(location, "2");
  EXPECT_EQ(readIniValue(programDir.file("demo.ini"), "UPDATE", "lastSuccessfulAction"), "2");
  EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST_F(StateFile, EmptyIntervalAndOddValues) {
  dir.write("demo.ini",
            "[SELF]\r\nversion=\"1.2\"\r\n[UPDATE]\r\nupdateIntervall=\"\"\r\nlastCheck=\"31.02.2024\"\r\n"
            "productName=\"read anyway\"\r\n[INTERNET]\r\nuseProxy=\"ja\"\r\nproxyServer=\"***auto***\"\r\n"
            "proxyPort=\"80x\"\r\nproxyUser=\"\"\r\n");
  state.updateIntervall = 99;
  EXPECT_EQ(read(), kReadValueMissing);
  EXPECT_EQ(state.updateIntervall, 0);
  EXPECT_EQ(state.lastCheck, -1);
  EXPECT_EQ(state.lastUpdate, 0);  // missing: 1970-01-01
  EXPECT_EQ(state.productName, "read anyway");
  EXPECT_FALSE(proxy.useProxy);
  EXPECT_FALSE(proxy.autoProxy);  // the automatic setting is spelt in capitals only
  EXPECT_EQ(proxy.proxyServer, "***auto***");
  EXPECT_EQ(proxy.proxyPort, 80);
  EXPECT_EQ(proxy.proxyUser, "");
  EXPECT_EQ(proxy.proxyPassword, "");
}

TEST_F(StateFile, UseProxyAndAutomaticSetting) {
  struct Case {
    const char* useProxy;
    const char* server;
    bool use, autoProxy;
  } cases[] = {
      {"yes", "***AUTO***", true, true}, {"Yes", "host", true, false}, {"YES", "", true, false},
      {"no", "***AUTO***", false, true}, {"yes ", "x", true, false},  // blanks around a value are not part of it
      {"y", "x", false, false},          {"", "x", false, false},
  };
  for (const Case& c : cases) {
    dir.write("demo.ini", stateWithVersion("1.2") + "[INTERNET]\r\nuseProxy=" + c.useProxy + "\r\nproxyServer=\"" +
                              c.server + "\"\r\n");
    read();
    EXPECT_EQ(proxy.useProxy, c.use) << c.useProxy;
    EXPECT_EQ(proxy.autoProxy, c.autoProxy) << c.server;
  }
}

TEST_F(StateFile, ProxyDataRoundTrip) {
  dir.write("demo.ini", stateWithVersion("1.2"));
  ProxySettings written;
  written.useProxy = true;
  written.proxyServer = "10.1.2.3";
  written.proxyPort = 3128;
  written.proxyUser = "dom\\user";
  written.proxyPassword = "p\xE4ss\x80\xFF w\"rd";
  test::LogCapture log;
  ASSERT_EQ(writeProxyData(location, written, proxyScrambleKey(written.proxyServer)), kReadComplete);
  EXPECT_TRUE(log.has("writeProxyData():> Ini-Datei zu finden unter: " + file()));
  EXPECT_NE(content().find("proxyUser=\"" + scrambleText("dom\\user", proxyScrambleKey("10.1.2.3")) + "\"\r\n"),
            std::string::npos);
  EXPECT_NE(content().find("useProxy=\"yes\"\r\n"), std::string::npos);
  EXPECT_NE(content().find("proxyPort=\"3128\"\r\n"), std::string::npos);
  EXPECT_EQ(content().find("w\"rd"), std::string::npos);  // not in plain text
  ASSERT_EQ(read(), kReadComplete);
  EXPECT_TRUE(proxy.useProxy);
  EXPECT_EQ(proxy.proxyServer, written.proxyServer);
  EXPECT_EQ(proxy.proxyPort, written.proxyPort);
  EXPECT_EQ(proxy.proxyUser, written.proxyUser);
  EXPECT_EQ(proxy.proxyPassword, written.proxyPassword);

  // An empty user is stored as two quotes and read back without unscrambling.
  written.useProxy = false;
  written.proxyUser.clear();
  written.proxyServer = "***AUTO***";
  ASSERT_EQ(writeProxyData(location, written, proxyScrambleKey(written.proxyServer)), kReadComplete);
  EXPECT_NE(content().find("proxyUser=\"\"\r\n"), std::string::npos);
  EXPECT_NE(content().find("useProxy=\"no\"\r\n"), std::string::npos);
  read();
  EXPECT_EQ(proxy.proxyUser, "");
  EXPECT_EQ(proxy.proxyPassword, written.proxyPassword);
  EXPECT_TRUE(proxy.autoProxy);
  EXPECT_NE(content().find("[SELF]\r\nversion=\"1.2\"\r\n"), std::string::npos);
}

TEST_F(StateFile, WritersStoreQuotedValuesAndLogThem) {
  dir.write("demo.ini", stateWithVersion("1.1"));
  test::LogCapture log;
  EXPECT_EQ(writeUpdatePhase(location, "3"), 0);
  EXPECT_EQ(writeUpdateFile(location, UpdateFileKey::localUpdateFile, "C:\\t\\u.zip"), 0);
  EXPECT_EQ(writeUpdateFile(location, UpdateFileKey::productName, "Demo"), 0);
  EXPECT_EQ(writeExitCode(location, -1), 0);
  EXPECT_EQ(writeUpdateIntervall(location, -1), kReadComplete);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{
                             "writeUpdatePhase():> schreibe [UPDATE] - lastSuccessfulAction: \"3\"",
                             "writeUpdateFile():> schreibe [UPDATE] - localUpdateFile: \"C:\\t\\u.zip\"",
                             "writeUpdateFile():> schreibe [UPDATE] - productName: \"Demo\"",
                             "writeExitCode():> schreibe [UPDATE] - locPastUpdateExitCode: -1 in Ini-Datei: " + file(),
                             "writeUpdateIntervall():> schreibe [UPDATE] - updateIntervall: -1 in Ini-Datei: " +
                                 file(),
                         }));
  EXPECT_EQ(content(),
            "[SELF]\r\nversion=\"1.1\"\r\n[UPDATE]\r\nupdateIntervall=\"-1\"\r\nlastSuccessfulAction=\"3\"\r\n"
            "localUpdateFile=\"C:\\t\\u.zip\"\r\nproductName=\"Demo\"\r\nlocPastUpdateExitCode=\"-1\"\r\n");
  EXPECT_EQ(value("UPDATE", "lastSuccessfulAction"), "3");
}

TEST_F(StateFile, UncheckedWritersCreateAMissingFile) {
  writeUpdatePhase(location, "0");
  EXPECT_EQ(content(), "[UPDATE]\r\nlastSuccessfulAction=\"0\"\r\n");
  // A missing directory: nothing is written, nothing fails, the log says so.
  LocalConfig gone = location;
  gone.iniPath = dir.file("gone") + dir.path().substr(dir.path().size() - 1);
  test::LogCapture log;
  EXPECT_EQ(writeExitCode(gone, 5), 0);
  EXPECT_TRUE(log.has("writeExitCode():> Schreiben in Ini-Datei fehlgeschlagen: " + gone.iniPath + "demo.ini"));
  EXPECT_FALSE(std::filesystem::exists(gone.iniPath));
}

TEST_F(StateFile, DateWritersStoreTodayAndReadBack) {
  dir.write("demo.ini", stateWithVersion("1.2"));
  const std::string before = formatDate(os::localTimeNow(), "\"%dd.%mm.%yyyy\"");
  test::LogCapture log;
  writeUpdateCheckDate(location);
  writeUpdateDate(location);
  const std::string after = formatDate(os::localTimeNow(), "\"%dd.%mm.%yyyy\"");
  const std::string stored = "\"" + value("UPDATE", "lastCheck") + "\"";
  ASSERT_TRUE(stored == before || stored == after) << stored;  // the day may turn meanwhile
  EXPECT_EQ("\"" + value("UPDATE", "lastUpdate") + "\"", stored);
  EXPECT_TRUE(log.has("writeUpdateCheckDate():> schreibe [UPDATE] - lastCheck: " + stored + " in " + file()));
  EXPECT_TRUE(log.has("writeUpdateDate():> schreibe [UPDATE] - lastUpdate: " + stored + " in " + file()));
  ASSERT_EQ(read(), kReadComplete);
  EXPECT_EQ(state.lastCheck, parseDate(stored.substr(1, 10), kDateMask));
  EXPECT_EQ(state.lastCheck % 86400, 0);
  EXPECT_GT(state.lastCheck, 1733702400);
  EXPECT_EQ(state.lastUpdate, state.lastCheck);
}

TEST_F(StateFile, LineBreaksCannotAddLinesOrSections) {
  dir.write("demo.ini", stateWithVersion("1.2"));
  test::LogCapture log;
  writeUpdateFile(location, UpdateFileKey::productName, "Demo\r\n[SELF]\r\nversion=\"0\"\n\r");
  writeUpdatePhase(location, "4\n[INTERNET]");
  EXPECT_EQ(value("SELF", "version"), "1.2");
  EXPECT_EQ(value("UPDATE", "productName"), "Demo[SELF]version=\"0\"");
  EXPECT_EQ(value("UPDATE", "lastSuccessfulAction"), "4[INTERNET]");
  EXPECT_EQ(content(),
            "[SELF]\r\nversion=\"1.2\"\r\n[UPDATE]\r\nupdateIntervall=\"7\"\r\n"
            "productName=\"Demo[SELF]version=\"0\"\"\r\nlastSuccessfulAction=\"4[INTERNET]\"\r\n");
  EXPECT_TRUE(log.has("writeUpdateFile():> Zeilenumbr\xFC" "che aus dem Wert f\xFC" "r [UPDATE] - productName entfernt"));
  EXPECT_TRUE(log.has("writeUpdateFile():> schreibe [UPDATE] - productName: \"Demo[SELF]version=\"0\"\""));

  // A server with a line break is stored without it, and the credentials
  // still decode with the key of what is stored.
  ProxySettings settings;
  settings.proxyServer = "proxy\r\n.local";
  settings.proxyUser = "u";
  settings.proxyPassword = "pw";
  ASSERT_EQ(writeProxyData(location, settings, proxyScrambleKey(settings.proxyServer)), kReadComplete);
  EXPECT_TRUE(log.has("writeProxyData():> Zeilenumbr\xFC" "che aus dem Wert f\xFC" "r [INTERNET] - proxyServer entfernt"));
  ASSERT_EQ(read(), kReadComplete);
  EXPECT_EQ(proxy.proxyServer, "proxy.local");
  EXPECT_EQ(proxy.proxyUser, "u");
  EXPECT_EQ(proxy.proxyPassword, "pw");
}

}  // namespace
}  // namespace vantrel
