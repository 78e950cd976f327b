#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "core/config/state_file.h"
#include "core/support/log.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

// A run killed while it writes the state file leaves the old or the new file,
// never a torn one: a child process writes two alternating values over and
// over and is killed at some moment; the file must then be one of the two.
TEST(StateFileCrash, AKilledWriterLeavesAWholeFile) {
  test::TempDir dir;
  LocalConfig location;
  location.iniPath = dir.path();
  location.iniFileName = "demo.ini";
  // Large enough that a write takes a while.
  const std::string padding = "[PAD]\r\n" + std::string(256 * 1024, 'p') + "=1\r\n";
  const std::string head = "[SELF]\r\nversion=\"1.2\"\r\n[UPDATE]\r\nupdateIntervall=\"7\"\r\nlastSuccessfulAction=\"";
  const std::string fileA = head + "1\"\r\n" + padding;
  const std::string fileB = head + "22\"\r\n" + padding;
  dir.write("demo.ini", fileA);
  writeLog("StateFileCrash: child processes follow", 0);  // the log exists before the children share it

  for (int round = 0; round < 24; ++round) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) writeUpdatePhase(location, i % 2 ? "1" : "22");
    }
    std::this_thread::sleep_for(std::chrono::microseconds(10000 + 2917 * round));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    std::string content = dir.read("demo.ini");
    EXPECT_TRUE(content == fileA || content == fileB) << "round " << round << ", " << content.size() << " bytes";
  }
}

}  // namespace
}  // namespace vantrel
