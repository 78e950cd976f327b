#include "os/md5.h"

#include <windows.h>
#include <bcrypt.h>

namespace vantrel::os {

struct Md5::State {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  BCRYPT_HASH_HANDLE hash = nullptr;
};

Md5::Md5() : state_(std::make_unique<State>()) {
  if (BCryptOpenAlgorithmProvider(&state_->algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0) != 0) {
    state_->algorithm = nullptr;
    return;
  }
  if (BCryptCreateHash(state_->algorithm, &state_->hash, nullptr, 0, nullptr, 0, 0) != 0) state_->hash = nullptr;
}

Md5::~Md5() {
  if (state_->hash != nullptr) BCryptDestroyHash(state_->hash);
  if (state_->algorithm != nullptr) BCryptCloseAlgorithmProvider(state_->algorithm, 0);
}

bool Md5::ok() const { return state_->hash != nullptr; }

void Md5::update(const void* data, std::size_t size) {
  auto* bytes = static_cast<PUCHAR>(const_cast<void*>(data));
  while (state_->hash != nullptr && size > 0) {
    ULONG chunk = size > 0x40000000 ? 0x40000000 : static_cast<ULONG>(size);
    BCryptHashData(state_->hash, bytes, chunk, 0);
    bytes += chunk;
    size -= chunk;
  }
}

Md5Digest Md5::finish() {
  Md5Digest digest{};
  if (state_->hash == nullptr) return digest;
  BCryptFinishHash(state_->hash, digest.data(), static_cast<ULONG>(digest.size()), 0);
  BCryptDestroyHash(state_->hash);
  state_->hash = nullptr;
  return digest;
}

bool md5Of(const std::string& bytes, Md5Digest& digest) {
  Md5 md5;
  if (!md5.ok()) return false;
  md5.update(bytes.data(), bytes.size());
  digest = md5.finish();
  return true;
}

}  // namespace vantrel::os
