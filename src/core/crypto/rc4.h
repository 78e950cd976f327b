// The RC4 stream cipher: the key schedule over the key's bytes, then the
// data XORed with the keystream from its first byte on.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// Encrypts or decrypts (the same operation) `data` with `key`. An empty key
// counts as a key of one zero byte.
std::string rc4(std::string_view data, std::string_view key);

}  // namespace vantrel
