// A Ui that records every box and wizard write and answers from a script.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace vantrel::test {

struct ShownBox {
  std::string title;
  std::string text;
  MessageIcon icon;
  MessageButtons buttons;
};

class ScriptedUi : public Ui {
 public:
  std::deque<MessageAnswer> answers;  // for Yes/No boxes; No when empty
  std::deque<UiEvent> events;         // the close box once they are used up
  std::vector<ShownBox> boxes;
  // Wizard writes in order, e.g. "open Updateprogramm", "text 21 ...", "picture 1 done",
  // "refresh", "progress 25", "enable 25 0", "window 0", "finish", "close".
  std::vector<std::string> writes;
  int progressValue = 0;
  bool windowOpens = true;
  bool changeLogOpens = true;
  int displayWidth = -1;  // no display information
  int displayHeight = -1;
  std::deque<std::string> fileNames;      // answers of the open-file dialog; cancel when empty
  std::vector<std::string> fileDialogs;   // the titles of the dialogs shown
  std::vector<std::string> clipboard;     // every text put on the clipboard

  MessageAnswer messageBox(const std::string& title, const std::string& text, MessageIcon icon,
                           MessageButtons buttons) override {
    std::lock_guard<std::mutex> lock(mutex_);
    boxes.push_back({title, text, icon, buttons});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::No;
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }

  bool openMainWindow(const std::string& title) override { return record("open " + title), windowOpens; }
  void closeMainWindow() override { record("close"); }
  void setControlText(int id, const std::string& text) override { record("text " + std::to_string(id) + " " + text); }
  void setControlEnabled(int id, bool on) override { record("enable " + std::to_string(id) + (on ? " 1" : " 0")); }
  void setWizardEnabled(bool on) override { record(on ? "window 1" : "window 0"); }
  void chooseStepPicture(int row, StepPicture p) override {
    static const char* names[] = {"pending", "working", "done", "failed"};
    record("picture " + std::to_string(row) + " " + names[static_cast<int>(p)]);
  }
  void refreshStepIcons() override { record("refresh"); }
  void setProgress(int value) override {
    std::lock_guard<std::mutex> lock(mutex_);
    progressValue = value;
    writes.push_back("progress " + std::to_string(value));
  }
  int progress() override {
    std::lock_guard<std::mutex> lock(mutex_);
    return progressValue;
  }
  void useFinishShortcuts() override { record("finish"); }
  UiEvent waitForEvent() override {
    std::lock_guard<std::mutex> lock(mutex_);
    if (events.empty()) {
      // A loop that keeps asking after its script ran out would never end.
      if (++extraEvents_ > 10000) {
        std::fprintf(stderr, "ScriptedUi: the event script ran out\n");
        std::abort();
      }
      return UiEvent{UiEvent::Kind::CloseBox, UiWindow::Wizard, 0};
    }
    UiEvent e = events.front();
    events.pop_front();
    return e;
  }
  void dropPendingEvents() override {}
  bool openChangeLogWindow(const std::string& title, const std::string& url, int width, int height) override {
    record("changelog " + title + " " + url + " " + std::to_string(width) + "x" + std::to_string(height));
    return changeLogOpens;
  }
  void closeChangeLogWindow() override { record("changelog closed"); }
  bool primaryDisplaySize(int& width, int& height) override {
    if (displayWidth < 0) return false;
    width = displayWidth;
    height = displayHeight;
    return true;
  }

  // The configuration dialog: its controls' state as the handlers left it.
  bool dialogOpens = true;
  bool dialogOpen = false;
  std::string dialogTitle;
  std::map<int, std::string> dialogTexts;
  std::map<int, bool> dialogChecks;
  std::map<int, bool> dialogEnabled;  // a control not listed is enabled
  std::vector<std::string> intervalEntries;
  int intervalSelection = -1;

  bool openConfigWindow(const std::string& title) override {
    record("dialog open " + title);
    if (!dialogOpens) return false;
    dialogOpen = true;
    dialogTitle = title;
    dialogTexts.clear();
    dialogChecks.clear();
    dialogEnabled.clear();
    intervalEntries = {"Nie", "Alle 12 Wochen", "Alle 4 Wochen", "Jede Woche", "T\xE4glich"};
    intervalSelection = 0;
    return true;
  }
  void closeConfigWindow() override {
    record("dialog close");
    dialogOpen = false;
  }
  void setDialogText(int id, const std::string& text) override { dialogTexts[id] = text; }
  std::string dialogText(int id) override { return dialogTexts[id]; }
  void setDialogChecked(int id, bool checked) override { dialogChecks[id] = checked; }
  bool dialogChecked(int id) override { return dialogChecks[id]; }
  void setDialogEnabled(int id, bool enabled) override { dialogEnabled[id] = enabled; }
  bool isDialogEnabled(int id) const {
    auto it = dialogEnabled.find(id);
    return it == dialogEnabled.end() || it->second;
  }
  void addIntervalEntry(const std::string& text) override { intervalEntries.push_back(text); }
  void selectIntervalEntry(int index) override { intervalSelection = index; }
  int selectedIntervalEntry() override { return intervalSelection; }
  std::string selectedIntervalText() const {
    return intervalSelection >= 0 && intervalSelection < static_cast<int>(intervalEntries.size())
               ? intervalEntries[intervalSelection]
               : std::string();
  }

  // Script helpers.
  void click(int id) { events.push_back({UiEvent::Kind::Click, UiWindow::Wizard, id}); }
  void action(int id) { events.push_back({UiEvent::Kind::Action, UiWindow::Wizard, id}); }
  void closeBox() { events.push_back({UiEvent::Kind::CloseBox, UiWindow::Wizard, 0}); }

 private:
  void record(const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex_);
    writes.push_back(line);
  }
  std::mutex mutex_;
  int extraEvents_ = 0;
  std::string askOpenFileName(const std::string& title) override {
    fileDialogs.push_back(title);
    if (fileNames.empty()) return {};
    std::string name = fileNames.front();
    fileNames.pop_front();
    return name;
  }

  bool setClipboardText(const std::string& text) override {
    clipboard.push_back(text);
    return true;
  }
};

}  // namespace vantrel::test
