#include <gtest/gtest.h>

#include <string>

#include "integration/quillet_library.h"
#include "os/paths.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

// Deterministic content that is not periodic in the block size.
std::string pattern(std::size_t length) {
  std::string bytes(length, '\0');
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) % 256);
  return bytes;
}

class QuilletExport : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(quillet.ok()) << test::quilletLibraryPath(); }
  test::LoadedQuillet quillet;
  test::TempDir dir;
};

TEST_F(QuilletExport, Rfc1321TestSuiteInUpperCase) {
  struct Case {
    const char* text;
    const char* digest;
  } cases[] = {
      {"a", "0CC175B9C0F1B6A831C399E269772661"},
      {"abc", "900150983CD24FB0D6963F7D28E17F72"},
      {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
      {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "D174AB98D277D9F5A5611C2C9F419D9F"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57EDF4A22BE3C955AC49DA2E2107B67A"},
  };
  int n = 0;
  for (const Case& c : cases) {
    std::string name = "rfc" + std::to_string(n++) + ".txt";
    dir.write(name, c.text);
    EXPECT_EQ(quillet(dir.file(name)), c.digest) << c.text;
  }
}

TEST_F(QuilletExport, ContentAroundTheReadBlockIsDigestedWhole) {
  // Digests as md5sum gives them for the same bytes.
  struct Case {
    std::size_t length;
    const char* digest;
  } cases[] = {
      {1000000, "AF1BC752B875DC5D090A75E48CDBA75F"},  // one full block, then an empty read
      {2500001, "546EC53BF85D53480D466FED51345420"},  // two full blocks and a part
  };
  for (const Case& c : cases) {
    dir.write("big", pattern(c.length));
    EXPECT_EQ(quillet(dir.file("big")), c.digest) << c.length;
  }
}

TEST_F(QuilletExport, NoFileWithContentGivesFehler) {
  const std::string sep(1, os::pathSeparator());
  dir.write("empty", "");
  dir.makeDir("sub");
  for (const std::string& path : {std::string(), dir.file("empty"), dir.file("missing"), dir.file("sub"),
                                  dir.file("sub") + sep, dir.path()}) {
    EXPECT_EQ(quillet(path), "FEHLER") << path;
  }
  EXPECT_EQ(quillet(static_cast<const char*>(nullptr)), "FEHLER");
}

TEST_F(QuilletExport, EveryCallAnswersForItsOwnPath) {
  dir.write("a", "a");
  dir.write("abc", "abc");
  std::string first = quillet(dir.file("a"));
  EXPECT_EQ(quillet(dir.file("abc")), "900150983CD24FB0D6963F7D28E17F72");
  EXPECT_EQ(quillet(dir.file("missing")), "FEHLER");
  EXPECT_EQ(first, "0CC175B9C0F1B6A831C399E269772661");
  EXPECT_EQ(quillet(dir.file("a")), first);
}

}  // namespace
}  // namespace vantrel
