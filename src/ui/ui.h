// The user, as the program sees it: every box and window goes through here.
// Each front end (console, Win32) implements it; tests script it.
#pragma once

#include <string>

namespace vantrel {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The controls of the wizard window, by identifier.
namespace wizard {
constexpr int kBannerImage = 15;
constexpr int kTasksFrame = 16;
constexpr int kStatusCaption = 17;
constexpr int kStepLabel1 = 18;   // rows 1-3: 18, 19, 20
constexpr int kStepStatus1 = 21;  // rows 1-3: 21, 22, 23
constexpr int kProgressBar = 24;
constexpr int kNextButton = 25;
constexpr int kConfigButton = 26;
constexpr int kStepIcon1 = 27;  // rows 1-3: 27, 28, 29
constexpr int kCancelButton = 30;

// Action numbers the window's shortcuts raise.
constexpr int kActionLeave = 0;
constexpr int kActionConfigure = 1;
constexpr int kActionNext = 2;
constexpr int kActionAbout = 6;
constexpr int kActionSystemInfo = 7;
}  // namespace wizard

// The controls and the close command of the change-log window.
namespace changelog {
constexpr int kBrowser = 31;
constexpr int kOkButton = 32;
constexpr int kActionClose = 5;  // Alt+O and Escape
}  // namespace changelog

// The controls and the commands of the configuration dialog.
namespace configdialog {
constexpr int kOkButton = 0;
constexpr int kCancelButton = 1;
constexpr int kIntervalList = 2;
constexpr int kIntervalLabel = 3;
constexpr int kProxyFrame = 4;
constexpr int kServerLabel = 5;
constexpr int kUserLabel = 6;
constexpr int kPasswordLabel = 7;
constexpr int kPortLabel = 8;
constexpr int kUseProxyBox = 9;
constexpr int kPortField = 11;
constexpr int kPasswordField = 12;  // masked
constexpr int kUserField = 13;
constexpr int kServerField = 14;
constexpr int kSystemProxyBox = 33;
constexpr int kActionApply = 3;   // Alt+O
constexpr int kActionCancel = 4;  // Alt+B and Escape
}  // namespace configdialog

enum class StepPicture { Pending, Working, Done, Failed };

// Which window an event came from.
enum class UiWindow { Wizard, ConfigDialog, ChangeLog, Other };

struct UiEvent {
  enum class Kind { CloseBox, Action, Click, Other };
  Kind kind = Kind::Other;
  UiWindow window = UiWindow::Other;
  int id = 0;  // the action number or the control identifier
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A modal message box; returns when the user closed it. Title and text are
  // Windows-1252; line breaks in the text are CR LF (bare LF in the few
  // texts documented so).
  virtual MessageAnswer messageBox(const std::string& title, const std::string& text, MessageIcon icon,
                                   MessageButtons buttons) = 0;

  // The wizard window. Writers may be called from the phase-1 worker thread.
  // False when the window could not be created.
  virtual bool openMainWindow(const std::string& title) = 0;
  virtual void closeMainWindow() = 0;
  // The text of a step status row or a button.
  virtual void setControlText(int id, const std::string& text) = 0;
  virtual void setControlEnabled(int id, bool enabled) = 0;
  virtual void setWizardEnabled(bool enabled) = 0;
  // Chooses the picture of step row 1-3; it shows after refreshStepIcons.
  virtual void chooseStepPicture(int row, StepPicture picture) = 0;
  virtual void refreshStepIcons() = 0;
  virtual void setProgress(int value) = 0;
  virtual int progress() = 0;
  // Swaps the shortcut table for the final state: Alt+W and Escape as
  // "leave" go; Alt+E and Escape raise "next".
  virtual void useFinishShortcuts() = 0;

  // The change-log window: a resizable window showing the page at `url`
  // ("file:\\" and a local path) with an OK button, over the wizard. Its
  // events reach the thread that opened it. False when it could not be opened.
  virtual bool openChangeLogWindow(const std::string& title, const std::string& url, int width, int height) = 0;
  virtual void closeChangeLogWindow() = 0;
  // The pixel size of the primary display's current mode; false when the
  // displays cannot be enumerated.
  virtual bool primaryDisplaySize(int& width, int& height) = 0;

  // The configuration dialog over the wizard: its controls with their texts
  // and tooltips, the interval list with its five fixed entries and entry 0
  // selected, the shortcuts, the focus on OK. Its events are reported with
  // UiWindow::ConfigDialog; a click on a check box toggles it first. False
  // (and nothing created) when it could not be opened.
  virtual bool openConfigWindow(const std::string& title) = 0;
  virtual void closeConfigWindow() = 0;
  // The dialog's controls by identifier (configdialog::k...).
  virtual void setDialogText(int id, const std::string& text) = 0;
  virtual std::string dialogText(int id) = 0;
  virtual void setDialogChecked(int id, bool checked) = 0;
  virtual bool dialogChecked(int id) = 0;
  virtual void setDialogEnabled(int id, bool enabled) = 0;
  // The interval list: appends an entry; selects one; the selected entry (-1 none).
  virtual void addIntervalEntry(const std::string& text) = 0;
  virtual void selectIntervalEntry(int index) = 0;
  virtual int selectedIntervalEntry() = 0;

  // Told when a wizard phase starts and stops working. While it works the
  // console keeps typed lines for the phase's questions (only F1 and the
  // banner reach the wizard); the windows need not know.
  virtual void setBusy(bool /*busy*/) {}

  // The next event of the calling thread's windows; waits for it.
  virtual UiEvent waitForEvent() = 0;
  // Reads and drops the events that are pending for the calling thread, so
  // the window stays painted during long work.
  virtual void dropPendingEvents() = 0;

  // The open-file dialog for one existing or new file name: the chosen path,
  // or "" when the user cancelled.
  virtual std::string askOpenFileName(const std::string& title) = 0;

  // Replaces the clipboard's content with the Windows-1252 text; false when
  // the clipboard could not be had (the old content then stays).
  virtual bool setClipboardText(const std::string& text) = 0;
};

}  // namespace vantrel
