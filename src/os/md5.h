// MD5 from the platform's own crypto library (libcrypto on POSIX, CNG on
// Windows), shared by the proxy scrambling key and the checksum library.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace vantrel::os {

using Md5Digest = std::array<std::uint8_t, 16>;

class Md5 {
 public:
  Md5();
  ~Md5();
  Md5(const Md5&) = delete;
  Md5& operator=(const Md5&) = delete;

  // False when the platform could not provide the hash; update and finish
  // then do nothing and the digest is all zeros.
  bool ok() const;
  void update(const void* data, std::size_t size);
  // The digest of everything passed to update; the object is spent afterwards.
  Md5Digest finish();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// One-shot digest of a byte string; false when the hash is not available.
bool md5Of(const std::string& bytes, Md5Digest& digest);

}  // namespace vantrel::os
