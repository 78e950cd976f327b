// The Windows front end: real message boxes and windows.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <deque>
#include <map>
#include <mutex>

#include "ui/ui.h"

namespace vantrel {

class Win32Ui : public Ui {
 public:
  // Loads the wizard's pictures from the executable.
  Win32Ui();

  MessageAnswer messageBox(const std::string& title, const std::string& text, MessageIcon icon,
                           MessageButtons buttons) override;
  std::string askOpenFileName(const std::string& title) override;
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
  UiEvent waitForEvent() override;
  void dropPendingEvents() override;

 private:
  static LRESULT CALLBACK wizardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK configProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK changeLogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Events are queued for the thread whose window raised them.
  void push(const UiEvent& event);
  bool createBrowser(const std::string& url, int width, int height);
  HWND control(int id) const;

  HWND wizard_ = nullptr;
  HWND tooltip_ = nullptr;
  HACCEL normalShortcuts_ = nullptr;
  HACCEL finishShortcuts_ = nullptr;
  std::atomic<HACCEL> shortcuts_{nullptr};
  HBITMAP banner_ = nullptr;
  std::array<HICON, 4> stepIcons_{};
  std::array<std::atomic<int>, 3> chosen_{};
  HWND config_ = nullptr;
  HACCEL configShortcuts_ = nullptr;
  HWND changeLog_ = nullptr;
  HACCEL changeLogShortcuts_ = nullptr;
  std::mutex eventsMutex_;
  std::map<DWORD, std::deque<UiEvent>> events_;
};

}  // namespace vantrel
