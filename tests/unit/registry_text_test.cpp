#include <gtest/gtest.h>

#include "core/registry/registry.h"

namespace vantrel {
namespace {

TEST(RegistryPath, RootNamesAndSubkeys) {
  struct Case {
    const char* path;
    std::uint32_t root;
    const char* subKey;
    const char* keySubKey;  // as an operation addresses it
  } cases[] = {
      {"HKEY_LOCAL_MACHINE\\SOFTWARE\\x", 0x80000002u, "SOFTWARE\\x", "SOFTWARE\\x"},
      {"hkey_local_machine\\SOFTWARE\\x", 0x80000002u, "SOFTWARE\\x", "SOFTWARE\\x"},
      {"HKEY_CLASSES_ROOT\\.txt", 0x80000000u, ".txt", ".txt"},
      {"HKEY_CURRENT_USER\\\\Software", 0x80000001u, "\\Software", "Software"},
      {"HKEY_CURRENT_USER\\\\\\Software", 0x80000001u, "\\\\Software", "\\Software"},  // one backslash only
      {"HKEY_USERS\\.DEFAULT", 0x80000003u, ".DEFAULT", ".DEFAULT"},
      {"Hkey_Current_Config\\System", 0x80000005u, "System", "System"},
      {"HKLM\\SOFTWARE\\x", 0, "SOFTWARE\\x", "SOFTWARE\\x"},
      {"HKEY_DYN_DATA\\x", 0, "x", "x"},
      {"HKEY_CURRENT_USER", 0x80000001u, "HKEY_CURRENT_USER", "HKEY_CURRENT_USER"},  // no backslash
      {"HKEY_CURRENT_USER\\", 0x80000001u, "", ""},
      {"", 0, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(regRootKey(c.path), c.root) << c.path;
    EXPECT_EQ(regSubKey(c.path), c.subKey) << c.path;
    os::RegistryKey key = registryKeyOf(c.path, ".");
    EXPECT_EQ(key.root, c.root) << c.path;
    EXPECT_EQ(key.subKey, c.keySubKey) << c.path;
    EXPECT_EQ(key.machine, ".");
  }
}

TEST(RegistryText, HexToNumber) {
  struct Case {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"", 0},          {"0", 0},           {"9", 9},          {"A", 10},         {"f", 15},
      {"FF", 255},      {"ff", 255},        {"0aFf", 0xAFF},   {"7FFFFFFF", 0x7FFFFFFF},
      {"FFFFFFFF", -1}, {"100000000", 0},   // 32 bits, wrapping
      {"G", 16},        {"g", 48},          {" ", -23},        // other characters: code minus 55
      {"1G", 32},
  };
  for (const Case& c : cases) EXPECT_EQ(hexToNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(RegistryText, ValueForms) {
  EXPECT_EQ(registryBinaryText(std::string("\x00\x0A\xFF", 3)), "000AFF");
  EXPECT_EQ(registryBinaryText(""), "");
  EXPECT_EQ(registryBinaryBytes("000AFF"), std::string("\x00\x0A\xFF", 3));
  EXPECT_EQ(registryBinaryBytes("000aff7"), std::string("\x00\x0A\xFF", 3));  // a last odd character is ignored
  EXPECT_EQ(registryBinaryBytes("1G"), std::string(1, '\x20'));
  EXPECT_EQ(registryBinaryText(registryBinaryBytes("00FF10")), "00FF10");

  EXPECT_EQ(registryDwordText(std::string("\xFF\xFF\xFF\xFF", 4)), "-1");
  EXPECT_EQ(registryDwordText(std::string("\x2A\x00\x00\x00", 4)), "42");
  EXPECT_EQ(registryDwordText(std::string("\x00\x00\x00\x80", 4)), "-2147483648");
  EXPECT_EQ(registryDwordBytes("12abc"), std::string("\x0C\x00\x00\x00", 4));
  EXPECT_EQ(registryDwordBytes("4294967295"), std::string("\xFF\xFF\xFF\xFF", 4));
  EXPECT_EQ(registryDwordBytes("-2"), std::string("\xFE\xFF\xFF\xFF", 4));
  EXPECT_EQ(registryDwordBytes("$10"), std::string("\x10\x00\x00\x00", 4));
  EXPECT_EQ(registryDwordBytes("x"), std::string(4, '\0'));
}

}  // namespace
}  // namespace vantrel
