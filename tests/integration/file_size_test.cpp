#include <gtest/gtest.h>

#include "os/files.h"
#include "os/paths.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

TEST(FileSizeOf, TheThreeKindsOfAnswer) {
  test::TempDir dir;
  const std::string sep(1, os::pathSeparator());
  dir.write("empty", "");
  dir.write("seven", "1234567");
  dir.makeDir("sub");
  EXPECT_EQ(os::fileSizeOf(""), -1);
  EXPECT_EQ(os::fileSizeOf(dir.file("missing")), -1);
  EXPECT_EQ(os::fileSizeOf(dir.file("empty")), 0);
  EXPECT_EQ(os::fileSizeOf(dir.file("seven")), 7);
  EXPECT_EQ(os::fileSizeOf(dir.file("sub")), -2);
  EXPECT_EQ(os::fileSizeOf(dir.path()), -2);
  // Trailing separators are dropped before the lookup.
  EXPECT_EQ(os::fileSizeOf(dir.file("seven") + sep + sep), 7);
  EXPECT_EQ(os::fileSizeOf(dir.file("sub") + sep), -2);
  // The POSIX root is a directory; on Windows a lone backslash is stripped to nothing.
  EXPECT_EQ(os::fileSizeOf(sep), os::pathSeparator() == '/' ? -2 : -1);
  EXPECT_TRUE(os::fileExists(dir.file("empty")));
  EXPECT_FALSE(os::fileExists(dir.file("sub")));
}

TEST(FileSizeOf, SizesBeyondFourGigabytes) {
  test::TempDir dir;
  std::string name = dir.file("sparse");
  {
    // A sparse file: takes no disk space.
    std::FILE* f = std::fopen(name.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const long long size = 5LL * 1024 * 1024 * 1024 + 3;
    ASSERT_EQ(fseeko64(f, size - 1, SEEK_SET), 0);
    std::fputc('x', f);
    std::fclose(f);
  }
  EXPECT_EQ(os::fileSizeOf(name), 5LL * 1024 * 1024 * 1024 + 3);
}

TEST(FileSizeOf, WildcardsNameNoFile) {
  test::TempDir dir;
  dir.write("a.txt", "abc");
  EXPECT_EQ(os::fileSizeOf(dir.file("*.txt")), -1);
  EXPECT_EQ(os::fileSizeOf(dir.file("?.txt")), -1);
}

}  // namespace
}  // namespace vantrel
