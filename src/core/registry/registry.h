// Registry access by key path ("HKEY_LOCAL_MACHINE\SOFTWARE\..."), on the local
// registry (machine ".") or another computer's. Values are exchanged as text
// whatever their type (see registry_text.h). Each operation opens what it
// needs, does one thing and closes again; none says why it failed. Where
// there is no registry, no key exists and every operation fails.
#pragma once

#include <string>

#include "core/registry/registry_path.h"
#include "core/registry/registry_text.h"

namespace vantrel {

// True when the value can be read: it exists with at most 255 bytes of data.
bool regValueExists(const std::string& path, const std::string& name, const std::string& machine);
// The value as text: a string without its terminating zero (no expansion), a
// DWORD in signed decimal, binary data as hexadecimal pairs; "" when the key
// or value is missing, longer than 255 bytes or of another type.
std::string regReadValue(const std::string& path, const std::string& name, const std::string& machine);
// The value's type number; -1 when the value cannot be read; 0 when the key
// cannot be opened.
int regValueType(const std::string& path, const std::string& name, const std::string& machine);
bool regKeyExists(const std::string& path, const std::string& machine);

// Creates the key and every missing key above it.
bool regCreateKey(const std::string& path, const std::string& machine);
// Writes `value` as a value of `type` (1, 2, 3 or 4) into an existing key.
bool regWriteValue(const std::string& path, const std::string& name, const std::string& value, int type,
                   const std::string& machine);
// regCreateKey, then regWriteValue.
bool regSetValue(const std::string& path, const std::string& name, const std::string& value, int type,
                 const std::string& machine);
bool regDeleteValue(const std::string& path, const std::string& name, const std::string& machine);
// Deletes a key that has no subkeys. A path with an empty subkey (a root key
// itself) is refused.
bool regDeleteKey(const std::string& path, const std::string& machine);
// Deletes the key with all its subkeys; always 0. A path with an empty subkey
// is refused, so that a stray backslash cannot empty a whole root key.
int regDeleteKeyTree(const std::string& path, const std::string& machine);
// regDeleteKeyTree; true when the key existed before.
bool regRemoveKey(const std::string& path, const std::string& machine);

// The name of subkey (value) number `index` from 0; "" when there is none.
std::string regEnumKey(const std::string& path, int index, const std::string& machine);
std::string regEnumValue(const std::string& path, int index, const std::string& machine);

}  // namespace vantrel
