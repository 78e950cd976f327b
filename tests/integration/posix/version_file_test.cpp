#include <gtest/gtest.h>

#include "core/support/version_info.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

// A Linux product names a plain version file: its first line is the version.
TEST(PlainVersionFile, TheFirstLineIsTheFileVersion) {
  test::TempDir dir;
  struct Case {
    const char* content;
    const char* version;
  } cases[] = {
      {"1.2.3\n", "1.2.3"}, {"1.2.3\r\nrest", "1.2.3"}, {"10", "10"},
      {"1.2.x\n", ""},      {"v1.2\n", ""},             {"1..2\n", ""}, {"\n1.2\n", ""},
  };
  for (const Case& c : cases) {
    dir.write("version.txt", c.content);
    EXPECT_EQ(readFileVersionInfo(dir.file("version.txt"), kFieldFileVersion, false), c.version) << c.content;
  }
  dir.write("version.txt", "4.5.6\n");
  EXPECT_EQ(readFileVersionInfo(dir.file("version.txt"), kFieldProductName, false), "");
}

}  // namespace
}  // namespace vantrel
