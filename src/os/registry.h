// The platform's registry, one call per operation, on a key given by its root
// key, subkey and machine. The key-path texts, the text forms of the values
// and the library built on these calls are in core/registry/registry.h.
// Where there is no registry (POSIX), every call fails: no key opens.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel::os {

struct RegistryKey {
  std::uint32_t root = 0;  // HKEY_CLASSES_ROOT 0x80000000 ... HKEY_CURRENT_CONFIG 0x80000005; 0: none
  std::string subKey;      // below the root; "" is the root key itself
  std::string machine;     // "." for the local registry, else handed to RegConnectRegistryA
};

// One value read the way the library reads: a probe with 255 bytes of room
// (a value with more data fails it), then, when `fetch` is set and the type
// is one the library reads, a second query by type: a string into the size
// the probe reported, a DWORD into 4 bytes, binary data into 1,024 bytes.
struct RegistryValue {
  bool keyOpened = false;
  bool probed = false;  // the probe succeeded
  std::uint32_t type = 0;
  bool fetched = false;  // the second query succeeded
  std::string data;      // its bytes as the registry holds them (a string with its terminating zero)
};
RegistryValue registryQueryValue(const RegistryKey& key, const std::string& name, bool fetch);

bool registryKeyExists(const RegistryKey& key);
// Creates the key and the missing keys above it.
bool registryCreateKey(const RegistryKey& key);
// Writes `data` as a value of `type` into the existing key.
bool registrySetData(const RegistryKey& key, const std::string& name, std::uint32_t type, const std::string& data);
bool registryDeleteValue(const RegistryKey& key, const std::string& name);
// Fails for a key that still has subkeys.
bool registryDeleteKey(const RegistryKey& key);
// The name of subkey or value number `index` (from 0), with 255 characters of room.
bool registryEnumKey(const RegistryKey& key, std::uint32_t index, std::string& name);
bool registryEnumValue(const RegistryKey& key, std::uint32_t index, std::string& name);

}  // namespace vantrel::os
