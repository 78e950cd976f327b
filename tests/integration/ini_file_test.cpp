#include <gtest/gtest.h>

#include <filesystem>

#include "core/config/ini_file.h"
#include "os/files.h"
#include "os/paths.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

TEST(IniFile, WritingCreatesTheFileAndReadsBack) {
  test::TempDir dir;
  const std::string file = dir.file("state.ini");
  EXPECT_EQ(readIniValue(file, "SELF", "version"), "");
  EXPECT_TRUE(writeIniValue(file, "SELF", "version", "\"1.2\""));
  EXPECT_TRUE(writeIniValue(file, "UPDATE", "lastCheck", "\"09.12.2024\""));
  EXPECT_TRUE(writeIniValue(file, "self", "VERSION", "\"1.3\""));
  EXPECT_EQ(dir.read("state.ini"), "[SELF]\r\nVERSION=\"1.3\"\r\n[UPDATE]\r\nlastCheck=\"09.12.2024\"\r\n");
  EXPECT_EQ(readIniValue(file, "Self", "Version"), "1.3");
  EXPECT_EQ(readIniValue(file, "UPDATE", "lastcheck"), "09.12.2024");
}

TEST(IniFile, AWriteLeavesNoTemporaryFileAndKeepsOtherBytes) {
  test::TempDir dir;
  const std::string original = "; comment\n[A]\nx = 1 \n\xE4=\xFC\n";
  dir.write("f.ini", original);
  EXPECT_TRUE(writeIniValue(dir.file("f.ini"), "A", "x", "\"2\""));
  EXPECT_EQ(dir.read("f.ini"), "; comment\n[A]\nx=\"2\"\n\xE4=\xFC\n");
  EXPECT_EQ(readIniValue(dir.file("f.ini"), "a", "\xC4"), "\xFC");
  int files = 0;
  for (auto& e : fs::directory_iterator(dir.path())) files += e.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 1);
}

TEST(IniFile, FailedWritesKeepThePreviousFile) {
  test::TempDir dir;
  dir.write("ro.ini", "[A]\r\nx=\"1\"\r\n");
  fs::permissions(dir.file("ro.ini"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(writeIniValue(dir.file("ro.ini"), "A", "x", "\"2\""));
  EXPECT_EQ(readIniValue(dir.file("ro.ini"), "A", "x"), "1");

  EXPECT_FALSE(writeIniValue(dir.file("no-such-dir") + std::string(1, os::pathSeparator()) + "x.ini", "A", "x", "1"));
  dir.makeDir("adir");
  EXPECT_FALSE(writeIniValue(dir.file("adir"), "A", "x", "1"));
  EXPECT_EQ(readIniValue(dir.file("adir"), "A", "x"), "");
}

}  // namespace
}  // namespace vantrel
