#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/support/log.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const std::string& dir) {
  std::set<std::string> names;
  for (auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

os::LocalTime fixedTime() { return os::LocalTime{2026, 12, 1, 9, 5, 7}; }

TEST(LogFile, FirstLineRemovesEarlierRunsAndNamesTheFile) {
  test::TempDir dir;
  for (const char* keep : {"tool.log", "other_261201_090507.log", "tool_26120_090507.log"}) dir.write(keep, "x");
  dir.write("tool_250101_000000.log", "old");
  dir.write("tool_abcdef_ghijkl.log", "old");
  dir.makeDir("tool_251111_111111.log");  // a directory, not a log file
  LogFile log(dir.path(), "tool", fixedTime);
  EXPECT_EQ(log.path(), "");
  log.write("erste Zeile \xE4", 0);
  log.write("", 0);
  log.write("dritte", 0);
  EXPECT_EQ(log.path(), dir.file("tool_261201_090507.log"));
  EXPECT_EQ(namesIn(dir.path()),
            (std::set<std::string>{"tool.log", "other_261201_090507.log", "tool_26120_090507.log",
                                   "tool_251111_111111.log", "tool_261201_090507.log"}));
  EXPECT_EQ(dir.read("tool_261201_090507.log"), "erste Zeile \xC3\xA4\r\n\r\ndritte\r\n");
}

TEST(LogFile, LaterLinesDoNotCleanAgain) {
  test::TempDir dir;
  LogFile log(dir.path(), "tool", fixedTime);
  log.write("a", 0);
  dir.write("tool_000000_000000.log", "written by another run meanwhile");
  log.write("b", 0);
  EXPECT_TRUE(fs::exists(dir.file("tool_000000_000000.log")));
}

TEST(LogFile, ModeZeroNeitherCleansNorWrites) {
  test::TempDir dir;
  dir.write("tool_250101_000000.log", "old");
  LogFile log(dir.path(), "tool", fixedTime, 0);
  EXPECT_EQ(log.write("x", 0), 0);
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"tool_250101_000000.log"});
}

TEST(LogFile, AMissingDirectoryLosesLinesSilently) {
  test::TempDir dir;
  LogFile log(dir.file("gone") + "/", "tool", fixedTime);
  EXPECT_EQ(log.write("x", 0), 0);
  EXPECT_EQ(log.write("y", 1), 0);
}

}  // namespace
}  // namespace vantrel
