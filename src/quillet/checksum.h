// What the checksum library computes: the MD5 of a file's whole content,
// read in blocks of one million bytes through one buffer.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "os/md5.h"
#include "os/private_heap.h"

namespace vantrel::quillet {

constexpr std::size_t kReadBlockSize = 1000000;

// The result for a path that names no file with at least one byte.
inline const std::string kNoFileResult = "FEHLER";

// Reads up to `size` bytes into `buffer` and sets `got`; false when the read
// failed (`got` then counts what arrived before the failure).
using BlockReader = std::function<bool(void* buffer, std::size_t size, std::size_t& got)>;

// Feeds the blocks that `read` delivers into one MD5 computation until a
// block comes back short (the end of the content). False when a read failed
// or MD5 is not available: a digest of part of the content would pass for
// the file's own.
bool md5OfBlocks(const BlockReader& read, void* buffer, std::size_t blockSize, os::Md5Digest& digest);

// The 16 bytes as 32 upper-case hexadecimal digits, high nibble first.
std::string upperHex(const os::Md5Digest& digest);

// The library's answer for `path`: the digest in upper-case hex, "FEHLER"
// when the size probe finds no file with content, "" when the file cannot be
// opened, the read buffer cannot be had from `heap` or the read fails.
std::string fileChecksum(const std::string& path, os::PrivateHeap& heap);

}  // namespace vantrel::quillet
