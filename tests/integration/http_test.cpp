// The HTTP transfer against real loopback servers: the programmable update
// server of tools/update_server and a tinyproxy forward proxy, both started
// and stopped here. The same suite runs natively (libcurl) and under Wine
// (WinINet).
#include "os/http.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "os/files.h"
#include "os/paths.h"
#include "support/temp_dir.h"
#include "support/test_servers.h"

namespace vantrel {
namespace {

using os::HttpGetRequest;
using os::HttpResult;
using test::SeenRequest;

// What the callbacks saw.
struct Calls {
  std::vector<std::int32_t> received;   // receivedSoFar of each onProgress
  std::vector<std::int32_t> announced;  // announcedLength of each onProgress
  std::vector<std::int32_t> progressElapsed;
  int responses = 0;
  std::string responseHeader;  // X-Test, read through onResponse's handle
  int completes = 0;
  HttpResult completeResult = 0;
  std::int32_t completeReceived = -1;
  std::int32_t completeAnnounced = -1;
  std::int32_t completeElapsed = -1;
  bool fileAtComplete = false;
  std::optional<std::size_t> cancelAfter;  // onProgress calls before it returns 0

  // Increments between the progress calls: the sizes of the reads.
  std::vector<std::int32_t> reads() const {
    std::vector<std::int32_t> sizes;
    std::int32_t last = 0;
    for (std::int32_t r : received) {
      sizes.push_back(r - last);
      last = r;
    }
    return sizes;
  }
};

void watch(HttpGetRequest& request, Calls& calls) {
  request.onProgress = [&calls](HttpGetRequest&, std::int32_t received, std::int32_t announced,
                                std::int32_t elapsed) -> std::int32_t {
    calls.received.push_back(received);
    calls.announced.push_back(announced);
    calls.progressElapsed.push_back(elapsed);
    return calls.cancelAfter && calls.received.size() >= *calls.cancelAfter ? 0 : 1;
  };
  request.onResponse = [&calls](HttpGetRequest&, os::HttpRequestHandle handle) {
    ++calls.responses;
    os::queryResponseHeader(handle, "X-Test", calls.responseHeader);
  };
  request.onComplete = [&calls](HttpGetRequest& r, HttpResult result, std::int32_t received, std::int32_t announced,
                                std::int32_t elapsed) {
    ++calls.completes;
    calls.completeResult = result;
    calls.completeReceived = received;
    calls.completeAnnounced = announced;
    calls.completeElapsed = elapsed;
    calls.fileAtComplete = !r.localFile.empty() && os::fileExists(r.localFile);
  };
}

// WinINet connects only when the request is sent, so a server that cannot
// be reached fails the send there; libcurl tells the connection apart.
#if defined(_WIN32)
constexpr HttpResult kUnreachable = os::kHttpSendFailed;
#else
constexpr HttpResult kUnreachable = os::kHttpNoConnection;
#endif

// Wine's WinINet sends no credentials with the retry itself: it asks again
// without them and answers the new challenge, one request more on the wire.
#if defined(_WIN32)
constexpr std::size_t kRequestsForOneRetry = 3;
#else
constexpr std::size_t kRequestsForOneRetry = 2;
#endif

// Ports of the update server besides 80. Wine's WinINet keeps idle
// connections in a pool for the whole process, keyed by host and port alone,
// and its Basic credentials in a cache keyed by the Host header: tests that
// must start afresh (authentication, proxies) use ports of their own.
constexpr int kOtherPort = 8081;
constexpr int kAuthPorts[] = {8082, 8083, 8084};
constexpr int kProxiedPort = 8085;

class HttpTransfer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = new test::UpdateServer(test::testAddress(0),
                                     {kOtherPort, kAuthPorts[0], kAuthPorts[1], kAuthPorts[2], kProxiedPort}, 443);
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(server_->error().empty()) << server_->error();
    server_->setRoutes("{}");
    server_->clearLog();
  }

  // A direct request for `path` of the update server.
  HttpGetRequest request(std::int32_t mode, const std::string& path) const {
    HttpGetRequest r;
    r.url = server_->url(path);
    r.mode = mode;
    r.accessType = os::kAccessDirect;
    if (mode == os::kHttpToFile) r.localFile = dir_.file("download.bin");
    return r;
  }

  std::string target() const { return dir_.file("download.bin"); }

  static test::UpdateServer* server_;
  test::TempDir dir_;
};

test::UpdateServer* HttpTransfer::server_ = nullptr;

TEST_F(HttpTransfer, FileModeWritesTheBodyAndAsksTheOriginServer) {
  server_->setRoutes(R"({"/product/update.zip": {"size": 200000, "headers": {"X-Test": "yes"}}})");
  HttpGetRequest r = request(os::kHttpToFile, "/product/update.zip");
  Calls calls;
  watch(r, calls);

  ASSERT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  EXPECT_TRUE(dir_.read("download.bin") == test::patternBytes(200000));
  EXPECT_EQ(r.bytesReceived, 200000u);
  EXPECT_EQ(r.httpStatus, 0u);
  EXPECT_TRUE(r.buffer.empty());
  // The defaults are written back into the record.
  EXPECT_EQ(r.userAgent, "Zelmar HTTPLib");
  EXPECT_EQ(r.verb, "GET");
  EXPECT_EQ(r.requestFlags, os::kHttpDefaultRequestFlags);
  EXPECT_EQ(r.port, 80);

  EXPECT_EQ(calls.responses, 1);
  EXPECT_EQ(calls.responseHeader, "yes");
  ASSERT_FALSE(calls.received.empty());
  EXPECT_EQ(calls.received.back(), 200000);
  for (std::int32_t announced : calls.announced) EXPECT_EQ(announced, 200000);
  EXPECT_EQ(calls.completes, 1);
  EXPECT_EQ(calls.completeResult, os::kHttpOk);
  EXPECT_EQ(calls.completeReceived, 200000);
  EXPECT_EQ(calls.completeAnnounced, 200000);

  std::vector<SeenRequest> seen = server_->requests();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].method, "GET");
  EXPECT_EQ(seen[0].target, "/product/update.zip");
  EXPECT_EQ(seen[0].header("User-Agent"), "Zelmar HTTPLib");
  EXPECT_EQ(seen[0].header("Pragma"), "no-cache");
#if !defined(_WIN32)
  // Wine's WinINet sends the Pragma line only.
  EXPECT_EQ(seen[0].header("Cache-Control"), "no-cache");
#endif
  EXPECT_FALSE(seen[0].hasHeader("Authorization"));
}

TEST_F(HttpTransfer, MemoryModeReturnsExactlyTheBody) {
  server_->setRoutes(R"({"/update.ini": {"body": "[UPDATE]\r\nversion=\"2.0\"\r\n"}, "/empty": {"body": ""}})");
  HttpGetRequest r = request(os::kHttpToMemory, "/update.ini");
  r.chunkSize = 5;
  Calls calls;
  watch(r, calls);
  ASSERT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  EXPECT_EQ(r.buffer, "[UPDATE]\r\nversion=\"2.0\"\r\n");
  EXPECT_EQ(r.bytesReceived, r.buffer.size());
  for (std::int32_t size : calls.reads()) EXPECT_LE(size, 5);

  HttpGetRequest empty = request(os::kHttpToMemory, "/empty");
  Calls emptyCalls;
  watch(empty, emptyCalls);
  EXPECT_EQ(os::httpGetFromWeb(empty), os::kHttpOk);
  EXPECT_TRUE(empty.buffer.empty());
  EXPECT_EQ(empty.bytesReceived, 0u);
  EXPECT_TRUE(emptyCalls.received.empty());
}

TEST_F(HttpTransfer, HeaderModeReturnsTheHeaderBlockWhateverTheStatus) {
  server_->setRoutes(R"({"/missing.ini": {"status": 404, "body": "gone", "headers": {"X-Test": "yes"}}})");
  // The second chunk size is smaller than the header block.
  for (std::int32_t chunkSize : {0, 16}) {
    SCOPED_TRACE(chunkSize);
    HttpGetRequest r = request(os::kHttpHeadersToMemory, "/missing.ini");
    r.chunkSize = chunkSize;
    Calls calls;
    watch(r, calls);
    ASSERT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
    EXPECT_EQ(r.buffer.rfind("HTTP/1.1 404", 0), 0u) << r.buffer;
    EXPECT_NE(r.buffer.find("X-Test: yes\r\n"), std::string::npos) << r.buffer;
    EXPECT_EQ(r.buffer.substr(r.buffer.size() - 4), "\r\n\r\n");
    EXPECT_EQ(r.bytesReceived, r.buffer.size());
    EXPECT_EQ(r.httpStatus, 0u);
    EXPECT_TRUE(calls.received.empty());
    EXPECT_EQ(calls.completes, 1);
  }
}

TEST_F(HttpTransfer, AnEmptyBodyGivesAnEmptyFile) {
  server_->setRoutes(R"({"/empty.txt": {"body": ""}})");
  HttpGetRequest r = request(os::kHttpToFile, "/empty.txt");
  Calls calls;
  watch(r, calls);
  EXPECT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  EXPECT_EQ(os::fileSizeOf(target()), 0);
  EXPECT_EQ(r.bytesReceived, 0u);
  EXPECT_TRUE(calls.received.empty());
  EXPECT_EQ(calls.responses, 1);
}

TEST_F(HttpTransfer, ARefusedStatusLeavesAnExistingFileAlone) {
  server_->setRoutes(R"({"/gone.zip": {"status": 404, "body": "not here"}, "/broken.zip": {"status": 500}})");
  for (const auto& [path, status] : {std::pair<std::string, std::uint32_t>{"/gone.zip", 404}, {"/broken.zip", 500}}) {
    SCOPED_TRACE(path);
    dir_.write("download.bin", "the previous download");
    HttpGetRequest r = request(os::kHttpToFile, path);
    Calls calls;
    watch(r, calls);
    EXPECT_EQ(os::httpGetFromWeb(r), os::kHttpStatusRefused);
    EXPECT_EQ(r.httpStatus, status);
    EXPECT_EQ(dir_.read("download.bin"), "the previous download");
    EXPECT_EQ(calls.responses, 0);
    EXPECT_EQ(calls.completes, 1);
    EXPECT_EQ(calls.completeResult, os::kHttpStatusRefused);
  }
}

TEST_F(HttpTransfer, A401IsAnsweredOnceWithTheServerCredentials) {
  server_->setRoutes(R"({"/private/update.ini": {"body": "secret", "auth": {"user": "anna", "password": "pa55"}}})");
  struct Case {
    std::string user, password;
    int port;
    HttpResult result;
    std::string authorization;  // of the last request
  };
  // base64("anna:pa55") and base64("anna:wrong")
  for (const Case& c : {Case{"anna", "pa55", kAuthPorts[0], os::kHttpOk, "Basic YW5uYTpwYTU1"},
                        Case{"anna", "wrong", kAuthPorts[1], os::kHttpStatusRefused, "Basic YW5uYTp3cm9uZw=="},
                        Case{"", "", kAuthPorts[2], os::kHttpStatusRefused, ""}}) {
    SCOPED_TRACE(c.user + ":" + c.password);
    server_->clearLog();
    HttpGetRequest r = request(os::kHttpToMemory, "/private/update.ini");
    r.port = c.port;
    r.user = c.user;
    r.password = c.password;
    EXPECT_EQ(os::httpGetFromWeb(r), c.result);
    EXPECT_EQ(r.buffer, c.result == os::kHttpOk ? "secret" : "");
    EXPECT_EQ(r.httpStatus, c.result == os::kHttpOk ? 0u : 401u);
    std::vector<SeenRequest> seen = server_->requests();
    // Without credentials the request is sent once more all the same.
    ASSERT_EQ(seen.size(), c.authorization.empty() ? 2u : kRequestsForOneRetry);
    EXPECT_EQ(seen.back().header("Authorization"), c.authorization);
    for (std::size_t i = 0; i + 1 < seen.size(); ++i) EXPECT_FALSE(seen[i].hasHeader("Authorization")) << i;
  }
}

TEST_F(HttpTransfer, RedirectionsAreFollowed) {
  server_->setRoutes(R"({"/old/update.ini": {"redirect": "/new/update.ini"},
                          "/new/update.ini": {"redirect": "http://)" +
                     server_->address() + R"(/final/update.ini", "status": 301},
                          "/final/update.ini": {"body": "moved"}})");
  HttpGetRequest r = request(os::kHttpToFile, "/old/update.ini");
  EXPECT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  EXPECT_EQ(dir_.read("download.bin"), "moved");
  std::vector<SeenRequest> seen = server_->requests();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].target, "/old/update.ini");
  EXPECT_EQ(seen[1].target, "/new/update.ini");
  EXPECT_EQ(seen[2].target, "/final/update.ini");
}

TEST_F(HttpTransfer, ABodyWithoutAnnouncedLengthIsReadToTheEnd) {
  server_->setRoutes(R"({"/stream.log": {"size": 150000, "length": "none"}})");
  HttpGetRequest r = request(os::kHttpToFile, "/stream.log");
  Calls calls;
  watch(r, calls);
  ASSERT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  EXPECT_TRUE(dir_.read("download.bin") == test::patternBytes(150000));
  EXPECT_EQ(r.bytesReceived, 150000u);
  for (std::int32_t announced : calls.announced) EXPECT_EQ(announced, 0);
  for (std::int32_t size : calls.reads()) EXPECT_LE(size, 65536);
  EXPECT_EQ(calls.completeAnnounced, 0);
}

TEST_F(HttpTransfer, AnIncompleteOrCancelledDownloadLeavesNoFile) {
  server_->setRoutes(R"({"/cut.zip": {"size": 300000, "cut_after": 70000}, "/whole.zip": {"size": 300000}})");
  struct Case {
    const char* name;
    std::string path;
    bool cancel;
    HttpResult result;
  };
  for (const Case& c : {Case{"cut", "/cut.zip", false, os::kHttpReadFailed},
                        Case{"cancelled", "/whole.zip", true, os::kHttpCancelled}}) {
    for (bool existed : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (existed ? ", over an existing file" : ""));
      if (existed) dir_.write("download.bin", "the previous download");
      HttpGetRequest r = request(os::kHttpToFile, c.path);
      r.chunkSize = 8192;
      Calls calls;
      if (c.cancel) calls.cancelAfter = 1;
      watch(r, calls);
      EXPECT_EQ(os::httpGetFromWeb(r), c.result);
      EXPECT_FALSE(os::fileExists(target()));
      EXPECT_EQ(r.bytesReceived, 0u);
      EXPECT_EQ(calls.completes, 1);
      EXPECT_EQ(calls.completeResult, c.result);
      // onComplete comes before the partial file is removed.
      EXPECT_TRUE(calls.fileAtComplete);
      if (c.cancel) {
        EXPECT_EQ(calls.received, std::vector<std::int32_t>{8192});
      }
    }
  }
}

TEST_F(HttpTransfer, AnUnusableRequestIsRefusedWithoutNetworkActivity) {
  server_->setRoutes(R"({"/update.ini": {"body": "x"}})");
  struct Case {
    const char* name;
    std::function<void(HttpGetRequest&)> spoil;
  };
  const std::string address = server_->address();
  for (const Case& c : {Case{"mode 1", [](HttpGetRequest& r) { r.mode = 1; }},
                        Case{"mode 5", [](HttpGetRequest& r) { r.mode = 5; }},
                        Case{"no local file", [](HttpGetRequest& r) { r.localFile.clear(); }},
                        Case{"proxy access without a proxy", [](HttpGetRequest& r) { r.accessType = os::kAccessProxy; }},
                        Case{"no scheme", [&](HttpGetRequest& r) { r.url = address + "/update.ini"; }},
                        Case{"empty URL", [](HttpGetRequest& r) { r.url.clear(); }},
                        Case{"port beyond 65535", [](HttpGetRequest& r) { r.port = 65536 + 80; }}}) {
    SCOPED_TRACE(c.name);
    HttpGetRequest r = request(os::kHttpToFile, "/update.ini");
    c.spoil(r);
    Calls calls;
    watch(r, calls);
    EXPECT_EQ(os::httpGetFromWeb(r), os::kHttpUnusableRequest);
    EXPECT_EQ(calls.completes, 1);
    EXPECT_EQ(calls.completeResult, os::kHttpUnusableRequest);
    EXPECT_EQ(calls.responses, 0);
    EXPECT_FALSE(os::fileExists(target()));
  }
  EXPECT_TRUE(server_->requests().empty());
}

TEST_F(HttpTransfer, WithoutAChunkSizeBodiesUpTo10MiBAreReadInOneChunk) {
  constexpr std::int32_t kWhole = 10485760;
  server_->setRoutes(R"({"/10MiB.zip": {"size": 10485760}, "/10MiB+1.zip": {"size": 10485761}})");
  {
    HttpGetRequest r = request(os::kHttpToMemory, "/10MiB.zip");
    Calls calls;
    watch(r, calls);
    ASSERT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
    EXPECT_EQ(r.buffer.size(), static_cast<std::size_t>(kWhole));
    EXPECT_EQ(calls.received, std::vector<std::int32_t>{kWhole});
  }
  {
    HttpGetRequest r = request(os::kHttpToFile, "/10MiB+1.zip");
    Calls calls;
    watch(r, calls);
    ASSERT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
    EXPECT_EQ(os::fileSizeOf(target()), kWhole + 1);
    std::vector<std::int32_t> reads = calls.reads();
    ASSERT_EQ(reads.size(), 161u);  // 160 chunks of 64 KiB and one byte
    for (std::size_t i = 0; i + 1 < reads.size(); ++i) ASSERT_EQ(reads[i], 65536) << "read " << i;
    EXPECT_EQ(reads.back(), 1);
  }
}

TEST_F(HttpTransfer, ThePortComesFromTheRecordNotFromTheUrl) {
  server_->setRoutes(R"({"/update.ini": {"body": "x"}})");
  struct Case {
    std::string url;
    std::int32_t port;
    int reached;
  };
  const std::string host = server_->address();
  for (const Case& c : {Case{"http://" + host + ":8081/update.ini", 0, 80},
                        Case{"http://" + host + "/update.ini", kOtherPort, kOtherPort},
                        Case{"https://user:secret@" + host + ":443/update.ini", 0, 80}}) {
    SCOPED_TRACE(c.url);
    server_->clearLog();
    HttpGetRequest r = request(os::kHttpToMemory, "/");
    r.url = c.url;
    r.port = c.port;
    EXPECT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
    std::vector<SeenRequest> seen = server_->requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].port, c.reached);
    EXPECT_EQ(seen[0].target, "/update.ini");
    // base64("user:secret"): credentials in the URL are not used.
    EXPECT_NE(seen[0].header("Authorization"), "Basic dXNlcjpzZWNyZXQ=");
  }
}

TEST_F(HttpTransfer, HeadersAndBodyAreSentWithTheGivenLengths) {
  server_->setRoutes(R"({"/form": {"body": "ok"}})");
  HttpGetRequest r = request(os::kHttpToMemory, "/form");
  r.verb = "POST";
  r.headers = "X-First: 1\r\nX-Second: 2\r\n";
  r.headersLength = 12;  // the first line and its line break
  r.body = "a=b";
  EXPECT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  r.headersLength = 1000;  // more than there is: the whole text
  r.bodyLength = 1000;
  r.body = "c=d";
  EXPECT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  std::vector<SeenRequest> seen = server_->requests();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].method, "POST");
  EXPECT_EQ(seen[0].header("X-First"), "1");
  EXPECT_FALSE(seen[0].hasHeader("X-Second"));
  // The body goes with its terminating zero byte.
  EXPECT_EQ(seen[0].body, std::string("a=b", 4));
  EXPECT_EQ(seen[1].header("X-Second"), "2");
  EXPECT_EQ(seen[1].body, std::string("c=d", 4));
}

TEST_F(HttpTransfer, ElapsedSecondsCountFromTheStartOfTheCall) {
  server_->setRoutes(R"({"/slow.ini": {"body": "late", "delay": 1.2}})");
  HttpGetRequest r = request(os::kHttpToMemory, "/slow.ini");
  Calls calls;
  watch(r, calls);
  EXPECT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  ASSERT_EQ(calls.progressElapsed.size(), 1u);
  EXPECT_GE(calls.progressElapsed[0], 1);
  EXPECT_GE(calls.completeElapsed, 1);
  EXPECT_LT(calls.completeElapsed, 30);
}

TEST_F(HttpTransfer, FailuresOfTheConnectionAndTheLocalFileAreReported) {
  server_->setRoutes(R"({"/update.zip": {"body": "zip"}})");
  {
    SCOPED_TRACE("nothing listens");
    HttpGetRequest r = request(os::kHttpToFile, "/update.zip");
    r.url = "http://" + test::testAddress(2) + "/update.zip";
    Calls calls;
    watch(r, calls);
    EXPECT_EQ(os::httpGetFromWeb(r), kUnreachable);
    EXPECT_EQ(calls.completes, 1);
    EXPECT_EQ(calls.completeResult, kUnreachable);
    EXPECT_FALSE(os::fileExists(target()));
  }
  {
    SCOPED_TRACE("folder missing");
    HttpGetRequest r = request(os::kHttpToFile, "/update.zip");
    r.localFile = dir_.file("missing") + os::pathSeparator() + "update.zip";
    Calls calls;
    watch(r, calls);
    EXPECT_EQ(os::httpGetFromWeb(r), os::kHttpFileNotCreated);
    EXPECT_EQ(calls.completeResult, os::kHttpFileNotCreated);
    EXPECT_EQ(calls.responses, 0);
    EXPECT_EQ(server_->requests().size(), 1u);
  }
}

TEST_F(HttpTransfer, OnlySecureRequestsAcceptAnUnknownCertificate) {
  server_->setRoutes(R"({"/update.ini": {"body": "over tls"}})");
  // TLS by the flags alone keeps every certificate check. (First: Wine would
  // hand it the pooled connection of a relaxed request to the same server.)
  HttpGetRequest strict = request(os::kHttpToMemory, "/update.ini");
  strict.requestFlags = os::kHttpDefaultRequestFlags | 0x00800000u;
  strict.port = 443;
  EXPECT_EQ(os::httpGetFromWeb(strict), os::kHttpSendFailed);
  EXPECT_TRUE(server_->requests().empty());

  HttpGetRequest r = request(os::kHttpToMemory, "/update.ini");
  r.secure = true;
  r.port = 443;
  ASSERT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  EXPECT_EQ(r.buffer, "over tls");
  EXPECT_EQ(r.requestFlags, os::kHttpDefaultRequestFlags | os::kHttpSecureRequestFlags);
  EXPECT_EQ(server_->requests().size(), 1u);
}

// The proxy paths, with a proxy that wants Basic credentials.
class HttpThroughProxy : public HttpTransfer {
 protected:
  static void SetUpTestSuite() {
    HttpTransfer::SetUpTestSuite();
    proxy_ = new test::ForwardProxy(test::testAddress(1), 8899, "proxyuser", "proxy-secret");
  }
  static void TearDownTestSuite() {
    delete proxy_;
    proxy_ = nullptr;
    HttpTransfer::TearDownTestSuite();
  }
  void SetUp() override {
    HttpTransfer::SetUp();
    ASSERT_TRUE(proxy_->error().empty()) << proxy_->error();
    server_->setRoutes(R"({"/update.ini": {"body": "[UPDATE]"}})");
    // The environment's proxy variables point at the proxy, with credentials.
    for (const char* name : {"no_proxy", "NO_PROXY", "all_proxy", "ALL_PROXY", "HTTP_PROXY"})
      test::unsetEnvironment(name);
    test::setEnvironment("http_proxy", "http://proxyuser:proxy-secret@" + proxy_->hostPort());
  }
  void TearDown() override { test::unsetEnvironment("http_proxy"); }

  static bool viaProxy(const SeenRequest& seen) { return seen.header("Via").find("vantrel-test-proxy") != std::string::npos; }

  static test::ForwardProxy* proxy_;
};

test::ForwardProxy* HttpThroughProxy::proxy_ = nullptr;

TEST_F(HttpThroughProxy, DirectAccessIgnoresTheEnvironmentsProxy) {
  HttpGetRequest r = request(os::kHttpToMemory, "/update.ini");
  r.accessType = os::kAccessDirect;
  r.proxy = proxy_->hostPort();
  ASSERT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  std::vector<SeenRequest> seen = server_->requests();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_FALSE(viaProxy(seen[0]));
}

TEST_F(HttpThroughProxy, TheNamedProxyCarriesTheRequestWithItsCredentials) {
  struct Case {
    std::string user, password;
    HttpResult result;
    std::uint32_t status;
  };
  // tinyproxy answers credentials it does not know with 401, missing ones
  // with 407.
  for (const Case& c : {Case{"proxyuser", "proxy-secret", os::kHttpOk, 0},
                        Case{"proxyuser", "wrong", os::kHttpStatusRefused, 401},
                        Case{"", "", os::kHttpStatusRefused, 407}}) {
    SCOPED_TRACE(c.user + ":" + c.password);
    server_->clearLog();
    HttpGetRequest r = request(os::kHttpToMemory, "/update.ini");
    r.port = kProxiedPort;
    r.accessType = os::kAccessProxy;
    r.proxy = proxy_->hostPort();
    r.proxyUser = c.user;
    r.proxyPassword = c.password;
    EXPECT_EQ(os::httpGetFromWeb(r), c.result);
    std::vector<SeenRequest> seen = server_->requests();
    if (c.result == os::kHttpOk) {
      EXPECT_EQ(r.buffer, "[UPDATE]");
      ASSERT_EQ(seen.size(), 1u);
      EXPECT_TRUE(viaProxy(seen[0]));
      EXPECT_FALSE(seen[0].hasHeader("Proxy-Authorization"));
    } else {
      EXPECT_EQ(r.httpStatus, c.status);
      EXPECT_TRUE(seen.empty());
    }
  }
  EXPECT_NE(proxy_->log().find("/update.ini"), std::string::npos);
}

TEST_F(HttpThroughProxy, TheSystemsConfigurationIsTheEnvironmentsProxy) {
  HttpGetRequest r = request(os::kHttpToMemory, "/update.ini");
  r.port = kProxiedPort;
  r.accessType = os::kAccessSystem;
  ASSERT_EQ(os::httpGetFromWeb(r), os::kHttpOk);
  EXPECT_EQ(r.buffer, "[UPDATE]");
  std::vector<SeenRequest> seen = server_->requests();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_TRUE(viaProxy(seen[0]));
}

}  // namespace
}  // namespace vantrel
