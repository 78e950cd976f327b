#include "ui/win32/win32_ui.h"

#include <windows.h>

namespace vantrel {

MessageAnswer Win32Ui::messageBox(const std::string& title, const std::string& text, MessageIcon icon,
                                  MessageButtons buttons) {
  UINT style = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
  switch (icon) {
    case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
    case MessageIcon::Warning: style |= MB_ICONWARNING; break;
    case MessageIcon::Error: style |= MB_ICONERROR; break;
    case MessageIcon::Question: style |= MB_ICONQUESTION; break;
  }
  int result = MessageBoxA(static_cast<HWND>(owner_), text.c_str(), title.c_str(), style);
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  return result == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace vantrel
