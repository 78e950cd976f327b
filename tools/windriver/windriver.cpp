// Drives the windows of other programs for the Windows end-to-end tests.
//
//   windriver [-t MS] wait TITLE        wait for a visible top-level window whose
//                                       title contains TITLE; print its title
//   windriver [-t MS] gone TITLE        wait until no such window is left
//   windriver [-t MS] text TITLE [ID]   print the text of control ID, or without
//                                       ID every non-empty static text (a box's text)
//   windriver [-t MS] controls TITLE    list the child controls: id, class, text, state
//                                       (and for a check box: checked or unchecked)
//   windriver [-t MS] click TITLE ID    press the button ID (as a click does; a check
//                                       box toggles)
//   windriver [-t MS] key TITLE VK [alt]  send a key (virtual-key code, decimal)
//   windriver [-t MS] settext TITLE ID TEXT  set the text of control ID (as typing does)
//   windriver clipboard                 print the clipboard's text (CF_TEXT, in the
//                                       ANSI code page); exit code 1 when it holds none
//
// Every command first waits for its window, at most MS milliseconds (10000
// when not given). Output is UTF-8, line breaks as they stand in the texts.
// Exit code 0 on success, 1 when the window did not appear in time or the
// control does not exist, 2 on a usage error.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

void print(const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// A control's text by WM_GETTEXT: GetWindowText only sees the caption of a
// window of another process, not an edit control's contents.
std::wstring windowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                      &got);
  text.resize(static_cast<std::size_t>(got));
  return text;
}

struct Search {
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (!IsWindowVisible(window)) return TRUE;
  if (windowText(window).find(search->title) != std::wstring::npos) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND findWindow(const wchar_t* title) {
  Search search{title, nullptr};
  EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND waitForWindow(const wchar_t* title, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (true) {
    if (HWND window = findWindow(title)) return window;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(50);
  }
}

BOOL CALLBACK collectChild(HWND child, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
  return TRUE;
}

std::vector<HWND> children(HWND window) {
  std::vector<HWND> list;
  EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&list));
  return list;
}

std::wstring className(HWND window) {
  wchar_t name[256];
  int n = GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<std::size_t>(n > 0 ? n : 0));
}

// "\tchecked" or "\tunchecked" for a check box or radio button, else "".
std::string checkState(HWND control) {
  if (_wcsicmp(className(control).c_str(), L"Button") != 0) return {};
  LONG_PTR kind = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
  if (kind != BS_CHECKBOX && kind != BS_AUTOCHECKBOX && kind != BS_RADIOBUTTON && kind != BS_AUTORADIOBUTTON) return {};
  return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "\tchecked" : "\tunchecked";
}

int printClipboard() {
  if (!OpenClipboard(nullptr)) return 1;
  int result = 1;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* text = static_cast<const char*>(GlobalLock(data))) {
      int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
      std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
      MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
      wide.resize(wcslen(wide.c_str()));
      print(utf8(wide));
      GlobalUnlock(data);
      result = 0;
    }
  }
  CloseClipboard();
  return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  DWORD timeout = 10000;
  if (argc > 2 && std::wstring(argv[1]) == L"-t") {
    timeout = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
    argc -= 2;
    argv += 2;
  }
  if (argc >= 2 && std::wstring(argv[1]) == L"clipboard") return printClipboard();
  if (argc < 3) {
    print("usage: windriver wait|gone|text|controls|click|key|settext TITLE ... | clipboard\n");
    return 2;
  }
  std::wstring command = argv[1];
  const wchar_t* title = argv[2];

  if (command == L"gone") {
    DWORD start = GetTickCount();
    while (findWindow(title) != nullptr) {
      if (GetTickCount() - start > timeout) return 1;
      Sleep(50);
    }
    return 0;
  }

  bool alt = command == L"key" && argc > 4 && std::wstring(argv[4]) == L"alt";
  HWND window = waitForWindow(title, timeout);
  if (window == nullptr) {
    print("window not found\n");
    return 1;
  }
  // Give the window a moment to finish building its controls.
  Sleep(200);

  if (command == L"wait") {
    print(utf8(windowText(window)) + "\n");
    return 0;
  }
  if (command == L"text") {
    if (argc > 3) {
      HWND control = GetDlgItem(window, static_cast<int>(std::wcstol(argv[3], nullptr, 10)));
      if (control == nullptr) return 1;
      print(utf8(windowText(control)));
      return 0;
    }
    std::string out;
    for (HWND child : children(window)) {
      if (_wcsicmp(className(child).c_str(), L"Static") != 0) continue;
      std::wstring text = windowText(child);
      if (text.empty()) continue;
      if (!out.empty()) out += "\n";
      out += utf8(text);
    }
    print(out);
    return 0;
  }
  if (command == L"controls") {
    for (HWND child : children(window)) {
      char line[64];
      std::snprintf(line, sizeof line, "%d\t", GetDlgCtrlID(child));
      print(line + utf8(className(child)) + "\t" + utf8(windowText(child)) + "\t" +
            (IsWindowEnabled(child) ? "enabled" : "disabled") + checkState(child) + "\n");
    }
    return 0;
  }
  if (command == L"click" && argc > 3) {
    int id = static_cast<int>(std::wcstol(argv[3], nullptr, 10));
    HWND button = GetDlgItem(window, id);
    // A check box toggles itself on a click and then tells its window.
    LONG_PTR kind = button != nullptr ? (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) : 0;
    if (_wcsicmp(className(button).c_str(), L"Button") == 0 && (kind == BS_AUTOCHECKBOX || kind == BS_AUTORADIOBUTTON))
      PostMessageW(button, BM_CLICK, 0, 0);
    else
      PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return 0;
  }
  if (command == L"key" && argc > 3) {
    WPARAM vk = static_cast<WPARAM>(std::wcstoul(argv[3], nullptr, 10));
    UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
    LPARAM flags = alt ? (1 << 29) : 0;
    SetForegroundWindow(window);
    HWND target = GetFocus() != nullptr ? GetFocus() : window;
    PostMessageW(target, down, vk, 1 | flags);
    PostMessageW(target, up, vk, static_cast<LPARAM>(1 | flags | (1u << 30) | (1u << 31)));
    return 0;
  }
  if (command == L"settext" && argc > 4) {
    HWND control = GetDlgItem(window, static_cast<int>(std::wcstol(argv[3], nullptr, 10)));
    if (control == nullptr) return 1;
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
    return 0;
  }
  print("usage error\n");
  return 2;
}
