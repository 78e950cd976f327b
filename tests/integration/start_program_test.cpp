#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/launcher/start_program.h"
#include "os/files.h"
#include "os/paths.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// The helper program records its arguments in its working directory.
std::string startAndRecord(const test::TempDir& dir, const std::vector<std::string>& parameters) {
  const std::string helper = RECORD_ARGS_NAME;
  fs::copy_file(os::getProgramPath() + helper, dir.file(helper), fs::copy_options::overwrite_existing);
  EXPECT_TRUE(startProgram(dir.path(), helper, parameters));
  for (int i = 0; i < 200 && !os::fileExists(dir.file("record_args.txt")); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  // Let the helper finish writing.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  return dir.read("record_args.txt");
}

TEST(StartProgramProcess, TheProductSeesOneArgumentOrNone) {
  {
    test::TempDir dir;
    EXPECT_EQ(startAndRecord(dir, {""}), "");
  }
  {
    test::TempDir dir;
    EXPECT_EQ(startAndRecord(dir, {" /a /B my file.txt"}), "[ /a /B my file.txt]\n");
  }
  {
    test::TempDir dir;
    EXPECT_EQ(startAndRecord(dir, {"", "/upd:mode2", "/upd:nostart"}), "[/upd:mode2]\n[/upd:nostart]\n");
  }
}

TEST(StartProgramProcess, AProgramThatIsNotThereIsNotStarted) {
  test::TempDir dir;
  EXPECT_FALSE(startProgram(dir.path(), "no-such-program.exe", {""}));
  EXPECT_FALSE(startProgram(dir.file("missing") + std::string(1, os::pathSeparator()), "x.exe", {""}));
}

}  // namespace
}  // namespace vantrel
