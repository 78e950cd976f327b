#include <gtest/gtest.h>

#include <windows.h>

#include "core/support/version_info.h"
#include "os/paths.h"

namespace vantrel {
namespace {

// The icon groups that shortcuts of a product installation point at.
TEST(VantrelResources, IconGroupsOneAnd9000To9022) {
  for (const char* exe : {"Vantrel.exe", "vantrelAdmin.exe"}) {
    std::string path = os::getProgramPath() + exe;
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << path;
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr) << exe;
    for (int id = 9000; id <= 9022; ++id)
      EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14)), nullptr) << exe << " " << id;
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(9023), MAKEINTRESOURCEA(14)), nullptr) << exe;
    HICON icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr) << exe;
    if (icon != nullptr) DestroyIcon(icon);
    FreeLibrary(module);
  }
}

TEST(VantrelResources, CarriesItsVersion) {
  EXPECT_EQ(readFileVersionInfo(os::getProgramPath() + "Vantrel.exe", kFieldFileVersion | kFieldProductName, true),
            "FileVersion:\t1.0.0\nProductName:\tVantrel");
}

}  // namespace
}  // namespace vantrel
