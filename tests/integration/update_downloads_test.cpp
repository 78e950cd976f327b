// The three downloads of an update run against the loopback update server
// (and the forward proxy): the descriptor, the archive and the change log,
// with what the wizard window and the log show of them. Natively and under
// Wine alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/dialogs/change_log.h"
#include "core/network/remote_config.h"
#include "core/network/system_proxy.h"
#include "core/network/update_download.h"
#include "core/text/text.h"
#include "os/files.h"
#include "support/log_capture.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "support/test_servers.h"

namespace vantrel {
namespace {

const char* const kGoodDescriptor =
    "[SELF]\r\nversion=\"1.1\"\r\n[UPDATE]\r\nversion=\"2.4.1\"\r\nupdFile=\"update_2_4_1.zip\"\r\n"
    "date=\"01.12.2026\"\r\nproduct=\"Tellmark\"\r\nchLogFile=\"changes.html\"\r\n";

// The writes of a run without its progress values, and the progress values.
struct Shown {
  std::vector<std::string> writes;
  std::vector<int> progress;
};

Shown shown(const test::ScriptedUi& ui) {
  Shown s;
  for (const std::string& w : ui.writes) {
    if (w.rfind("progress ", 0) == 0)
      s.progress.push_back(std::stoi(w.substr(9)));
    else
      s.writes.push_back(w);
  }
  return s;
}

bool contains(const std::vector<int>& values, int value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

class UpdateDownloads : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new test::UpdateServer(test::testAddressIn(test::kDownloadAddresses, 0)); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(server_->error().empty()) << server_->error();
    server_->setRoutes("{}");
    server_->clearLog();
    // Server with a trailing slash, path with one: joined as they stand.
    config_.httpServer = server_->url("/");
    config_.httpPath = "product/";
    config_.confFile = "update.ini";
  }

  ReadStatus readDescriptor() { return readRemoteConfig(ui_, descriptor_, config_, temp_.path(), proxy_); }

  static test::UpdateServer* server_;
  test::TempDir temp_;
  test::ScriptedUi ui_;
  LocalConfig config_;
  ProxySettings proxy_;
  RemoteDescriptor descriptor_;
};

test::UpdateServer* UpdateDownloads::server_ = nullptr;

TEST_F(UpdateDownloads, TheDescriptorIsReadWithItsStepRowAndProgress) {
  struct Case {
    const char* name;
    const char* route;  // the descriptor's route; "" answers 404
    ReadStatus result;
    const char* status;
    bool done;
    int lastProgress;
    const char* chLogFile;
  };
  const std::string noChangeLog = replaceAll(kGoodDescriptor, "chLogFile=\"changes.html\"\r\n", "");
  const std::string old = replaceAll(kGoodDescriptor, "version=\"1.1\"", "version=\"1.0\"");
  const std::string noDate = replaceAll(kGoodDescriptor, "date=\"01.12.2026\"", "date=");
  const Case cases[] = {
      {"good", kGoodDescriptor, kReadComplete, "...  Updateinformationen gefunden", true, 100, "changes.html"},
      {"without change log", noChangeLog.c_str(), kReadComplete, "...  Updateinformationen gefunden", true, 100, ""},
      {"layout 1.0", old.c_str(), kReadVersionTooOld, "...  Updateinformationen veraltet", false, 25, nullptr},
      {"date missing", noDate.c_str(), kReadValueMissing, "...  Updateinformationen ung\xFCltig", false, 100,
       "changes.html"},
      {"404", "", kReadFileMissing, "...  Updateinformationen nicht gefunden", false, 25, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui_.writes.clear();
    descriptor_ = RemoteDescriptor{"old", "old.zip", "old", "old", "old.html"};
    std::string routes = "{}";
    if (*c.route) {
      std::string body = c.route;
      routes = "{\"/product/update.ini\": {\"body\": \"" + replaceAll(replaceAll(body, "\"", "\\\""), "\r\n", "\\r\\n") +
               "\"}}";
    }
    server_->setRoutes(routes);
    test::LogCapture log;

    EXPECT_EQ(readDescriptor(), c.result);

    Shown s = shown(ui_);
    std::vector<std::string> expected = {"picture 1 working", "refresh", "picture 1 failed"};
    if (c.done) expected.push_back("picture 1 done");
    expected.push_back(std::string("text 21 ") + c.status);
    expected.push_back("refresh");
    EXPECT_EQ(s.writes, expected);
    ASSERT_FALSE(s.progress.empty());
    EXPECT_EQ(s.progress.front(), 0);
    EXPECT_TRUE(contains(s.progress, 25));
    EXPECT_EQ(contains(s.progress, 50), c.lastProgress == 100);
    EXPECT_EQ(s.progress.back(), c.lastProgress);

    if (c.chLogFile != nullptr) {
      // All values are read, also when one is missing.
      EXPECT_EQ(descriptor_.version, "2.4.1");
      EXPECT_EQ(descriptor_.updFile, "update_2_4_1.zip");
      EXPECT_EQ(descriptor_.date, c.result == kReadComplete ? "01.12.2026" : "");
      EXPECT_EQ(descriptor_.product, "Tellmark");
      EXPECT_EQ(descriptor_.chLogFile, c.chLogFile);
    } else {
      // Nothing read: the earlier values stay.
      EXPECT_EQ(descriptor_.version, "old");
      EXPECT_EQ(descriptor_.chLogFile, "old.html");
    }

    const std::string url = server_->url("/product/update.ini");
    const std::string target = temp_.file("update.ini");
    EXPECT_TRUE(log.has("readRemoteConfig():> Versuche 'update.ini' von " + config_.httpServer + " nach " + target +
                        " zu laden."));
    EXPECT_TRUE(log.has("HTTPGETSTATUS remoteConfig: " + std::string(*c.route ? "1" : "32775")));
    EXPECT_TRUE(log.has("Proxysettings f\xFCr Remote Configfile:>URL: " + url + "\n\rZiel: " + target +
                        "\n\rProxy wird verwendet: Updater - 0 System (Registry) - 0\n\r"
                        "Internetzugriff erfolgt: #INTERNET_OPEN_TYPE_DIRECT\n\r"
                        "Proxyserver und Port:  Username:  Passwort: ***hidden***"));
  }
}

TEST_F(UpdateDownloads, ARefusedArchiveLeavesTheBarFullAndTheFailedPicture) {
  descriptor_.updFile = "update.zip";
  test::LogCapture log;
  EXPECT_EQ(downloadUpdateFile(ui_, descriptor_, config_, temp_.path(), proxy_), 3);
  Shown s = shown(ui_);
  EXPECT_EQ(s.writes, (std::vector<std::string>{"picture 2 working", "refresh", "picture 2 failed",
                                                "text 22 ...  Updatedatei nicht gefunden", "refresh"}));
  EXPECT_EQ(s.progress, (std::vector<int>{0, 100}));
  EXPECT_TRUE(log.has("downloadUpdateFile():>Versuche 'update.zip' von " + config_.httpServer + " nach " +
                      temp_.file("update.zip") + " zu laden."));
  EXPECT_TRUE(log.has("HTTPGETSTATUS Update-File: 32775"));
  EXPECT_FALSE(os::fileExists(temp_.file("update.zip")));
}

TEST_F(UpdateDownloads, TheArchiveArrivesWithOneLogLinePerChunk) {
  constexpr std::size_t kSize = 100000;  // 13 chunks of 8,192 bytes
  server_->setRoutes(R"({"/product/update.zip": {"size": 100000}, "/product/stream.zip": {"size": 20000, "length": "none"}})");
  {
    SCOPED_TRACE("announced length");
    descriptor_.updFile = "update.zip";
    test::LogCapture log;
    ASSERT_EQ(downloadUpdateFile(ui_, descriptor_, config_, temp_.path(), proxy_), 0);
    EXPECT_TRUE(temp_.read("update.zip") == test::patternBytes(kSize));
    std::vector<std::string> lines;
    const std::string prefix = bytesToUtf8("HTTP_CallbackP():> File: " + temp_.file("update.zip") + " Percent: ");
    for (const std::string& line : log.lines())
      if (line.rfind(prefix, 0) == 0) lines.push_back(line.substr(prefix.size()));
    ASSERT_GE(lines.size(), 13u);
    EXPECT_EQ(lines.back(), "100");
    Shown s = shown(ui_);
    EXPECT_EQ(s.writes, (std::vector<std::string>{"picture 2 working", "refresh", "picture 2 failed",
                                                  "text 22 ...  Updatedatei erfolgreich geladen", "picture 2 done",
                                                  "refresh"}));
    // The bar follows the chunks, rising, and ends full.
    EXPECT_TRUE(std::is_sorted(s.progress.begin(), s.progress.end()));
    EXPECT_GT(s.progress.size(), 13u);
    EXPECT_EQ(s.progress.back(), 100);
    EXPECT_TRUE(log.has("HTTPGETSTATUS Update-File: 1"));
  }
  {
    SCOPED_TRACE("no announced length");
    ui_.writes.clear();
    descriptor_.updFile = "stream.zip";
    test::LogCapture log;
    ASSERT_EQ(downloadUpdateFile(ui_, descriptor_, config_, temp_.path(), proxy_), 0);
    const std::string line = "HTTP_CallbackP():> File: " + temp_.file("stream.zip") + " Percent: 0";
    EXPECT_TRUE(log.has(line));
    for (const std::string& l : log.lines()) {
      if (l.rfind(bytesToUtf8("HTTP_CallbackP():>"), 0) == 0) {
        EXPECT_EQ(l, bytesToUtf8(line));
      }
    }
    Shown s = shown(ui_);
    ASSERT_GE(s.progress.size(), 3u);
    EXPECT_EQ(s.progress.back(), 100);
    EXPECT_TRUE(std::all_of(s.progress.begin(), s.progress.end() - 1, [](int p) { return p == 0; }));
  }
}

TEST_F(UpdateDownloads, AServerChosenNameCannotWriteOutsideTheDownloadFolder) {
  server_->setRoutes(R"({"/product/nested/update.zip": {"body": "zip"}})");
  temp_.makeDir("downloads");
  const std::string folder = temp_.file("downloads") + std::string(1, temp_.path().back());
  {
    SCOPED_TRACE("a path: the URL keeps it, the file takes its last part");
    descriptor_.updFile = "nested/update.zip";
    ASSERT_EQ(downloadUpdateFile(ui_, descriptor_, config_, folder, proxy_), 0);
    EXPECT_EQ(os::listFiles(folder), std::vector<std::string>{"update.zip"});
    EXPECT_EQ(temp_.read("downloads" + std::string(1, temp_.path().back()) + "update.zip"), "zip");
  }
  for (const char* name : {"", "..", "nested/..", "nested/"}) {
    SCOPED_TRACE(std::string("refused: '") + name + "'");
    server_->clearLog();
    ui_.writes.clear();
    descriptor_.updFile = name;
    descriptor_.chLogFile = name;
    test::LogCapture log;
    EXPECT_EQ(downloadUpdateFile(ui_, descriptor_, config_, folder, proxy_), 3);
    EXPECT_EQ(showChangeLog(ui_, descriptor_, config_, folder, proxy_), 3);
    EXPECT_TRUE(log.has("HTTPGETSTATUS Update-File: 32769"));
    EXPECT_TRUE(log.has("HTTPGETSTATUS Changelog: 32769"));
    EXPECT_TRUE(server_->requests().empty());
    EXPECT_EQ(os::listFiles(folder), std::vector<std::string>{"update.zip"});
    EXPECT_TRUE(os::listFiles(temp_.path()).empty());  // files only: the folder "downloads" is not listed
    EXPECT_EQ(shown(ui_).writes.back(), "refresh");
  }
}

TEST_F(UpdateDownloads, TheChangeLogOpensItsWindowSizedByTheDisplay) {
  server_->setRoutes(R"({"/product/changes.html": {"body": "<p>Neu</p>"}})");
  descriptor_.chLogFile = "changes.html";
  const std::string title = "Update mit folgenden \xC4nderungen gefunden";
  const std::string url = "file:\\\\" + temp_.file("changes.html");
  {
    SCOPED_TRACE("1920 x 1080");
    ui_.displayWidth = 1920;
    ui_.displayHeight = 1080;
    test::LogCapture log;
    EXPECT_EQ(showChangeLog(ui_, descriptor_, config_, temp_.path(), proxy_), 0);
    EXPECT_EQ(ui_.writes, std::vector<std::string>{"changelog " + title + " " + url + " 800x640"});
    EXPECT_EQ(temp_.read("changes.html"), "<p>Neu</p>");
    EXPECT_TRUE(log.has("showChangeLog():>Versuche 'changes.html' von " + config_.httpServer + " nach " +
                        temp_.file("changes.html") + " zu laden."));
    EXPECT_TRUE(log.has("HTTPGETSTATUS Changelog: 1"));
  }
  {
    SCOPED_TRACE("no display information");
    ui_.writes.clear();
    ui_.displayWidth = -1;
    EXPECT_EQ(showChangeLog(ui_, descriptor_, config_, temp_.path(), proxy_), 0);
    EXPECT_EQ(ui_.writes, std::vector<std::string>{"changelog " + title + " " + url + " 480x320"});
  }
  {
    // 0 would make the caller wait for a window that is not there.
    SCOPED_TRACE("the window cannot be opened");
    ui_.writes.clear();
    ui_.changeLogOpens = false;
    EXPECT_EQ(showChangeLog(ui_, descriptor_, config_, temp_.path(), proxy_), 3);
  }
  {
    SCOPED_TRACE("404");
    ui_.writes.clear();
    ui_.changeLogOpens = true;
    descriptor_.chLogFile = "missing.html";
    test::LogCapture log;
    EXPECT_EQ(showChangeLog(ui_, descriptor_, config_, temp_.path(), proxy_), 3);
    EXPECT_TRUE(ui_.writes.empty());
    EXPECT_TRUE(log.has("HTTPGETSTATUS Changelog: 32775"));
    EXPECT_FALSE(os::fileExists(temp_.file("missing.html")));
  }
}

// The proxy paths, through a proxy that wants Basic credentials, to a server
// of its own (Wine pools connections by host and port).
class DownloadsThroughProxy : public UpdateDownloads {
 protected:
  static void SetUpTestSuite() {
    UpdateDownloads::SetUpTestSuite();
    proxied_ = new test::UpdateServer(test::testAddressIn(test::kDownloadAddresses, 3));
    proxy_server_ = new test::ForwardProxy(test::testAddressIn(test::kDownloadAddresses, 1), 8899, "proxyuser",
                                           "proxy-secret");
  }
  static void TearDownTestSuite() {
    delete proxy_server_;
    delete proxied_;
    proxy_server_ = nullptr;
    proxied_ = nullptr;
    UpdateDownloads::TearDownTestSuite();
  }
  void SetUp() override {
    UpdateDownloads::SetUp();
    ASSERT_TRUE(proxied_->error().empty()) << proxied_->error();
    ASSERT_TRUE(proxy_server_->error().empty()) << proxy_server_->error();
    proxied_->setRoutes(std::string("{\"/product/update.ini\": {\"body\": \"") +
                        replaceAll(replaceAll(kGoodDescriptor, "\"", "\\\""), "\r\n", "\\r\\n") + "\"}}");
    proxied_->clearLog();
    config_.httpServer = proxied_->url("/");
    for (const char* name : {"no_proxy", "NO_PROXY", "all_proxy", "ALL_PROXY", "HTTP_PROXY"})
      test::unsetEnvironment(name);
  }
  void TearDown() override { test::unsetEnvironment("http_proxy"); }

  bool cameThroughProxy() const {
    std::vector<test::SeenRequest> seen = proxied_->requests();
    return seen.size() == 1 && seen[0].header("Via").find("vantrel-test-proxy") != std::string::npos;
  }

  static test::UpdateServer* proxied_;
  static test::ForwardProxy* proxy_server_;
};

test::UpdateServer* DownloadsThroughProxy::proxied_ = nullptr;
test::ForwardProxy* DownloadsThroughProxy::proxy_server_ = nullptr;

TEST_F(DownloadsThroughProxy, TheNamedProxyGetsTheCredentialsAndTheLogNotThePassword) {
  const std::string hostPort = proxy_server_->hostPort();
  proxy_ = ProxySettings{true, hostPort.substr(0, hostPort.find(':')), 8899, "proxyuser", "proxy-secret", false};
  test::LogCapture log;
  ASSERT_EQ(readDescriptor(), kReadComplete);
  EXPECT_TRUE(cameThroughProxy());
  EXPECT_EQ(descriptor_.product, "Tellmark");
  const std::vector<std::string> lines = log.lines();
  EXPECT_TRUE(std::none_of(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.find("proxy-secret") != std::string::npos; }));
  const std::string block = bytesToUtf8("Proxysettings f\xFCr Remote Configfile:>");
  auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(block, 0) == 0; });
  ASSERT_NE(it, lines.end());
  EXPECT_NE(it->find("Proxy wird verwendet: Updater - -1 System (Registry) - 0\n\r"
                     "Internetzugriff erfolgt: #INTERNET_OPEN_TYPE_PROXY\n\r"
                     "Proxyserver und Port: " + hostPort + " Username: proxyuser Passwort: ***hidden***"),
            std::string::npos);
}

TEST_F(DownloadsThroughProxy, TheSystemsConfigurationIsUsedWithoutPassingCredentials) {
#if defined(_WIN32)
  // Wine's WinINet keeps the first proxy it took from the environment for the
  // whole process: this proxy would outlive the suite and break later ones.
  // The HTTP suite covers the system's configuration there.
  GTEST_SKIP() << "one environment proxy per process under Wine";
#endif
  // The system's proxy: the environment.
  test::setEnvironment("http_proxy", "http://proxyuser:proxy-secret@" + proxy_server_->hostPort());
  proxy_ = ProxySettings{true, "***AUTO***", 0, "stored-user", "stored-secret", true};
  test::LogCapture log;
  ASSERT_EQ(readDescriptor(), kReadComplete);
  EXPECT_TRUE(cameThroughProxy());
  const std::vector<std::string> lines = log.lines();
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
    return l.find("Internetzugriff erfolgt: 0\n\rProxyserver und Port:  Username:  Passwort: ***hidden***") !=
           std::string::npos;
  }));
  EXPECT_TRUE(std::none_of(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.find("stored-") != std::string::npos; }));
}

}  // namespace
}  // namespace vantrel
