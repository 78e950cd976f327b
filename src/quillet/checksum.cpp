#include "quillet/checksum.h"

#include "os/files.h"
#include "os/read_only_file.h"

namespace vantrel::quillet {

bool md5OfBlocks(const BlockReader& read, void* buffer, std::size_t blockSize, os::Md5Digest& digest) {
  os::Md5 md5;
  if (!md5.ok()) return false;
  while (true) {
    std::size_t got = 0;
    bool ok = read(buffer, blockSize, got);
    if (!ok) return false;
    md5.update(buffer, got);
    if (got < blockSize) break;
  }
  digest = md5.finish();
  return true;
}

std::string upperHex(const os::Md5Digest& digest) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(2 * digest.size());
  for (std::uint8_t byte : digest) {
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
  }
  return out;
}

std::string fileChecksum(const std::string& path, os::PrivateHeap& heap) {
  if (os::fileSizeOf(path) <= 0) return kNoFileResult;
  os::ReadOnlyFile file;
  if (!file.open(path)) return "";
  void* buffer = heap.take(kReadBlockSize);
  if (buffer == nullptr) return "";
  os::Md5Digest digest{};
  bool ok = md5OfBlocks(
      [&file](void* block, std::size_t size, std::size_t& got) {
        got = file.read(block, size);
        return !file.failed();
      },
      buffer, kReadBlockSize, digest);
  heap.give(buffer);
  file.close();
  return ok ? upperHex(digest) : "";
}

}  // namespace vantrel::quillet
