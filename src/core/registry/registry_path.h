// Registry key paths: a root name, a backslash, then the subkey path.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "os/registry.h"

namespace vantrel {

// The root key named before the first backslash (any letter case):
// HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
// HKEY_CURRENT_CONFIG by their platform numbers; 0 for any other name, short
// forms such as HKCU included.
std::uint32_t regRootKey(std::string_view path);

// Everything after the first backslash; the whole path when it has none.
std::string regSubKey(std::string_view path);

// The key a path names on `machine`: its root and its subkey without one
// leading backslash (so "HKEY_CURRENT_USER\\Software" with two backslashes
// addresses Software).
os::RegistryKey registryKeyOf(std::string_view path, const std::string& machine);

}  // namespace vantrel
