#include "os/registry.h"

#include <windows.h>

namespace vantrel::os {

namespace {

// The key the subkey is opened from: the root itself on the local machine,
// else the root of the other machine's registry (the empty name included,
// which RegConnectRegistryA takes as this machine).
class Base {
 public:
  explicit Base(const RegistryKey& key) {
    if (key.root == 0) return;
    HKEY root = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key.root));
    if (key.machine == ".") {
      handle_ = root;
    } else if (RegConnectRegistryA(key.machine.c_str(), root, &handle_) == ERROR_SUCCESS) {
      connected_ = true;
    } else {
      handle_ = nullptr;
    }
  }
  ~Base() {
    if (connected_) RegCloseKey(handle_);
  }
  Base(const Base&) = delete;
  Base& operator=(const Base&) = delete;

  HKEY handle() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
  bool connected_ = false;
};

// A key opened for reading (RegOpenKeyA) or for all access (RegOpenKeyExA).
class OpenKey {
 public:
  OpenKey(const RegistryKey& key, bool allAccess) : base_(key) {
    if (base_.handle() == nullptr) return;
    LONG result = allAccess ? RegOpenKeyExA(base_.handle(), key.subKey.c_str(), 0, KEY_ALL_ACCESS, &handle_)
                            : RegOpenKeyA(base_.handle(), key.subKey.c_str(), &handle_);
    if (result != ERROR_SUCCESS) handle_ = nullptr;
  }
  ~OpenKey() {
    if (handle_ != nullptr) RegCloseKey(handle_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  HKEY handle() const { return handle_; }

 private:
  Base base_;
  HKEY handle_ = nullptr;
};

}  // namespace

RegistryValue registryQueryValue(const RegistryKey& key, const std::string& name, bool fetch) {
  RegistryValue value;
  OpenKey open(key, false);
  if (open.handle() == nullptr) return value;
  value.keyOpened = true;

  BYTE probe[255];
  DWORD type = 0;
  DWORD size = sizeof probe;
  if (RegQueryValueExA(open.handle(), name.c_str(), nullptr, &type, probe, &size) != ERROR_SUCCESS) return value;
  value.probed = true;
  value.type = type;
  if (!fetch) return value;

  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
      BYTE data[255];
      DWORD length = size;
      if (RegQueryValueExA(open.handle(), name.c_str(), nullptr, nullptr, data, &length) == ERROR_SUCCESS) {
        value.fetched = true;
        value.data.assign(reinterpret_cast<const char*>(data), length);
      }
      break;
    }
    case REG_DWORD: {
      DWORD number = 0;
      DWORD length = sizeof number;
      if (RegQueryValueExA(open.handle(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&number),
                           &length) == ERROR_SUCCESS) {
        value.fetched = true;
        value.data.assign(reinterpret_cast<const char*>(&number), sizeof number);
      }
      break;
    }
    case REG_BINARY: {
      BYTE block[1024];
      DWORD length = sizeof block;
      if (RegQueryValueExA(open.handle(), name.c_str(), nullptr, nullptr, block, &length) == ERROR_SUCCESS) {
        value.fetched = true;
        value.data.assign(reinterpret_cast<const char*>(block), length);
      }
      break;
    }
    default:
      break;
  }
  return value;
}

bool registryKeyExists(const RegistryKey& key) { return OpenKey(key, false).handle() != nullptr; }

bool registryCreateKey(const RegistryKey& key) {
  Base base(key);
  if (base.handle() == nullptr) return false;
  HKEY created = nullptr;
  if (RegCreateKeyExA(base.handle(), key.subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &created, nullptr) != ERROR_SUCCESS)
    return false;
  RegCloseKey(created);
  return true;
}

bool registrySetData(const RegistryKey& key, const std::string& name, std::uint32_t type, const std::string& data) {
  OpenKey open(key, true);
  if (open.handle() == nullptr) return false;
  return RegSetValueExA(open.handle(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool registryDeleteValue(const RegistryKey& key, const std::string& name) {
  OpenKey open(key, true);
  if (open.handle() == nullptr) return false;
  return RegDeleteValueA(open.handle(), name.c_str()) == ERROR_SUCCESS;
}

bool registryDeleteKey(const RegistryKey& key) {
  Base base(key);
  if (base.handle() == nullptr) return false;
  return RegDeleteKeyA(base.handle(), key.subKey.c_str()) == ERROR_SUCCESS;
}

bool registryEnumKey(const RegistryKey& key, std::uint32_t index, std::string& name) {
  OpenKey open(key, false);
  if (open.handle() == nullptr) return false;
  char buffer[255];
  DWORD length = sizeof buffer;
  if (RegEnumKeyExA(open.handle(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  name.assign(buffer, length);
  return true;
}

bool registryEnumValue(const RegistryKey& key, std::uint32_t index, std::string& name) {
  OpenKey open(key, false);
  if (open.handle() == nullptr) return false;
  char buffer[255];
  DWORD length = sizeof buffer;
  if (RegEnumValueA(open.handle(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  name.assign(buffer, length);
  return true;
}

}  // namespace vantrel::os
