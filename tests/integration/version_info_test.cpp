#include <gtest/gtest.h>

#include "core/support/version_info.h"
#include "os/paths.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

// Small PE images made at build time; the same files are read by the
// system's version library under Wine and by our own reader natively.
std::string fixture(const std::string& name) {
  return os::getProgramPath() + "fixtures" + std::string(1, os::pathSeparator()) + name;
}

TEST(ReadFileVersionInfo, FieldsOfTheVersionResource) {
  const std::string file = fixture("versioned.exe");
  struct Case {
    int fields;
    bool names;
    const char* expected;
  } cases[] = {
      {kFieldFileVersion, false, "1.2.3.4"},
      {kFieldFileVersion | kFieldProductName, true, "FileVersion:\t1.2.3.4\nProductName:\tDemoprodukt f\xFCr Tests"},
      {kFieldProductName | kFieldCompanyName | kFieldComments, false, "Demoprodukt f\xFCr Tests\nnur zum Testen"},
      {kFieldCompanyName, false, ""},
      {kFieldCompanyName | kFieldLanguage, true, nullptr},  // the language line alone, checked below
  };
  for (const Case& c : cases) {
    std::string got = readFileVersionInfo(file, c.fields, c.names);
    if (c.expected != nullptr) EXPECT_EQ(got, c.expected) << c.fields;
    else EXPECT_EQ(got.rfind("Language:\t", 0), 0u) << got;
  }
  EXPECT_EQ(readFileVersionInfo(fixture("codepage.exe"), kFieldFileVersion, false), "7.0.1");
}

TEST(ReadFileVersionInfo, FilesWithoutAResource) {
  test::TempDir dir;
  dir.write("empty.exe", "");
  dir.write("garbage.exe", std::string("MZ\x90\0\x03\0\0\0garbage", 16));
  for (const std::string& file : {fixture("unversioned.exe"), dir.file("empty.exe"), dir.file("garbage.exe"),
                                  dir.file("missing.exe"), dir.path()}) {
    EXPECT_EQ(readFileVersionInfo(file, kFieldFileVersion, false), "") << file;
  }
}

TEST(VersionFieldName, SingleBitsOnly) {
  EXPECT_EQ(versionFieldName(1), "FileVersion");
  EXPECT_EQ(versionFieldName(2048), "Comments");
  EXPECT_EQ(versionFieldName(4096), "Language");
  EXPECT_EQ(versionFieldName(3), "");
  EXPECT_EQ(versionFieldName(0), "");
}

}  // namespace
}  // namespace vantrel

#include "core/dialogs/about_box.h"

namespace vantrel {
namespace {

TEST(AboutBox, NamesTheVersionAndTheYears) {
  EXPECT_EQ(aboutText(fixture("versioned.exe"), 2030),
            "Zelmar Update und Vantrel-Programm 1.2.3.4.\r\n\r\nCopyright \xA9 2007-2030 Zelmar. Alle Rechte vorbehalten.");
  EXPECT_EQ(aboutText(fixture("unversioned.exe"), 2026).substr(0, 37), "Zelmar Update und Vantrel-Programm .\r");
}

}  // namespace
}  // namespace vantrel
