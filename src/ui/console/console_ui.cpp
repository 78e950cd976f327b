#include "ui/console/console_ui.h"

#include "core/text/text.h"

namespace vantrel {

std::string ConsoleUi::normaliseLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      out += '\n';
      if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c) ++i;
    } else {
      out += c;
    }
  }
  return out;
}

MessageAnswer ConsoleUi::messageBox(const std::string& title, const std::string& text, MessageIcon /*icon*/,
                                    MessageButtons buttons) {
  std::string body = normaliseLineBreaks(text);
  if (body.empty() || body.back() != '\n') body += '\n';
  io_.print("=== " + title + " ===\n" + body);
  if (buttons == MessageButtons::Ok) {
    io_.print("[OK]\n");
    return MessageAnswer::Ok;
  }
  while (true) {
    std::optional<std::string> line = io_.readLine("[j/n] ");
    if (!line) return MessageAnswer::No;
    std::string answer = toLowerAnsi(trimBlanks(*line));
    if (answer == "j" || answer == "ja" || answer == "y" || answer == "yes") return MessageAnswer::Yes;
    if (answer == "n" || answer == "nein" || answer == "no") return MessageAnswer::No;
  }
}

}  // namespace vantrel
