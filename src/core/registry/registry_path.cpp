#include "core/registry/registry_path.h"

#include "core/text/text.h"

namespace vantrel {

std::uint32_t regRootKey(std::string_view path) {
  static const struct {
    const char* name;
    std::uint32_t key;
  } roots[] = {
      {"HKEY_CLASSES_ROOT", 0x80000000u}, {"HKEY_CURRENT_USER", 0x80000001u},   {"HKEY_LOCAL_MACHINE", 0x80000002u},
      {"HKEY_USERS", 0x80000003u},        {"HKEY_CURRENT_CONFIG", 0x80000005u},
  };
  std::string_view name = path.substr(0, path.find('\\'));
  for (const auto& root : roots) {
    if (equalsIgnoreCaseAnsi(name, root.name)) return root.key;
  }
  return 0;
}

std::string regSubKey(std::string_view path) {
  std::size_t slash = path.find('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

os::RegistryKey registryKeyOf(std::string_view path, const std::string& machine) {
  os::RegistryKey key;
  key.root = regRootKey(path);
  key.subKey = regSubKey(path);
  if (!key.subKey.empty() && key.subKey.front() == '\\') key.subKey.erase(0, 1);
  key.machine = machine;
  return key;
}

}  // namespace vantrel
