#include <gtest/gtest.h>

#include <string>

#include "core/config/ini_file.h"
#include "core/config/proxy_scrambling.h"
#include "core/dialogs/config_dialog.h"
#include "core/launcher/run.h"
#include "support/log_capture.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

using namespace configdialog;

const int kProxyControls[] = {kServerLabel, kPortLabel, kUserLabel, kPasswordLabel,
                              kServerField, kPortField, kUserField, kPasswordField};

class ConfigDialog : public ::testing::Test {
 protected:
  ConfigDialog() : run(ui) {
    run.localConfig.iniPath = dir.path();
    run.localConfig.iniFileName = "state.ini";
    writeState("7");
    run.stateIni.updateIntervall = 7;
    run.proxySettings = {true, "proxy.local", 8080, "anna", "geheim", false};
  }

  void writeState(const std::string& interval) {
    dir.write("state.ini", "[SELF]\r\nversion=\"1.2\"\r\n[UPDATE]\r\nupdateIntervall=\"" + interval + "\"\r\n");
  }
  std::string value(const char* section, const char* key) const {
    return readIniValue(dir.file("state.ini"), section, key);
  }
  // The user clicks a check box: it toggles, then its handler runs.
  void click(int box) {
    ui.dialogChecks[box] = !ui.dialogChecks[box];
    handleConfigDialogEvent(run, {UiEvent::Kind::Click, UiWindow::ConfigDialog, box});
  }
  void pressOk() { handleConfigDialogEvent(run, {UiEvent::Kind::Click, UiWindow::ConfigDialog, kOkButton}); }
  // The eight proxy controls' states: all on, all off, or "mixed".
  std::string proxyControls() const {
    int on = 0;
    for (int id : kProxyControls) on += ui.isDialogEnabled(id) ? 1 : 0;
    return on == 8 ? "enabled" : on == 0 ? "disabled" : "mixed";
  }

  test::TempDir dir;
  test::ScriptedUi ui;
  vantrel::Run run;
};

TEST_F(ConfigDialog, OpensFilledFromTheLiveSettingsAndDisablesTheWizard) {
  showConfigDialog(run);
  EXPECT_EQ(ui.dialogTitle, "Konfiguration des Updateprogramms");
  EXPECT_EQ(ui.writes.back(), "window 0");
  EXPECT_EQ(ui.dialogTexts[kServerField], "proxy.local");
  EXPECT_EQ(ui.dialogTexts[kPortField], "8080");
  EXPECT_EQ(ui.dialogTexts[kUserField], "anna");
  EXPECT_EQ(ui.dialogTexts[kPasswordField], "geheim");
  EXPECT_TRUE(ui.dialogChecks[kUseProxyBox]);
  EXPECT_FALSE(ui.dialogChecks[kSystemProxyBox]);
  EXPECT_EQ(proxyControls(), "enabled");
  EXPECT_EQ(ui.selectedIntervalText(), "Jede Woche");

  handleConfigDialogEvent(run, {UiEvent::Kind::Action, UiWindow::ConfigDialog, kActionCancel});
  EXPECT_FALSE(ui.dialogOpen);
  EXPECT_EQ(ui.writes.back(), "window 1");
  EXPECT_EQ(value("INTERNET", "proxyServer"), "");  // Cancel writes nothing
}

TEST_F(ConfigDialog, IntervalEntriesForStoredIntervals) {
  struct Case {
    std::int32_t stored;
    const char* text;
    std::size_t entries;
  } cases[] = {
      {-1, "Nie", 5},           {-99999, "Nie", 5},         {-100000, "Alle -100000 Tage", 6},
      {0, "Alle 0 Tage", 6},    {1, "T\xE4glich", 5},        {7, "Jede Woche", 5},
      {14, "Alle 14 Tage", 6},  {30, "Alle 4 Wochen", 5},   {120, "Alle 12 Wochen", 5},
      {84, "Alle 84 Tage", 6},
  };
  for (const Case& c : cases) {
    run.stateIni.updateIntervall = c.stored;
    showConfigDialog(run);
    EXPECT_EQ(ui.selectedIntervalText(), c.text) << c.stored;
    EXPECT_EQ(ui.intervalEntries.size(), c.entries) << c.stored;
    cancelConfigDialog(run);
  }
}

TEST_F(ConfigDialog, OkWritesTheChosenIntervalOrKeepsTheCustomOne) {
  struct Case {
    std::int32_t stored;
    int choose;  // -1: the list left as it was opened
    const char* written;
  } cases[] = {{30, 1, "120"}, {30, -1, "30"}, {14, -1, "14"}, {14, 0, "-1"}, {-1, 4, "1"}, {0, -1, "0"},
               {7, 2, "30"}};
  for (const Case& c : cases) {
    writeState(std::to_string(c.stored));
    run.stateIni.updateIntervall = c.stored;
    showConfigDialog(run);
    if (c.choose >= 0) ui.intervalSelection = c.choose;
    pressOk();
    EXPECT_EQ(value("UPDATE", "updateIntervall"), c.written) << c.stored << " " << c.choose;
    EXPECT_EQ(run.stateIni.updateIntervall, std::stoi(c.written));  // read back
  }
}

TEST_F(ConfigDialog, OkStoresTheTypedProxyScrambledAndReadsItBack) {
  run.proxySettings = {};
  showConfigDialog(run);
  EXPECT_EQ(proxyControls(), "disabled");
  click(kUseProxyBox);
  EXPECT_EQ(proxyControls(), "enabled");
  ui.dialogTexts[kServerField] = "cache.intern";
  ui.dialogTexts[kPortField] = "3128x";
  ui.dialogTexts[kUserField] = "M\xFCller";
  ui.dialogTexts[kPasswordField] = "p\xE4ss=wort";
  pressOk();

  EXPECT_FALSE(ui.dialogOpen);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(value("INTERNET", "proxyServer"), "cache.intern");
  EXPECT_EQ(value("INTERNET", "proxyPort"), "3128");
  EXPECT_EQ(value("INTERNET", "useProxy"), "yes");
  const std::string key = proxyScrambleKey("cache.intern");
  EXPECT_NE(value("INTERNET", "proxyUser"), "M\xFCller");
  EXPECT_EQ(unscrambleText(value("INTERNET", "proxyUser"), key), "M\xFCller");
  EXPECT_EQ(unscrambleText(value("INTERNET", "proxyPassword"), key), "p\xE4ss=wort");
  EXPECT_EQ(run.proxySettings.proxyUser, "M\xFCller");
  EXPECT_EQ(run.proxySettings.proxyPort, 3128);
  EXPECT_TRUE(run.proxySettings.useProxy);
}

TEST_F(ConfigDialog, APortWithoutDigitsStoresZero) {
  showConfigDialog(run);
  ui.dialogTexts[kPortField] = "abc";
  pressOk();
  EXPECT_EQ(value("INTERNET", "proxyPort"), "0");
}

TEST_F(ConfigDialog, SystemSettingWritesAutoWithoutPortOrCredentials) {
  showConfigDialog(run);
  click(kSystemProxyBox);
  EXPECT_TRUE(run.proxySettings.autoProxy);
  EXPECT_EQ(ui.dialogTexts[kUserField], "");
  EXPECT_EQ(ui.dialogTexts[kPasswordField], "");
  EXPECT_EQ(proxyControls(), "disabled");
  // Whatever the fields show.
  ui.dialogTexts[kServerField] = "elsewhere";
  ui.dialogTexts[kPortField] = "99";
  ui.dialogTexts[kUserField] = "someone";
  pressOk();
  EXPECT_EQ(value("INTERNET", "proxyServer"), "***AUTO***");
  EXPECT_EQ(value("INTERNET", "proxyPort"), "0");
  EXPECT_EQ(value("INTERNET", "proxyUser"), "");
  EXPECT_EQ(value("INTERNET", "proxyPassword"), "");
  EXPECT_TRUE(run.proxySettings.autoProxy);  // read back from "***AUTO***"
  EXPECT_EQ(run.proxySettings.proxyServer, "***AUTO***");

  // Opened again, the dialog shows the system setting checked.
  showConfigDialog(run);
  EXPECT_TRUE(ui.dialogChecks[kSystemProxyBox]);
  EXPECT_EQ(proxyControls(), "disabled");
}

TEST_F(ConfigDialog, EnableRulesOfTheProxyControls) {
  showConfigDialog(run);  // both boxes as stored: proxy on, system off
  EXPECT_EQ(proxyControls(), "enabled");
  click(kUseProxyBox);  // proxy off
  EXPECT_EQ(proxyControls(), "disabled");
  EXPECT_TRUE(ui.isDialogEnabled(kSystemProxyBox));
  click(kSystemProxyBox);  // system on
  EXPECT_EQ(proxyControls(), "disabled");
  click(kUseProxyBox);  // proxy on, system still on
  EXPECT_EQ(proxyControls(), "disabled");
  click(kSystemProxyBox);  // system off, proxy on
  EXPECT_EQ(proxyControls(), "enabled");
  EXPECT_EQ(ui.dialogTexts[kUserField], "anna");  // the live credentials come back
  click(kUseProxyBox);
  click(kSystemProxyBox);
  click(kSystemProxyBox);  // both off
  EXPECT_EQ(proxyControls(), "disabled");
  EXPECT_TRUE(ui.isDialogEnabled(kSystemProxyBox));
}

TEST_F(ConfigDialog, CancelKeepsWhatTheDialogDidToTheLiveSettings) {
  run.proxySettings.autoProxy = true;  // stale: the server is not "***AUTO***"
  showConfigDialog(run);
  EXPECT_FALSE(run.proxySettings.autoProxy);
  click(kSystemProxyBox);
  EXPECT_TRUE(run.proxySettings.autoProxy);
  handleConfigDialogEvent(run, {UiEvent::Kind::CloseBox, UiWindow::ConfigDialog, 0});
  EXPECT_FALSE(ui.dialogOpen);
  EXPECT_TRUE(run.proxySettings.autoProxy);  // not undone
  EXPECT_EQ(run.proxySettings.proxyServer, "proxy.local");
}

TEST_F(ConfigDialog, WriteFailuresWarnAndTheDialogStillCloses) {
  struct Case {
    const char* file;  // nullptr: no state file
    const char* text;
  } cases[] = {
      {nullptr,
       "Die Konfigurationsdaten konnten nicht geschrieben werden, da die Konfigurationsdatei nicht gefunden "
       "werden konnte."},
      {"[SELF]\r\nversion=\"0.9\"\r\n",
       "Die Konfigurationsdaten konnten nicht geschrieben werden, da die Version der Konfigurationsdatei "
       "ungeeignet ist."},
  };
  for (const Case& c : cases) {
    test::TempDir place;
    run.localConfig.iniPath = place.path();
    if (c.file != nullptr) place.write("state.ini", c.file);
    ui.boxes.clear();
    test::LogCapture log;
    showConfigDialog(run);
    pressOk();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "Hinweis");
    EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ui.boxes[0].text, c.text);
    EXPECT_EQ(log.has("3... INI-Datei nicht gefunden"), c.file == nullptr);
    EXPECT_FALSE(ui.dialogOpen);
    EXPECT_EQ(ui.writes.back(), "window 1");
  }
}

TEST_F(ConfigDialog, EventsAfterItClosedAreDropped) {
  showConfigDialog(run);
  ui.dialogTexts[kServerField] = "first.example";
  pressOk();
  ui.dialogTexts.clear();  // a second, late click on OK
  pressOk();
  EXPECT_EQ(value("INTERNET", "proxyServer"), "first.example");
}

TEST_F(ConfigDialog, AWindowThatCannotOpenLeavesTheWizardEnabled) {
  ui.dialogOpens = false;
  showConfigDialog(run);
  for (const std::string& w : ui.writes) EXPECT_NE(w, "window 0");
  EXPECT_FALSE(run.configDialogOpen);
}

}  // namespace
}  // namespace vantrel
