#include <gtest/gtest.h>

#include <filesystem>

#include "os/files.h"
#include "os/paths.h"
#include "os/process_list.h"
#include "os/rights.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string sep() { return std::string(1, os::pathSeparator()); }

TEST(SystemQueries, ProgramPathAndNameNameTheRunningExecutable) {
  const std::string dir = os::getProgramPath();
  const std::string name = os::getProgramName();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), os::pathSeparator());
  EXPECT_EQ(name.find_first_of("\\/"), std::string::npos);
  EXPECT_EQ(name.rfind("integration_tests", 0), 0u) << name;
  EXPECT_GT(os::fileSizeOf(dir + name), 0);
  const std::string temp = os::getTempDir();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), os::pathSeparator());
  EXPECT_EQ(os::fileSizeOf(temp), -2);
}

TEST(SystemQueries, UnassignedSpecialFolderIsEmpty) {
  EXPECT_EQ(os::getSpecialFolder(-1), "");
  EXPECT_EQ(os::getSpecialFolder(12345), "");
}

TEST(SystemQueries, MakeDirPathCreatesEveryLevel) {
  test::TempDir dir;
  const std::string deep = dir.path() + "a" + sep() + "b" + sep() + "c" + sep();
  EXPECT_TRUE(os::makeDirPath(deep));
  EXPECT_EQ(os::fileSizeOf(deep), -2);
  EXPECT_TRUE(os::makeDirPath(deep));  // already there
  // The part after the last separator is a file name and stays uncreated.
  EXPECT_TRUE(os::makeDirPath(deep + "d" + sep() + "state.ini"));
  EXPECT_EQ(os::fileSizeOf(deep + "d"), -2);
  EXPECT_FALSE(fs::exists(deep + "d" + sep() + "state.ini"));
  // A file where a directory is wanted.
  dir.write("file", "x");
  EXPECT_FALSE(os::makeDirPath(dir.path() + "file" + sep() + "x" + sep()));
  EXPECT_FALSE(os::makeDirPath(""));
  EXPECT_FALSE(os::makeDirPath("no-directory-part"));
}

TEST(SystemQueries, FileExistsForFilesOnly) {
  test::TempDir dir;
  dir.write("empty", "");
  EXPECT_TRUE(os::fileExists(dir.file("empty")));
  EXPECT_FALSE(os::fileExists(dir.path()));
  EXPECT_FALSE(os::fileExists(dir.file("missing")));
}

TEST(SystemQueries, FindsItsOwnProcessInAnyLetterCase) {
  const std::string name = os::getProgramName();
  std::string lower = name;
  std::string mixed = name;
  for (std::size_t i = 0; i < name.size(); ++i) {
    lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    mixed[i] = static_cast<char>(i % 2 ? std::toupper(static_cast<unsigned char>(name[i])) : lower[i]);
  }
  EXPECT_TRUE(os::isProcessRunning(name));
  EXPECT_TRUE(os::isProcessRunning(lower));
  EXPECT_TRUE(os::isProcessRunning(os::upperCaseProcessName(name)));
  EXPECT_TRUE(os::isProcessRunning(mixed));
  // With its directory it never matches; a name no process has neither.
  EXPECT_FALSE(os::isProcessRunning(os::getProgramPath() + name));
  EXPECT_FALSE(os::isProcessRunning("no-such-process-" + name));
  EXPECT_FALSE(os::isProcessRunning(""));
}

}  // namespace
}  // namespace vantrel
