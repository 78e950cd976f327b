// There is no registry here: no key opens, so reading finds no value and
// every other operation fails.
#include "os/registry.h"

namespace vantrel::os {

RegistryValue registryQueryValue(const RegistryKey&, const std::string&, bool) { return {}; }
bool registryKeyExists(const RegistryKey&) { return false; }
bool registryCreateKey(const RegistryKey&) { return false; }
bool registrySetData(const RegistryKey&, const std::string&, std::uint32_t, const std::string&) { return false; }
bool registryDeleteValue(const RegistryKey&, const std::string&) { return false; }
bool registryDeleteKey(const RegistryKey&) { return false; }
bool registryEnumKey(const RegistryKey&, std::uint32_t, std::string&) { return false; }
bool registryEnumValue(const RegistryKey&, std::uint32_t, std::string&) { return false; }

}  // namespace vantrel::os
