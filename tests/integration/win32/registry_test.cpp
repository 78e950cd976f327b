#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "core/registry/registry.h"

namespace vantrel {
namespace {

// A scratch key under HKEY_CURRENT_USER, removed afterwards.
class Registry : public ::testing::Test {
 protected:
  Registry()
      : key("HKEY_CURRENT_USER\\Software\\VantrelTests\\k" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(GetTickCount())) {}
  ~Registry() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, key.substr(std::string("HKEY_CURRENT_USER\\").size()).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VantrelTests");  // only once it is empty
  }

  const std::string key;
};

TEST_F(Registry, WritesAndReadsEachType) {
  EXPECT_FALSE(regKeyExists(key, "."));
  EXPECT_FALSE(regWriteValue(key, "s", "abc", kRegSz, "."));  // the key must exist for a write
  ASSERT_TRUE(regCreateKey(key + "\\nested\\deeper", "."));
  EXPECT_TRUE(regKeyExists(key, "."));

  struct Case {
    const char* name;
    const char* written;
    int type;
    const char* read;
  } cases[] = {
      {"sz", "abc", kRegSz, "abc"},
      {"expand", "%TEMP%\\x", kRegExpandSz, "%TEMP%\\x"},  // not expanded
      {"empty", "", kRegSz, ""},
      {"dword", "4294967295", kRegDword, "-1"},
      {"dword2", "12abc", kRegDword, "12"},
      {"binary", "000AFF", kRegBinary, "000AFF"},
      {"binary2", "0aff1", kRegBinary, "0AFF"},
      {"", "default value", kRegSz, "default value"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(regWriteValue(key, c.name, c.written, c.type, ".")) << c.name;
    EXPECT_TRUE(regValueExists(key, c.name, ".")) << c.name;
    EXPECT_EQ(regValueType(key, c.name, "."), c.type) << c.name;
    EXPECT_EQ(regReadValue(key, c.name, "."), c.read) << c.name;
  }
  EXPECT_FALSE(regWriteValue(key, "multi", "a", 7, "."));

  // What the platform stored.
  HKEY h = nullptr;
  ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, key.substr(18).c_str(), &h), ERROR_SUCCESS);
  BYTE data[16];
  DWORD type = 0;
  DWORD size = sizeof data;
  ASSERT_EQ(RegQueryValueExA(h, "binary", nullptr, &type, data, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), std::string("\x00\x0A\xFF", 3));
  size = sizeof data;
  ASSERT_EQ(RegQueryValueExA(h, "dword2", nullptr, &type, data, &size), ERROR_SUCCESS);
  EXPECT_EQ(*reinterpret_cast<DWORD*>(data), 12u);
  size = sizeof data;
  ASSERT_EQ(RegQueryValueExA(h, "sz", nullptr, &type, data, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 4u);  // with the terminating zero

  // Types the library does not read, and data beyond 255 bytes.
  RegSetValueExA(h, "multi", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>("a\0b\0"), 5);
  const std::string long300(300, 'x');
  RegSetValueExA(h, "long", 0, REG_SZ, reinterpret_cast<const BYTE*>(long300.c_str()), 301);
  const std::string fits(254, 'y');
  RegSetValueExA(h, "fits", 0, REG_SZ, reinterpret_cast<const BYTE*>(fits.c_str()), 255);
  RegCloseKey(h);
  EXPECT_TRUE(regValueExists(key, "multi", "."));
  EXPECT_EQ(regValueType(key, "multi", "."), REG_MULTI_SZ);
  EXPECT_EQ(regReadValue(key, "multi", "."), "");
  EXPECT_FALSE(regValueExists(key, "long", "."));
  EXPECT_EQ(regReadValue(key, "long", "."), "");
  EXPECT_EQ(regValueType(key, "long", "."), -1);
  EXPECT_EQ(regReadValue(key, "fits", "."), fits);

  EXPECT_FALSE(regValueExists(key, "missing", "."));
  EXPECT_EQ(regValueType(key, "missing", "."), -1);
  EXPECT_EQ(regValueType(key + "\\nokey", "missing", "."), 0);
  EXPECT_EQ(regReadValue(key + "\\nokey", "sz", "."), "");

  EXPECT_TRUE(regDeleteValue(key, "sz", "."));
  EXPECT_FALSE(regValueExists(key, "sz", "."));
  EXPECT_FALSE(regDeleteValue(key, "sz", "."));
  EXPECT_FALSE(regDeleteValue(key + "\\nokey", "sz", "."));
}

TEST_F(Registry, PathFormsAddressTheSameKey) {
  ASSERT_TRUE(regSetValue(key, "v", "abc", kRegSz, "."));  // creates the key first
  std::string lower = key;
  for (std::size_t i = 0; i < 17; ++i) lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(lower[i])));
  EXPECT_EQ(regReadValue(lower, "v", "."), "abc");
  EXPECT_EQ(regReadValue("HKEY_CURRENT_USER\\\\" + key.substr(18), "v", "."), "abc");
  EXPECT_EQ(regReadValue("HKCU\\" + key.substr(18), "v", "."), "");
  EXPECT_FALSE(regKeyExists("HKCU\\Software", "."));
  EXPECT_FALSE(regCreateKey("HKCU\\Software\\VantrelTests\\x", "."));
  EXPECT_TRUE(regKeyExists("HKEY_LOCAL_MACHINE\\SOFTWARE", "."));
}

TEST_F(Registry, EnumeratesAndDeletesTrees) {
  ASSERT_TRUE(regCreateKey(key + "\\a\\a1\\a11", "."));
  ASSERT_TRUE(regCreateKey(key + "\\a\\a2", "."));
  ASSERT_TRUE(regSetValue(key + "\\b", "v1", "1", kRegDword, "."));
  ASSERT_TRUE(regSetValue(key + "\\b", "v2", "2", kRegSz, "."));

  std::set<std::string> keys;
  for (int i = 0; !regEnumKey(key, i, ".").empty(); ++i) keys.insert(regEnumKey(key, i, "."));
  EXPECT_EQ(keys, (std::set<std::string>{"a", "b"}));
  EXPECT_EQ(regEnumKey(key, 2, "."), "");
  std::set<std::string> values{regEnumValue(key + "\\b", 0, "."), regEnumValue(key + "\\b", 1, ".")};
  EXPECT_EQ(values, (std::set<std::string>{"v1", "v2"}));
  EXPECT_EQ(regEnumValue(key + "\\b", 2, "."), "");
  EXPECT_EQ(regEnumKey(key + "\\nokey", 0, "."), "");

  // A key with subkeys is refused by the plain delete and taken whole by the tree delete.
  EXPECT_FALSE(regDeleteKey(key + "\\a", "."));
  EXPECT_TRUE(regKeyExists(key + "\\a\\a1\\a11", "."));
  EXPECT_EQ(regDeleteKeyTree(key + "\\a", "."), 0);
  EXPECT_FALSE(regKeyExists(key + "\\a", "."));
  EXPECT_TRUE(regKeyExists(key + "\\b", "."));
  EXPECT_TRUE(regDeleteKey(key + "\\b", "."));  // values do not stop it

  EXPECT_TRUE(regRemoveKey(key, "."));
  EXPECT_FALSE(regKeyExists(key, "."));
  EXPECT_FALSE(regRemoveKey(key, "."));
  EXPECT_TRUE(regKeyExists("HKEY_CURRENT_USER\\Software", "."));
}

TEST_F(Registry, AnEmptySubkeyIsNeverDeleted) {
  ASSERT_TRUE(regCreateKey(key, "."));
  EXPECT_FALSE(regDeleteKey("HKEY_CURRENT_USER\\", "."));
  EXPECT_EQ(regDeleteKeyTree("HKEY_CURRENT_USER\\", "."), 0);
  regRemoveKey("HKEY_CURRENT_USER\\\\", ".");
  EXPECT_TRUE(regKeyExists(key, "."));
}

TEST_F(Registry, TheEmptyMachineNameConnectsToThisMachine) {
  ASSERT_TRUE(regSetValue(key, "v", "abc", kRegSz, "."));
  EXPECT_EQ(regReadValue(key, "v", ""), "abc");
}

}  // namespace
}  // namespace vantrel
