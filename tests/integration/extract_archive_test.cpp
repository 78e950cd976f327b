#include <gtest/gtest.h>

#include <filesystem>

#include "core/install/extract_archive.h"
#include "os/files.h"
#include "os/paths.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string fixture(const std::string& name) {
  return os::getProgramPath() + "fixtures" + std::string(1, os::pathSeparator()) + name;
}

TEST(ExtractArchive, WritesTheFilesBelowTheDestinationOnly) {
  test::TempDir dir;
  const std::string sep(1, os::pathSeparator());
  const std::string dest = dir.file("program") + sep + "prod";  // made on the way, no trailing separator
  std::vector<std::pair<std::string, int>> reports;
  int count = extractArchive(fixture("update.zip"), "*.*", dest, true,
                             [&](const std::string& name, double percent) {
                               reports.emplace_back(name, static_cast<int>(percent + 0.5));
                             });
  EXPECT_EQ(count, 3);
  EXPECT_EQ(dir.read("program" + sep + "prod" + sep + "bin" + sep + "app.dll").size(), 8000u);
  EXPECT_EQ(dir.read("program" + sep + "prod" + sep + "x" + sep + "y.txt"), "drive");
  EXPECT_EQ(dir.read("program" + sep + "prod" + sep + "readme.txt"), "Version 1.1\r\n");
  EXPECT_FALSE(fs::exists(dir.file("program") + sep + "outside.txt"));
  EXPECT_FALSE(fs::exists(dir.file("outside.txt")));
  // One report per entry, then the end.
  ASSERT_EQ(reports.size(), 6u);
  EXPECT_EQ(reports[1], (std::pair<std::string, int>("bin/app.dll", 40)));
  EXPECT_EQ(reports.back(), (std::pair<std::string, int>("", 100)));
  // The entry's time, to the minute.
  auto written = fs::last_write_time(dir.file("program") + sep + "prod" + sep + "readme.txt");
  auto age = fs::file_time_type::clock::now() - written;
  EXPECT_GT(age, std::chrono::hours(24 * 300));
}

TEST(ExtractArchive, WithoutFoldersOnlyTheFileParts) {
  test::TempDir dir;
  int count = extractArchive(fixture("update.zip"), "*.dll", dir.path(), false, nullptr);
  EXPECT_EQ(count, 1);
  EXPECT_TRUE(os::fileExists(dir.file("app.dll")));
}

TEST(ExtractArchive, BrokenArchivesWriteNothing) {
  for (const char* name : {"truncated.zip", "notzip.zip", "missing.zip"}) {
    test::TempDir dir;
    EXPECT_EQ(extractArchive(fixture(name), "*.*", dir.file("out"), true, nullptr), 0) << name;
    EXPECT_FALSE(fs::exists(dir.file("out")) && !fs::is_empty(dir.file("out"))) << name;
  }
}

}  // namespace
}  // namespace vantrel
