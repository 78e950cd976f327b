#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "quillet/checksum.h"

namespace vantrel {
namespace {

std::string digestText(const std::string& bytes) {
  os::Md5Digest digest{};
  EXPECT_TRUE(os::md5Of(bytes, digest));
  return quillet::upperHex(digest);
}

// Serves `content` block by block, like a file; fails the read numbered
// `failAt` (0 = never) after delivering part of a block, and records the
// reads asked for after the content ran out.
struct ScriptedFile {
  std::string content;
  std::size_t failAt = 0;
  std::size_t reads = 0;
  std::size_t readsAfterShortBlock = 0;
  std::size_t offset = 0;
  bool shortBlockSeen = false;

  quillet::BlockReader reader() {
    return [this](void* buffer, std::size_t size, std::size_t& got) {
      ++reads;
      if (shortBlockSeen) ++readsAfterShortBlock;
      got = std::min(size, content.size() - offset);
      if (reads == failAt) got /= 2;
      std::memcpy(buffer, content.data() + offset, got);
      offset += got;
      if (got < size) shortBlockSeen = true;
      return reads != failAt;
    };
  }
};

TEST(BlockDigest, WholeContentWhateverItsLengthAgainstTheBlock) {
  const std::size_t block = 4;
  // Lengths around the block size: the digest is always that of the whole
  // content, and reading stops at the first short block.
  struct Case {
    std::size_t length;
    std::size_t reads;
  } cases[] = {{0, 1}, {1, 1}, {3, 1}, {4, 2}, {5, 2}, {8, 3}, {9, 3}};
  for (const Case& c : cases) {
    ScriptedFile file;
    for (std::size_t i = 0; i < c.length; ++i) file.content += static_cast<char>('a' + i);
    std::vector<char> buffer(block);
    os::Md5Digest digest{};
    ASSERT_TRUE(quillet::md5OfBlocks(file.reader(), buffer.data(), block, digest)) << c.length;
    EXPECT_EQ(quillet::upperHex(digest), digestText(file.content)) << c.length;
    EXPECT_EQ(file.reads, c.reads) << c.length;
    EXPECT_EQ(file.readsAfterShortBlock, 0u) << c.length;
  }
}

TEST(BlockDigest, AFailedReadGivesNoDigestOfAPart) {
  for (std::size_t failAt : {1u, 2u, 3u}) {
    ScriptedFile file;
    file.content = "0123456789AB";
    file.failAt = failAt;
    std::vector<char> buffer(4);
    os::Md5Digest digest{};
    EXPECT_FALSE(quillet::md5OfBlocks(file.reader(), buffer.data(), 4, digest)) << failAt;
  }
}

}  // namespace
}  // namespace vantrel
