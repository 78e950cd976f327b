#include "core/registry/registry.h"

namespace vantrel {

bool regValueExists(const std::string& path, const std::string& name, const std::string& machine) {
  return os::registryQueryValue(registryKeyOf(path, machine), name, false).probed;
}

std::string regReadValue(const std::string& path, const std::string& name, const std::string& machine) {
  os::RegistryValue value = os::registryQueryValue(registryKeyOf(path, machine), name, true);
  if (!value.probed) return {};
  switch (value.type) {
    case kRegSz:
    case kRegExpandSz:
      // The data without its last byte, the terminating zero.
      if (!value.fetched || value.data.empty()) return {};
      return value.data.substr(0, value.data.size() - 1);
    case kRegDword:
      return value.fetched ? registryDwordText(value.data) : "0";
    case kRegBinary:
      return value.fetched ? registryBinaryText(value.data) : "";
    default:
      return {};
  }
}

int regValueType(const std::string& path, const std::string& name, const std::string& machine) {
  os::RegistryValue value = os::registryQueryValue(registryKeyOf(path, machine), name, false);
  if (!value.keyOpened) return 0;
  return value.probed ? static_cast<int>(value.type) : -1;
}

bool regKeyExists(const std::string& path, const std::string& machine) {
  return os::registryKeyExists(registryKeyOf(path, machine));
}

bool regCreateKey(const std::string& path, const std::string& machine) {
  return os::registryCreateKey(registryKeyOf(path, machine));
}

bool regWriteValue(const std::string& path, const std::string& name, const std::string& value, int type,
                   const std::string& machine) {
  std::string data;
  switch (type) {
    case kRegSz:
    case kRegExpandSz:
      data = value.c_str();
      data += '\0';  // the terminating zero is part of the stored length
      break;
    case kRegDword:
      data = registryDwordBytes(value);
      break;
    case kRegBinary:
      data = registryBinaryBytes(value);
      break;
    default:
      return false;  // no other type is written
  }
  return os::registrySetData(registryKeyOf(path, machine), name, static_cast<std::uint32_t>(type), data);
}

bool regSetValue(const std::string& path, const std::string& name, const std::string& value, int type,
                 const std::string& machine) {
  regCreateKey(path, machine);
  return regWriteValue(path, name, value, type, machine);
}

bool regDeleteValue(const std::string& path, const std::string& name, const std::string& machine) {
  return os::registryDeleteValue(registryKeyOf(path, machine), name);
}

bool regDeleteKey(const std::string& path, const std::string& machine) {
  os::RegistryKey key = registryKeyOf(path, machine);
  if (key.subKey.empty()) return false;
  return os::registryDeleteKey(key);
}

int regDeleteKeyTree(const std::string& path, const std::string& machine) {
  if (registryKeyOf(path, machine).subKey.empty()) return 0;
  // Deletes the first subkey until none is left, or until the same one comes
  // back because it could not be deleted.
  std::string previous;
  while (true) {
    std::string name = regEnumKey(path, 0, machine);
    if (!name.empty()) regDeleteKeyTree(path + "\\" + name, machine);
    if (name == previous) break;
    previous = name;
  }
  regDeleteKey(path, machine);
  return 0;
}

bool regRemoveKey(const std::string& path, const std::string& machine) {
  bool existed = regKeyExists(path, machine);
  regDeleteKeyTree(path, machine);
  return existed;
}

std::string regEnumKey(const std::string& path, int index, const std::string& machine) {
  std::string name;
  if (index < 0 || !os::registryEnumKey(registryKeyOf(path, machine), static_cast<std::uint32_t>(index), name))
    return {};
  return name;
}

std::string regEnumValue(const std::string& path, int index, const std::string& machine) {
  std::string name;
  if (index < 0 || !os::registryEnumValue(registryKeyOf(path, machine), static_cast<std::uint32_t>(index), name))
    return {};
  return name;
}

}  // namespace vantrel
