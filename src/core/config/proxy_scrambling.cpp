#include "core/config/proxy_scrambling.h"

#include "core/crypto/rc4.h"
#include "core/text/base64.h"
#include "os/md5.h"

namespace vantrel {

std::string proxyScrambleKey(const std::string& server) {
  // Without the platform's MD5 the digest stays all zeros: the key keeps its
  // 32 characters, the credentials are merely scrambled with a fixed key.
  os::Md5Digest digest{};
  os::md5Of(server, digest);
  static const char digits[] = "0123456789abcdef";
  std::string key;
  for (std::uint8_t b : digest) {
    key += digits[b >> 4];
    key += digits[b & 0x0F];
  }
  return key;
}

std::string scrambleText(const std::string& text, const std::string& key) {
  return base64Encode(rc4(text, key));
}

std::string unscrambleText(const std::string& text, const std::string& key) {
  return rc4(base64Decode(text), key);
}

}  // namespace vantrel
