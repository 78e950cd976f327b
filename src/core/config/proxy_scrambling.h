// The stored form of the proxy user name and password: RC4 with a key derived
// from the proxy server text, then Base64. The key is never stored.
#pragma once

#include <string>

namespace vantrel {

// The lower-case hexadecimal MD5 digest of the server text: 32 characters.
std::string proxyScrambleKey(const std::string& server);

// The stored form of a plain value: Base64 of RC4(text, key).
std::string scrambleText(const std::string& text, const std::string& key);

// The plain value of a stored form. Text that is not Base64, or that was
// scrambled with another key, gives meaningless bytes; nothing detects it.
std::string unscrambleText(const std::string& text, const std::string& key);

}  // namespace vantrel
