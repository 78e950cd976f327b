// The Windows front end: real message boxes and windows.
#pragma once

#include "ui/ui.h"

namespace vantrel {

class Win32Ui : public Ui {
 public:
  MessageAnswer messageBox(const std::string& title, const std::string& text, MessageIcon icon,
                           MessageButtons buttons) override;

  // The window that boxes are modal over (none before the wizard opens).
  void setOwner(void* window) { owner_ = window; }

 private:
  void* owner_ = nullptr;
};

}  // namespace vantrel
