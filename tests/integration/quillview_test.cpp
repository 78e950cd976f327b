#include <gtest/gtest.h>

#include "integration/quillet_library.h"
#include "os/paths.h"
#include "quillview/quillview.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

const char kAbc[] = "900150983CD24FB0D6963F7D28E17F72";
const std::string kClipboardSentence = "Die Daten befinden sich f\xFCr die weitere Verwendung in der Zwischenablage.";

std::string informationText(const std::string& path, const std::string& checksum) {
  return "Datei:\n\n" + path + "\n\nmd5-Wert:\n\n" + checksum + "\n\n" + kClipboardSentence;
}

std::string errorText(const std::string& path) {
  return "Datei: '" + path + "' ist keine g\xFCltige Datei! MD5-Summe konnte nicht berechnet werden.";
}

class Quillview : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("a b.txt", "abc");
    dir.write("empty", "");
  }
  // The real library: by a name that finds nothing, then by its path.
  QuilletPlaces places{"no-such-library-here", test::quilletLibraryPath()};
  test::TempDir dir;
  test::ScriptedUi ui;
};

TEST_F(Quillview, APathParameterGetsItsChecksumShownAndCopied) {
  const std::string path = dir.file("a b.txt");
  quillviewMain(ui, places, {path, "ignored"});
  EXPECT_TRUE(ui.fileDialogs.empty());
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].title, "Information");
  EXPECT_EQ(ui.boxes[0].text, informationText(path, kAbc));
  EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Information);
  EXPECT_EQ(ui.boxes[0].buttons, MessageButtons::Ok);
  ASSERT_EQ(ui.clipboard.size(), 1u);
  EXPECT_EQ(ui.clipboard[0], "\"" + path + "\"     md5:" + kAbc);
}

TEST_F(Quillview, WithoutAPathTheDialogAsks) {
  struct Case {
    const char* name;
    std::string chosen;  // "" cancels
    bool checksum;
  } cases[] = {
      {"chosen file", dir.file("a b.txt"), true},
      {"cancelled", "", false},
      {"typed name of no file", dir.file("not there.txt"), false},
  };
  for (const Case& c : cases) {
    test::ScriptedUi ui;
    if (!c.chosen.empty()) ui.fileNames.push_back(c.chosen);
    quillviewMain(ui, places, {});
    ASSERT_EQ(ui.fileDialogs, std::vector<std::string>{"Datei f\xFCr md5-Berechnung angeben"}) << c.name;
    ASSERT_EQ(ui.boxes.size(), 1u) << c.name;
    if (c.checksum) {
      EXPECT_EQ(ui.boxes[0].text, informationText(c.chosen, kAbc)) << c.name;
      EXPECT_EQ(ui.clipboard.size(), 1u) << c.name;
    } else {
      EXPECT_EQ(ui.boxes[0].title, "Fehler") << c.name;
      EXPECT_EQ(ui.boxes[0].text, errorText(c.chosen)) << c.name;
      EXPECT_EQ(ui.boxes[0].icon, MessageIcon::None) << c.name;
      EXPECT_TRUE(ui.clipboard.empty()) << c.name;
    }
  }
  // An empty first parameter is no path either.
  test::ScriptedUi ui;
  quillviewMain(ui, places, {""});
  EXPECT_EQ(ui.fileDialogs.size(), 1u);
}

TEST_F(Quillview, NoFileWithContentGivesTheErrorBoxAndLeavesTheClipboard) {
  for (const std::string& path : {dir.file("empty"), dir.file("missing"), dir.path()}) {
    test::ScriptedUi ui;
    quillviewMain(ui, places, {path});
    ASSERT_EQ(ui.boxes.size(), 1u) << path;
    EXPECT_EQ(ui.boxes[0].title, "Fehler");
    EXPECT_EQ(ui.boxes[0].text, errorText(path));
    EXPECT_TRUE(ui.clipboard.empty()) << path;
  }
}

TEST_F(Quillview, TheLibraryIsLookedForByNameFirstThenAtTheFixedPath) {
  const std::string path = dir.file("a b.txt");
  const std::string real = test::quilletLibraryPath();
  const std::string withoutExport = os::getProgramPath() + "without_export" + os::pathSeparator() +
                                    test::quilletLibraryName();
  struct Case {
    const char* name;
    QuilletPlaces places;
    std::string checksum;
  } cases[] = {
      {"by name", {real, withoutExport}, kAbc},
      {"by name, without the export", {withoutExport, real}, ""},
      {"at the fixed path", {"no-such-library-here", real}, kAbc},
  };
  for (const Case& c : cases) {
    test::ScriptedUi ui;
    quillviewMain(ui, c.places, {path});
    ASSERT_EQ(ui.boxes.size(), 1u) << c.name;
    EXPECT_EQ(ui.boxes[0].title, "Information") << c.name;
    EXPECT_EQ(ui.boxes[0].text, informationText(path, c.checksum)) << c.name;
    ASSERT_EQ(ui.clipboard.size(), 1u) << c.name;
    EXPECT_EQ(ui.clipboard[0], "\"" + path + "\"     md5:" + c.checksum) << c.name;
  }
}

TEST_F(Quillview, WithoutTheLibraryOnlyTheAbortBoxIsShown) {
  quillviewMain(ui, {"no-such-library-here", dir.file("no-such-library.dll")}, {});
  EXPECT_TRUE(ui.fileDialogs.empty());
  EXPECT_TRUE(ui.clipboard.empty());
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].title, "Programmabbruch");
  EXPECT_EQ(ui.boxes[0].text, "quillet.dll konnte nicht gefunden werden.");
  EXPECT_EQ(ui.boxes[0].icon, MessageIcon::None);
}

}  // namespace
}  // namespace vantrel
