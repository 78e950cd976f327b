#include <gtest/gtest.h>

#include <cstdio>

#include "os/md5.h"

namespace vantrel {
namespace {

std::string hex(const os::Md5Digest& d) {
  std::string out;
  char two[3];
  for (auto b : d) {
    std::snprintf(two, sizeof two, "%02x", b);
    out += two;
  }
  return out;
}

// The test suite of RFC 1321.
TEST(Md5, Rfc1321TestSuite) {
  struct Case {
    const char* text;
    const char* digest;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const Case& c : cases) {
    os::Md5Digest digest{};
    ASSERT_TRUE(os::md5Of(c.text, digest));
    EXPECT_EQ(hex(digest), c.digest) << c.text;
  }
}

TEST(Md5, PiecewiseUpdatesGiveTheWholeDigest) {
  os::Md5 md5;
  ASSERT_TRUE(md5.ok());
  const std::string text = "message digest";
  for (char c : text) md5.update(&c, 1);
  md5.update(nullptr, 0);
  EXPECT_EQ(hex(md5.finish()), "f96b697d7cb7938d525a2f31aaf161d0");
}

}  // namespace
}  // namespace vantrel
