// The clipboard as the console front end reaches it.
#pragma once

#include <string>

namespace vantrel {

// Puts the UTF-8 text on the desktop's clipboard through the first of
// wl-copy (Wayland), xclip and xsel (X11) that is installed, has its display
// and succeeds; without one, sends it to the terminal as the clipboard
// escape (OSC 52), which terminals that allow it place on the clipboard.
// False when neither a tool nor a terminal took it.
bool copyToClipboard(const std::string& utf8Text);

}  // namespace vantrel
