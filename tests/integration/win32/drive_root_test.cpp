#include <gtest/gtest.h>

#include <windows.h>

#include "os/files.h"

namespace vantrel {
namespace {

TEST(FileSizeOfWin32, DriveRoots) {
  EXPECT_EQ(os::fileSizeOf("C:"), -2);
  EXPECT_EQ(os::fileSizeOf("C:\\"), -2);
  EXPECT_EQ(os::fileSizeOf("c:"), -2);
  // A letter that no drive uses.
  DWORD drives = GetLogicalDrives();
  char unused = 0;
  for (char letter = 'Q'; letter <= 'Y'; ++letter) {
    if ((drives & (1u << (letter - 'A'))) == 0) {
      unused = letter;
      break;
    }
  }
  ASSERT_NE(unused, 0);
  EXPECT_EQ(os::fileSizeOf(std::string(1, unused) + ":"), -1);
  EXPECT_EQ(os::fileSizeOf(std::string(1, unused) + ":\\"), -1);
}

TEST(FileSizeOfWin32, LongPathsAreCutTo260Characters) {
  // The first 260 characters name the system directory; the rest is ignored.
  char system[MAX_PATH];
  UINT n = GetSystemDirectoryA(system, MAX_PATH);
  ASSERT_GT(n, 0u);
  std::string path(system, n);
  path += std::string(260 - path.size(), '\\');
  path += "does-not-exist";
  EXPECT_EQ(os::fileSizeOf(path), -2);
}

}  // namespace
}  // namespace vantrel
