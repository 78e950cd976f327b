#include "ui/win32/win32_ui.h"

#include <commctrl.h>
#include <commdlg.h>
#include <ole2.h>

#include <cstring>
#include <vector>

#include "os/files.h"
#include "ui/page_text.h"
#include "ui/win32/resource_ids.h"

namespace vantrel {

namespace {

// Escape and Alt+B raise action 0; a command id of 0 does not arrive from an
// accelerator in a window with a system menu, so they carry this id instead.
constexpr WORD kLeaveCommand = 100;
const char* const kWizardClass = "VantrelWizard";
const char* const kChangeLogClass = "VantrelChangeLog";

struct ControlSpec {
  int id;
  const char* className;
  DWORD style;
  int x, y, width, height;
  const char* text;
  const char* tooltip;
};

// In creation order; focus moves through the buttons in this order.
const ControlSpec kControls[] = {
    {wizard::kBannerImage, "STATIC", SS_BITMAP | SS_NOTIFY, 0, 0, 504, 85, "", "Webseite des Zelmar besuchen"},
    {wizard::kTasksFrame, "BUTTON", BS_GROUPBOX, 10, 96, 480, 100, "Durchzuf\xFChrende Arbeiten", nullptr},
    {wizard::kStatusCaption, "STATIC", SS_LEFT, 10, 220, 210, 20, "Status aktueller Vorgang", nullptr},
    {wizard::kStepLabel1, "STATIC", SS_LEFT, 52, 123, 210, 15, "Suche nach aktuellem Update", nullptr},
    {wizard::kStepLabel1 + 1, "STATIC", SS_LEFT, 52, 143, 210, 15, "Herunterladen des Updates", nullptr},
    {wizard::kStepLabel1 + 2, "STATIC", SS_LEFT, 52, 163, 210, 15, "Einspielen des Updates", nullptr},
    {wizard::kStepStatus1, "STATIC", SS_LEFT, 270, 123, 210, 15, "...", nullptr},
    {wizard::kStepStatus1 + 1, "STATIC", SS_LEFT, 270, 143, 210, 15, "...", nullptr},
    {wizard::kStepStatus1 + 2, "STATIC", SS_LEFT, 270, 163, 210, 15, "...", nullptr},
    {wizard::kProgressBar, PROGRESS_CLASSA, PBS_SMOOTH, 10, 240, 480, 20, "",
     "Zeigt den Fortschritt der einzelnen Arbeitsschritte an"},
    {wizard::kNextButton, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 400, 276, 90, 25, "&Weiter",
     "F\xFChrt Sie zum n\xE4" "chsten Schritt im Update-Programm"},
    {wizard::kConfigButton, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 10, 276, 90, 25, "&Konfigurieren",
     "Verhalten des Update-Programms anpassen"},
    {wizard::kStepIcon1, "STATIC", SS_ICON | SS_REALSIZEIMAGE, 20, 121, 16, 16, "", nullptr},
    {wizard::kStepIcon1 + 1, "STATIC", SS_ICON | SS_REALSIZEIMAGE, 20, 141, 16, 16, "", nullptr},
    {wizard::kStepIcon1 + 2, "STATIC", SS_ICON | SS_REALSIZEIMAGE, 20, 161, 16, 16, "", nullptr},
    {wizard::kCancelButton, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 300, 276, 90, 25, "A&bbrechen",
     "Beendet das Update-Programm"},
};

HACCEL makeShortcuts(bool finish) {
  ACCEL normal[] = {
      {FVIRTKEY, VK_F1, wizard::kActionAbout},      {FVIRTKEY, VK_F2, wizard::kActionSystemInfo},
      {FVIRTKEY | FALT, 'W', wizard::kActionNext},  {FVIRTKEY | FALT, 'K', wizard::kActionConfigure},
      {FVIRTKEY | FALT, 'B', kLeaveCommand},        {FVIRTKEY, VK_ESCAPE, kLeaveCommand},
  };
  ACCEL final[] = {
      {FVIRTKEY, VK_F1, wizard::kActionAbout},      {FVIRTKEY, VK_F2, wizard::kActionSystemInfo},
      {FVIRTKEY | FALT, 'K', wizard::kActionConfigure}, {FVIRTKEY | FALT, 'B', kLeaveCommand},
      {FVIRTKEY | FALT, 'E', wizard::kActionNext},  {FVIRTKEY, VK_ESCAPE, wizard::kActionNext},
  };
  return finish ? CreateAcceleratorTableA(final, 6) : CreateAcceleratorTableA(normal, 6);
}

HICON loadIcon(int id) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
}

}  // namespace

Win32Ui::Win32Ui() {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&init);
  banner_ = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(VANTREL_BANNER_BITMAP), IMAGE_BITMAP, 0, 0, 0));
  stepIcons_ = {loadIcon(VANTREL_STEP_PENDING_ICON), loadIcon(VANTREL_STEP_WORKING_ICON),
                loadIcon(VANTREL_STEP_DONE_ICON), loadIcon(VANTREL_STEP_FAILED_ICON)};
  for (auto& c : chosen_) c = static_cast<int>(StepPicture::Pending);
}

MessageAnswer Win32Ui::messageBox(const std::string& title, const std::string& text, MessageIcon icon,
                                  MessageButtons buttons) {
  UINT style = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
  switch (icon) {
    case MessageIcon::None: break;
    case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
    case MessageIcon::Warning: style |= MB_ICONWARNING; break;
    case MessageIcon::Error: style |= MB_ICONERROR; break;
    case MessageIcon::Question: style |= MB_ICONQUESTION; break;
  }
  int result = MessageBoxA(wizard_, text.c_str(), title.c_str(), style);
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  return result == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

HWND Win32Ui::control(int id) const { return wizard_ != nullptr ? GetDlgItem(wizard_, id) : nullptr; }

bool Win32Ui::openMainWindow(const std::string& title) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = wizardProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWizardClass;
  RegisterClassExA(&wc);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, 504, 311};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  wizard_ = CreateWindowExA(WS_EX_CONTROLPARENT, kWizardClass, title.c_str(), style, x, y, width, height, nullptr,
                            nullptr, instance, this);
  if (wizard_ == nullptr) return false;
  SetWindowLongPtrA(wizard_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, wizard_, nullptr, instance, nullptr);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlSpec& entry : kControls) {
    HWND c = CreateWindowExA(0, entry.className, entry.text, WS_CHILD | WS_VISIBLE | entry.style, entry.x, entry.y,
                             entry.width, entry.height, wizard_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)),
                             instance, nullptr);
    if (c == nullptr) continue;
    SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (entry.tooltip != nullptr && tooltip_ != nullptr) {
      TOOLINFOA tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = wizard_;
      tool.uId = reinterpret_cast<UINT_PTR>(c);
      tool.lpszText = const_cast<char*>(entry.tooltip);
      SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  SendMessageA(control(wizard::kBannerImage), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner_));
  SendMessageA(control(wizard::kProgressBar), PBM_SETRANGE32, 0, 100);
  refreshStepIcons();

  normalShortcuts_ = makeShortcuts(false);
  finishShortcuts_ = makeShortcuts(true);
  shortcuts_ = normalShortcuts_;
  ShowWindow(wizard_, SW_SHOWNORMAL);
  UpdateWindow(wizard_);
  SetForegroundWindow(wizard_);
  SetFocus(control(wizard::kNextButton));
  return true;
}

void Win32Ui::closeMainWindow() {
  if (wizard_ != nullptr) DestroyWindow(wizard_);
  wizard_ = nullptr;
}

void Win32Ui::setControlText(int id, const std::string& text) {
  if (HWND c = control(id)) SendMessageA(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32Ui::setControlEnabled(int id, bool enabled) {
  if (HWND c = control(id)) EnableWindow(c, enabled ? TRUE : FALSE);
}

void Win32Ui::setWizardEnabled(bool enabled) {
  if (wizard_ != nullptr) EnableWindow(wizard_, enabled ? TRUE : FALSE);
}

void Win32Ui::chooseStepPicture(int row, StepPicture picture) {
  if (row >= 1 && row <= 3) chosen_[row - 1] = static_cast<int>(picture);
}

void Win32Ui::refreshStepIcons() {
  for (int row = 0; row < 3; ++row) {
    if (HWND c = control(wizard::kStepIcon1 + row))
      SendMessageA(c, STM_SETICON, reinterpret_cast<WPARAM>(stepIcons_[chosen_[row]]), 0);
  }
}

void Win32Ui::setProgress(int value) {
  if (HWND c = control(wizard::kProgressBar)) SendMessageA(c, PBM_SETPOS, value, 0);
}

int Win32Ui::progress() {
  HWND c = control(wizard::kProgressBar);
  return c != nullptr ? static_cast<int>(SendMessageA(c, PBM_GETPOS, 0, 0)) : 0;
}

void Win32Ui::useFinishShortcuts() { shortcuts_ = finishShortcuts_; }

void Win32Ui::push(const UiEvent& event) {
  std::lock_guard<std::mutex> lock(eventsMutex_);
  events_[GetCurrentThreadId()].push_back(event);
}

LRESULT CALLBACK Win32Ui::wizardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Ui*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr) {
    switch (message) {
      case WM_CLOSE:
        self->push({UiEvent::Kind::CloseBox, UiWindow::Wizard, 0});
        return 0;
      case WM_COMMAND: {
        WORD id = LOWORD(wParam);
        if (HIWORD(wParam) == 1 && lParam == 0) {  // a shortcut
          self->push({UiEvent::Kind::Action, UiWindow::Wizard, id == kLeaveCommand ? wizard::kActionLeave : id});
        } else if (HIWORD(wParam) == BN_CLICKED) {  // also STN_CLICKED of the banner
          // Enter in the window presses the default button.
          int clicked = (id == IDOK && lParam == 0) ? wizard::kNextButton : id;
          self->push({UiEvent::Kind::Click, UiWindow::Wizard, clicked});
        }
        return 0;
      }
      default:
        break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

UiEvent Win32Ui::waitForEvent() {
  while (true) {
    {
      std::lock_guard<std::mutex> lock(eventsMutex_);
      std::deque<UiEvent>& mine = events_[GetCurrentThreadId()];
      if (!mine.empty()) {
        UiEvent event = mine.front();
        mine.pop_front();
        return event;
      }
    }
    MSG msg;
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) return {UiEvent::Kind::CloseBox, UiWindow::Wizard, 0};
    if (config_ != nullptr && (msg.hwnd == config_ || IsChild(config_, msg.hwnd))) {
      if (TranslateAcceleratorA(config_, configShortcuts_, &msg)) continue;
      if (IsDialogMessageA(config_, &msg)) continue;
    } else if (changeLog_ != nullptr && (msg.hwnd == changeLog_ || IsChild(changeLog_, msg.hwnd))) {
      if (TranslateAcceleratorA(changeLog_, changeLogShortcuts_, &msg)) continue;
      if (IsDialogMessageA(changeLog_, &msg)) continue;
    } else if (wizard_ != nullptr && (msg.hwnd == wizard_ || IsChild(wizard_, msg.hwnd))) {
      if (TranslateAcceleratorA(wizard_, shortcuts_.load(), &msg)) continue;
      if (IsDialogMessageA(wizard_, &msg)) continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void Win32Ui::dropPendingEvents() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    // Input is dropped; painting and the like go on, so the window stays drawn.
    bool input = (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
                 (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST);
    if (!input) DispatchMessageA(&msg);
  }
}

}  // namespace vantrel

namespace vantrel {

namespace {

void placeChangeLogControls(HWND window, int width, int height) {
  MoveWindow(GetDlgItem(window, changelog::kBrowser), 10, 10, width - 17, height - 49, TRUE);
  MoveWindow(GetDlgItem(window, changelog::kOkButton), width - 105, height - 31, 90, 25, TRUE);
}

}  // namespace

LRESULT CALLBACK Win32Ui::changeLogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Ui*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_SIZE:
      placeChangeLogControls(window, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_CLOSE:
      if (self != nullptr) self->push({UiEvent::Kind::CloseBox, UiWindow::ChangeLog, 0});
      return 0;
    case WM_COMMAND: {
      if (self == nullptr) break;
      WORD id = LOWORD(wParam);
      if (HIWORD(wParam) == 1 && lParam == 0) {
        self->push({UiEvent::Kind::Action, UiWindow::ChangeLog, id});
      } else if (HIWORD(wParam) == BN_CLICKED && (id == changelog::kOkButton || id == IDOK)) {
        self->push({UiEvent::Kind::Click, UiWindow::ChangeLog, changelog::kOkButton});
      }
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool Win32Ui::createBrowser(const std::string& url, int width, int height) {
  // The system's web browser control needs the HTML engine; without it (Wine
  // here ships none) the page is shown as text instead.
  HMODULE engine = LoadLibraryA("mshtml.dll");
  if (engine == nullptr) return false;
  FreeLibrary(engine);
  HMODULE atl = LoadLibraryA("atl.dll");
  if (atl == nullptr) return false;
  using InitFn = BOOL(WINAPI*)();
  using GetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);
  auto init = reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
  auto getControl = reinterpret_cast<GetControlFn>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")));
  if (init == nullptr || getControl == nullptr || !init()) return false;
  OleInitialize(nullptr);
  HWND browser = CreateWindowExA(0, "AtlAxWin", url.empty() ? "about:blank" : url.c_str(), WS_CHILD | WS_VISIBLE,
                                 10, 10, width - 17, height - 49, changeLog_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(changelog::kBrowser)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (browser == nullptr) return false;
  IUnknown* control = nullptr;
  if (FAILED(getControl(browser, &control)) || control == nullptr) {
    DestroyWindow(browser);
    return false;
  }
  control->Release();
  return true;
}

bool Win32Ui::openChangeLogWindow(const std::string& title, const std::string& url, int width, int height) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = changeLogProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kChangeLogClass;
  RegisterClassExA(&wc);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
  int outerWidth = frame.right - frame.left;
  int outerHeight = frame.bottom - frame.top;
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (wizard_ != nullptr) GetWindowRect(wizard_, &over);
  int x = over.left + ((over.right - over.left) - outerWidth) / 2;
  int y = over.top + ((over.bottom - over.top) - outerHeight) / 2;
  changeLog_ = CreateWindowExA(WS_EX_CONTROLPARENT, kChangeLogClass, title.c_str(), style, x < 0 ? 0 : x,
                               y < 0 ? 0 : y, outerWidth, outerHeight, wizard_, nullptr, instance, nullptr);
  if (changeLog_ == nullptr) return false;
  SetWindowLongPtrA(changeLog_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

  if (!createBrowser(url, width, height)) {
    std::string page;
    std::string path = localPathOfUrl(url);
    if (!path.empty()) os::readWholeFile(path, page);
    std::string text;
    for (char c : pageText(page)) {
      if (c == '\n') text += '\r';
      text += c;
    }
    HWND view = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", text.c_str(),
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 10,
                                10, width - 17, height - 49, changeLog_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(changelog::kBrowser)), instance, nullptr);
    SendMessageA(view, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  HWND ok = CreateWindowExA(0, "BUTTON", "&OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, width - 105,
                            height - 31, 90, 25, changeLog_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(changelog::kOkButton)), instance, nullptr);
  SendMessageA(ok, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, changeLog_, nullptr, instance, nullptr);
  if (tips != nullptr) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = changeLog_;
    tool.uId = reinterpret_cast<UINT_PTR>(ok);
    tool.lpszText = const_cast<char*>("Fenster Schliessen");
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  ACCEL keys[] = {{FVIRTKEY | FALT, 'O', changelog::kActionClose}, {FVIRTKEY, VK_ESCAPE, changelog::kActionClose}};
  changeLogShortcuts_ = CreateAcceleratorTableA(keys, 2);
  ShowWindow(changeLog_, SW_SHOWNORMAL);
  UpdateWindow(changeLog_);
  SetForegroundWindow(changeLog_);
  SetFocus(ok);
  return true;
}

void Win32Ui::closeChangeLogWindow() {
  if (changeLog_ != nullptr) DestroyWindow(changeLog_);
  changeLog_ = nullptr;
  if (changeLogShortcuts_ != nullptr) DestroyAcceleratorTable(changeLogShortcuts_);
  changeLogShortcuts_ = nullptr;
}

bool Win32Ui::primaryDisplaySize(int& width, int& height) {
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return false;
  width = static_cast<int>(mode.dmPelsWidth);
  height = static_cast<int>(mode.dmPelsHeight);
  return true;
}

// No preset name, no filter, one file; the folder must exist, the file need
// not; no read-only check box; the current directory stays as it was.
std::string Win32Ui::askOpenFileName(const std::string& title) {
  std::vector<char> name(4096, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = wizard_;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return {};
  return name.data();
}

// CF_TEXT in a movable block, the clipboard opened without an owner window.
bool Win32Ui::setClipboardText(const std::string& text) {
  if (!OpenClipboard(nullptr)) return false;
  bool placed = false;
  if (EmptyClipboard()) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block != nullptr) {
      if (void* target = GlobalLock(block)) {
        std::memcpy(target, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        placed = SetClipboardData(CF_TEXT, block) != nullptr;
      }
      // The clipboard owns the block once it took it.
      if (!placed) GlobalFree(block);
    }
  }
  CloseClipboard();
  return placed;
}

}  // namespace vantrel
