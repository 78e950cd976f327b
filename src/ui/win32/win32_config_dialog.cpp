// The configuration dialog window: its controls, shortcuts and events.
#include "ui/win32/win32_ui.h"

#include <commctrl.h>

#include <vector>

namespace vantrel {

namespace {

using namespace configdialog;

const char* const kConfigClass = "VantrelConfig";

struct DialogControl {
  int id;
  const char* className;
  DWORD style;
  DWORD exStyle;
  int x, y, width, height;
  const char* text;
  const char* tooltip;
};

// In creation order, which is also the order Tab moves in.
const DialogControl kDialogControls[] = {
    {kProxyFrame, "BUTTON", BS_GROUPBOX, 0, 10, 10, 490, 130, "HTTP-Proxy-Einstellungen", nullptr},
    {kServerLabel, "STATIC", SS_LEFT, 0, 20, 40, 90, 20, "Proxy-Server:", nullptr},
    {kServerField, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 110, 40, 180, 20, "",
     "IP-Adresse oder Name des Proxy-Servers"},
    {kPortLabel, "STATIC", SS_LEFT, 0, 300, 40, 50, 20, "Port:", nullptr},
    {kPortField, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 353, 38, 70, 20, "",
     "Port des HTTP-Proxy-Servers"},
    {kUserLabel, "STATIC", SS_LEFT, 0, 20, 70, 70, 20, "Benutzername:", nullptr},
    {kUserField, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 110, 70, 180, 20, "",
     "Benutzername f\xFCr den Proxy-Server"},
    {kPasswordLabel, "STATIC", SS_LEFT, 0, 300, 70, 50, 20, "Passwort:", nullptr},
    {kPasswordField, "EDIT", ES_AUTOHSCROLL | ES_PASSWORD | WS_TABSTOP, WS_EX_CLIENTEDGE, 353, 69, 140, 20, "",
     "Passwort f\xFCr den HTTP-Proxy-Server, korrelierend zum Benutzername"},
    {kUseProxyBox, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 20, 100, 145, 20, "Proxy-Server verwenden",
     "Aktiviert die Verwendung des HTTP-Proxy-Servers"},
    {kSystemProxyBox, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 180, 100, 160, 20, "Systemeinstellung verwenden",
     "\xDC" "bernimmt die Proxy-Konfigurationsdaten des Systems"},
    {kIntervalLabel, "STATIC", SS_LEFT, 0, 20, 160, 120, 20, "\xDC" "berpr\xFC" "fungs-Intervall:", nullptr},
    // A drop-down's height includes its open list; the closed box is 20 high.
    {kIntervalList, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 139, 157, 151, 140, "",
     "Wie h\xE4ufig nach einem Update gesucht werden soll"},
    {kOkButton, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 310, 156, 90, 25, "&OK", "Konfiguration \xFC" "bernehmen"},
    {kCancelButton, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 410, 156, 90, 25, "A&bbrechen",
     "\xC4nderungen verwerfen"},
};

}  // namespace

LRESULT CALLBACK Win32Ui::configProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Ui*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case DM_GETDEFID:
      // Enter presses OK; without this answer the dialog manager would send
      // IDOK, which is the number of the cancel button here.
      return MAKELRESULT(kOkButton, DC_HASDEFID);
    case WM_CLOSE:
      if (self != nullptr) self->push({UiEvent::Kind::CloseBox, UiWindow::ConfigDialog, 0});
      return 0;
    case WM_COMMAND: {
      if (self == nullptr) break;
      WORD id = LOWORD(wParam);
      if (HIWORD(wParam) == 1 && lParam == 0) {  // a shortcut
        self->push({UiEvent::Kind::Action, UiWindow::ConfigDialog, id});
      } else if (HIWORD(wParam) == BN_CLICKED && lParam != 0 &&
                 (id == kOkButton || id == kCancelButton || id == kUseProxyBox || id == kSystemProxyBox)) {
        self->push({UiEvent::Kind::Click, UiWindow::ConfigDialog, id});
      }
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool Win32Ui::openConfigWindow(const std::string& title) {
  if (config_ != nullptr) return false;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = configProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kConfigClass;
  RegisterClassExA(&wc);

  // Title bar with system menu and close box; not resizable.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, 504, 192};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (wizard_ != nullptr) GetWindowRect(wizard_, &over);
  int x = over.left + ((over.right - over.left) - width) / 2;
  int y = over.top + ((over.bottom - over.top) - height) / 2;
  HWND window = CreateWindowExA(WS_EX_CONTROLPARENT, kConfigClass, title.c_str(), style, x < 0 ? 0 : x,
                                y < 0 ? 0 : y, width, height, wizard_, nullptr, instance, nullptr);
  if (window == nullptr) return false;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

  HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const DialogControl& entry : kDialogControls) {
    HWND c = CreateWindowExA(entry.exStyle, entry.className, entry.text, WS_CHILD | WS_VISIBLE | entry.style, entry.x,
                             entry.y, entry.width, entry.height, window,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
    if (c == nullptr) {
      DestroyWindow(window);  // all or nothing
      return false;
    }
    SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (entry.tooltip != nullptr && tips != nullptr) {
      TOOLINFOA tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = window;
      tool.uId = reinterpret_cast<UINT_PTR>(c);
      tool.lpszText = const_cast<char*>(entry.tooltip);
      SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  config_ = window;
  for (const char* entry : {"Nie", "Alle 12 Wochen", "Alle 4 Wochen", "Jede Woche", "T\xE4glich"})
    addIntervalEntry(entry);
  selectIntervalEntry(0);

  ACCEL keys[] = {{FVIRTKEY | FALT, 'O', kActionApply},
                  {FVIRTKEY | FALT, 'B', kActionCancel},
                  {FVIRTKEY, VK_ESCAPE, kActionCancel}};
  configShortcuts_ = CreateAcceleratorTableA(keys, 3);
  ShowWindow(config_, SW_SHOWNORMAL);
  UpdateWindow(config_);
  SetForegroundWindow(config_);
  SetFocus(GetDlgItem(config_, kOkButton));
  return true;
}

void Win32Ui::closeConfigWindow() {
  if (config_ != nullptr) DestroyWindow(config_);
  config_ = nullptr;
  if (configShortcuts_ != nullptr) DestroyAcceleratorTable(configShortcuts_);
  configShortcuts_ = nullptr;
  // The owner comes to the front again.
  if (wizard_ != nullptr) SetForegroundWindow(wizard_);
}

void Win32Ui::setDialogText(int id, const std::string& text) {
  if (config_ != nullptr) SetDlgItemTextA(config_, id, text.c_str());
}

std::string Win32Ui::dialogText(int id) {
  HWND c = config_ != nullptr ? GetDlgItem(config_, id) : nullptr;
  if (c == nullptr) return {};
  int length = GetWindowTextLengthA(c);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(c, buffer.data(), length + 1);
  return buffer.data();
}

void Win32Ui::setDialogChecked(int id, bool checked) {
  if (config_ != nullptr) CheckDlgButton(config_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32Ui::dialogChecked(int id) {
  return config_ != nullptr && IsDlgButtonChecked(config_, id) == BST_CHECKED;
}

void Win32Ui::setDialogEnabled(int id, bool enabled) {
  if (HWND c = config_ != nullptr ? GetDlgItem(config_, id) : nullptr) EnableWindow(c, enabled ? TRUE : FALSE);
}

void Win32Ui::addIntervalEntry(const std::string& text) {
  if (config_ != nullptr) SendDlgItemMessageA(config_, kIntervalList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32Ui::selectIntervalEntry(int index) {
  if (config_ != nullptr) SendDlgItemMessageA(config_, kIntervalList, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32Ui::selectedIntervalEntry() {
  if (config_ == nullptr) return -1;
  return static_cast<int>(SendDlgItemMessageA(config_, kIntervalList, CB_GETCURSEL, 0, 0));
}

}  // namespace vantrel
