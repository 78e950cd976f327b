// A download whose local file cannot take the body (the disk is full, or
// the file may grow no further) fails and leaves no partial file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "os/files.h"
#include "os/http.h"
#include "support/temp_dir.h"
#include "support/test_servers.h"

namespace vantrel {
namespace {

// Limits the size of the files this process writes, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    savedSignal_ = signal(SIGXFSZ, SIG_IGN);  // a failing write, not a signal
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, savedSignal_);
  }

 private:
  rlimit saved_{};
  void (*savedSignal_)(int) = SIG_DFL;
};

TEST(HttpLocalFile, AWriteThatFailsMidwayRemovesThePartialFile) {
  test::UpdateServer server(test::testAddress(0));
  ASSERT_TRUE(server.error().empty()) << server.error();
  server.setRoutes(R"({"/update.zip": {"size": 300000}})");
  test::TempDir dir;

  os::HttpGetRequest r;
  r.url = server.url("/update.zip");
  r.mode = os::kHttpToFile;
  r.accessType = os::kAccessDirect;
  r.chunkSize = 8192;
  r.localFile = dir.file("update.zip");
  int progressCalls = 0;
  r.onProgress = [&](os::HttpGetRequest&, std::int32_t, std::int32_t, std::int32_t) {
    ++progressCalls;
    return 1;
  };
  os::HttpResult result;
  {
    FileSizeLimit limit(100000);
    result = os::httpGetFromWeb(r);
  }
  EXPECT_EQ(result, os::kHttpFileLengthWrong);
  EXPECT_FALSE(os::fileExists(r.localFile));
  EXPECT_EQ(progressCalls, 12);  // 12 chunks of 8192 bytes fit below the limit
  EXPECT_EQ(r.bytesReceived, 0u);
}

}  // namespace
}  // namespace vantrel
