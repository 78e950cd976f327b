#include "os/md5.h"

#include <openssl/evp.h>

namespace vantrel::os {

struct Md5::State {
  EVP_MD_CTX* context = nullptr;
};

Md5::Md5() : state_(std::make_unique<State>()) {
  state_->context = EVP_MD_CTX_new();
  if (state_->context != nullptr && EVP_DigestInit_ex(state_->context, EVP_md5(), nullptr) != 1) {
    EVP_MD_CTX_free(state_->context);
    state_->context = nullptr;
  }
}

Md5::~Md5() {
  if (state_->context != nullptr) EVP_MD_CTX_free(state_->context);
}

bool Md5::ok() const { return state_->context != nullptr; }

void Md5::update(const void* data, std::size_t size) {
  if (state_->context != nullptr && size > 0) EVP_DigestUpdate(state_->context, data, size);
}

Md5Digest Md5::finish() {
  Md5Digest digest{};
  if (state_->context == nullptr) return digest;
  unsigned int length = 0;
  EVP_DigestFinal_ex(state_->context, digest.data(), &length);
  EVP_MD_CTX_free(state_->context);
  state_->context = nullptr;
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
