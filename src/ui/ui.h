// The user, as the program sees it: every box and window goes through here.
// Each front end (console, Win32) implements it; tests script it.
#pragma once

#include <string>

namespace vantrel {

enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Ui {
 public:
  virtual ~Ui() = default;

  // A modal message box; returns when the user closed it. Title and text are
  // Windows-1252; line breaks in the text are CR LF.
  virtual MessageAnswer messageBox(const std::string& title, const std::string& text, MessageIcon icon,
                                   MessageButtons buttons) = 0;
};

}  // namespace vantrel
