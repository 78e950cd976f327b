// The console front end: boxes and windows as text, answers from stdin.
#pragma once

#include <array>
#include <atomic>
#include <map>
#include <vector>
#include <mutex>
#include <string>
#include <thread>

#include "ui/console/console_io.h"
#include "ui/ui.h"

namespace vantrel {

class ConsoleUi : public Ui {
 public:
  explicit ConsoleUi(ConsoleIo& io = ConsoleIo::instance());

  MessageAnswer messageBox(const std::string& title, const std::string& text, MessageIcon icon,
                           MessageButtons buttons) override;
  // Prints the dialog's title as "*** <title> ***" and reads the path after
  // the prompt "datei> "; an empty line asks again, the end of input cancels.
  std::string askOpenFileName(const std::string& title) override;
  // The desktop's clipboard tool when one is installed, else the terminal's
  // clipboard escape.
  bool setClipboardText(const std::string& text) override;

  bool openMainWindow(const std::string& title) override;
  void closeMainWindow() override;
  void setControlText(int id, const std::string& text) override;
  void setControlEnabled(int id, bool enabled) override;
  void setWizardEnabled(bool enabled) override;
  void chooseStepPicture(int row, StepPicture picture) override;
  void refreshStepIcons() override;
  void setProgress(int value) override;
  int progress() override;
  void useFinishShortcuts() override;
  bool openChangeLogWindow(const std::string& title, const std::string& url, int width, int height) override;
  void closeChangeLogWindow() override;
  bool primaryDisplaySize(int& width, int& height) override;
  bool openConfigWindow(const std::string& title) override;
  void closeConfigWindow() override;
  void setDialogText(int id, const std::string& text) override;
  std::string dialogText(int id) override;
  void setDialogChecked(int id, bool checked) override;
  bool dialogChecked(int id) override;
  void setDialogEnabled(int id, bool enabled) override;
  void addIntervalEntry(const std::string& text) override;
  void selectIntervalEntry(int index) override;
  int selectedIntervalEntry() override;
  void setBusy(bool busy) override;
  UiEvent waitForEvent() override;
  void dropPendingEvents() override {}

  // Every line break (CR LF, LF CR, lone LF or CR) as one newline.
  static std::string normaliseLineBreaks(const std::string& text);
  // The wizard's event for a command line; Other when the window ignores it.
  UiEvent eventForCommand(const std::string& command);

 private:
  struct Button {
    int id;
    std::string text;
    bool enabled = true;
  };
  Button* button(int id);
  // The configuration dialog's fields, and the lines it reads.
  void printDialog();
  UiEvent waitForDialogEvent();
  // The event a dialog line raises (Other when it raises none: a field was
  // set, or the line was ignored).
  UiEvent dialogEventForLine(const std::string& line);
  void printRow(int row);
  void printButton(const Button& b);

  ConsoleIo& io_;
  std::mutex mutex_;
  bool open_ = false;
  bool finishShortcuts_ = false;
  bool windowEnabled_ = true;
  bool endOfInputSeen_ = false;
  bool changeLogOpen_ = false;
  std::atomic<bool> busy_{false};
  std::thread::id changeLogThread_;
  int progress_ = 0;
  int printedProgress_ = -1;
  std::array<std::string, 3> labels_;
  std::array<std::string, 3> statuses_;
  std::array<StepPicture, 3> chosen_{};
  std::array<StepPicture, 3> shown_{};
  std::array<Button, 3> buttons_;

  struct DialogState {
    bool open = false;
    std::thread::id thread;
    std::string title;
    std::map<int, std::string> texts;
    std::map<int, bool> checks;
    std::map<int, bool> disabled;
    std::vector<std::string> entries;
    int selected = -1;
  };
  DialogState dialog_;
};

}  // namespace vantrel
