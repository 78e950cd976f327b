// The console front end: boxes and windows as text, answers from stdin.
#pragma once

#include "ui/console/console_io.h"
#include "ui/ui.h"

namespace vantrel {

class ConsoleUi : public Ui {
 public:
  explicit ConsoleUi(ConsoleIo& io = ConsoleIo::instance()) : io_(io) {}

  MessageAnswer messageBox(const std::string& title, const std::string& text, MessageIcon icon,
                           MessageButtons buttons) override;

  // Every line break (CR LF, LF CR, lone LF or CR) as one newline.
  static std::string normaliseLineBreaks(const std::string& text);

 private:
  ConsoleIo& io_;
};

}  // namespace vantrel
