#include "ui/console/console_ui.h"

#include <chrono>
#include <thread>

#include "core/text/text.h"
#include "os/console.h"
#include "os/files.h"
#include "ui/page_text.h"
#include "ui/console/console_clipboard.h"

namespace vantrel {

namespace {

const char* pictureName(StepPicture p) {
  switch (p) {
    case StepPicture::Pending: return "wartet";
    case StepPicture::Working: return "l\xE4uft";
    case StepPicture::Done: return "erledigt";
    case StepPicture::Failed: return "fehlgeschlagen";
  }
  return "";
}

// A button's label without its shortcut marker.
std::string plainLabel(const std::string& text) { return replaceAll(text, "&", ""); }

}  // namespace

ConsoleUi::ConsoleUi(ConsoleIo& io) : io_(io) {
  labels_ = {"Suche nach aktuellem Update", "Herunterladen des Updates", "Einspielen des Updates"};
  statuses_ = {"...", "...", "..."};
  buttons_ = {Button{wizard::kConfigButton, "&Konfigurieren"}, Button{wizard::kCancelButton, "A&bbrechen"},
              Button{wizard::kNextButton, "&Weiter"}};
}

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
  io_.printLine("=== " + title + " ===\n" + body);
  if (buttons == MessageButtons::Ok) {
    io_.print("[OK]\n");
    return MessageAnswer::Ok;
  }
  while (true) {
    std::optional<std::string> line = io_.readLine("[j/n] ", InputWaiter::Question);
    if (!line) return MessageAnswer::No;
    std::string answer = toLowerAnsi(trimBlanks(*line));
    if (answer == "j" || answer == "ja" || answer == "y" || answer == "yes") return MessageAnswer::Yes;
    if (answer == "n" || answer == "nein" || answer == "no") return MessageAnswer::No;
  }
}

ConsoleUi::Button* ConsoleUi::button(int id) {
  for (Button& b : buttons_)
    if (b.id == id) return &b;
  return nullptr;
}

void ConsoleUi::printRow(int row) {
  io_.printLine("Schritt " + std::to_string(row + 1) + ": [" + pictureName(shown_[row]) + "] " + labels_[row] +
                "  " + statuses_[row] + "\n");
}

void ConsoleUi::printButton(const Button& b) {
  io_.printLine("Schaltfl\xE4" "che " + plainLabel(b.text) + ": " + (b.enabled ? "aktiv" : "gesperrt") + "\n");
}

bool ConsoleUi::openMainWindow(const std::string& title) {
  std::lock_guard<std::mutex> lock(mutex_);
  open_ = true;
  io_.printLine("*** " + title + " ***\n");
  for (int row = 0; row < 3; ++row) printRow(row);
  for (const Button& b : buttons_) printButton(b);
  return true;
}

void ConsoleUi::closeMainWindow() {
  std::lock_guard<std::mutex> lock(mutex_);
  open_ = false;
}

void ConsoleUi::setControlText(int id, const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (id >= wizard::kStepStatus1 && id < wizard::kStepStatus1 + 3) {
    int row = id - wizard::kStepStatus1;
    if (statuses_[row] == text) return;
    statuses_[row] = text;
    printRow(row);
  } else if (Button* b = button(id)) {
    if (b->text == text) return;
    b->text = text;
    printButton(*b);
  }
}

void ConsoleUi::setControlEnabled(int id, bool enabled) {
  std::lock_guard<std::mutex> lock(mutex_);
  Button* b = button(id);
  if (b == nullptr || b->enabled == enabled) return;
  b->enabled = enabled;
  printButton(*b);
}

void ConsoleUi::setWizardEnabled(bool enabled) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (windowEnabled_ == enabled) return;
  windowEnabled_ = enabled;
  io_.printLine(std::string("Fenster: ") + (enabled ? "freigegeben" : "gesperrt") + "\n");
}

void ConsoleUi::chooseStepPicture(int row, StepPicture picture) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (row >= 1 && row <= 3) chosen_[row - 1] = picture;
}

void ConsoleUi::refreshStepIcons() {
  std::lock_guard<std::mutex> lock(mutex_);
  for (int row = 0; row < 3; ++row) {
    if (shown_[row] == chosen_[row]) continue;
    shown_[row] = chosen_[row];
    printRow(row);
  }
}

void ConsoleUi::setProgress(int value) {
  std::lock_guard<std::mutex> lock(mutex_);
  value = value < 0 ? 0 : value > 100 ? 100 : value;
  progress_ = value;
  if (os::standardOutputIsTerminal()) {
    if (value == printedProgress_) return;
    printedProgress_ = value;
    std::string bar(static_cast<std::size_t>(value / 5), '#');
    bar.resize(20, ' ');
    char percent[8];
    std::snprintf(percent, sizeof percent, "%3d%%", value);
    io_.print("\rFortschritt: [" + bar + "] " + percent);
    return;
  }
  // Not a terminal: one line per change of ten points.
  if (printedProgress_ >= 0 && value / 10 == printedProgress_ / 10) return;
  printedProgress_ = value;
  io_.printLine("Fortschritt: " + std::to_string(value) + "%\n");
}

int ConsoleUi::progress() {
  std::lock_guard<std::mutex> lock(mutex_);
  return progress_;
}

void ConsoleUi::useFinishShortcuts() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    finishShortcuts_ = true;
  }
  io_.reprompt();
}

UiEvent ConsoleUi::eventForCommand(const std::string& line) {
  std::lock_guard<std::mutex> lock(mutex_);
  const std::string command = toLowerAnsi(trimBlanks(line));
  UiEvent event;
  event.window = UiWindow::Wizard;
  auto click = [&](int id) {
    Button* b = button(id);
    if (b != nullptr && !b->enabled) return;  // a disabled button does nothing
    event.kind = UiEvent::Kind::Click;
    event.id = id;
  };
  auto action = [&](int id) {
    event.kind = UiEvent::Kind::Action;
    event.id = id;
  };
  if (command == "weiter") click(wizard::kNextButton);
  else if (command == "konfigurieren") click(wizard::kConfigButton);
  else if (command == "abbrechen") click(wizard::kCancelButton);
  else if (command == "banner") click(wizard::kBannerImage);
  else if (command == "x") event.kind = UiEvent::Kind::CloseBox;
  else if (command == "f1") action(wizard::kActionAbout);
  else if (command == "f2") action(wizard::kActionSystemInfo);
  else if (command == "k") action(wizard::kActionConfigure);
  else if (command == "b") action(wizard::kActionLeave);
  else if (command == "w" && !finishShortcuts_) action(wizard::kActionNext);
  else if (command == "e" && finishShortcuts_) action(wizard::kActionNext);
  else if (command == "esc") action(finishShortcuts_ ? wizard::kActionNext : wizard::kActionLeave);
  if (!windowEnabled_) event.kind = UiEvent::Kind::Other;  // a disabled window takes no input
  return event;
}

bool ConsoleUi::openChangeLogWindow(const std::string& title, const std::string& url, int /*width*/,
                                    int /*height*/) {
  std::string page;
  std::string path = localPathOfUrl(url);
  if (!path.empty()) os::readWholeFile(path, page);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    changeLogOpen_ = true;
    changeLogThread_ = std::this_thread::get_id();
  }
  io_.printLine("+++ " + title + " +++\n" + pageText(page));
  return true;
}

void ConsoleUi::closeChangeLogWindow() {
  std::lock_guard<std::mutex> lock(mutex_);
  changeLogOpen_ = false;
}

void ConsoleUi::setBusy(bool busy) {
  busy_ = busy;
  if (!busy) io_.reprompt();
}

bool ConsoleUi::primaryDisplaySize(int& /*width*/, int& /*height*/) { return false; }

UiEvent ConsoleUi::waitForEvent() {
  bool forChangeLog;
  bool forDialog;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    forChangeLog = changeLogOpen_ && changeLogThread_ == std::this_thread::get_id();
    forDialog = dialog_.open && dialog_.thread == std::this_thread::get_id();
  }
  // The dialog's lines go to the thread that opened it.
  if (forDialog && !forChangeLog) return waitForDialogEvent();
  while (forChangeLog) {
    // The change-log window's events go to the thread that opened it.
    std::optional<std::string> line = io_.readLine("changelog> ", InputWaiter::Dialog);
    UiEvent event;
    event.window = UiWindow::ChangeLog;
    std::string command = line ? toLowerAnsi(trimBlanks(*line)) : "x";
    if (command == "ok") {
      event.kind = UiEvent::Kind::Click;
      event.id = changelog::kOkButton;
    } else if (command == "esc") {
      event.kind = UiEvent::Kind::Action;
      event.id = changelog::kActionClose;
    } else if (command == "x") {
      event.kind = UiEvent::Kind::CloseBox;
    } else {
      continue;
    }
    return event;
  }
  while (true) {
    // While a phase works only F1 and the banner are the wizard's; other
    // lines wait for the phase's next question.
    std::optional<std::string> line = io_.readLine("wizard> ", InputWaiter::Wizard, [this](const std::string& l) {
      if (!busy_) return true;
      std::string c = toLowerAnsi(trimBlanks(l));
      return c == "f1" || c == "banner";
    });
    if (!line) {
      // End of input is the close box. While a phase works it is dropped and
      // asked for again: don't spin.
      if (endOfInputSeen_) std::this_thread::sleep_for(std::chrono::milliseconds(50));
      endOfInputSeen_ = true;
      UiEvent event;
      event.kind = UiEvent::Kind::CloseBox;
      event.window = UiWindow::Wizard;
      return event;
    }
    UiEvent event = eventForCommand(*line);
    if (event.kind != UiEvent::Kind::Other) return event;
  }
}

std::string ConsoleUi::askOpenFileName(const std::string& title) {
  io_.print("*** " + title + " ***\n");
  while (true) {
    std::optional<std::string> line = io_.readLine("datei> ");
    if (!line) {
      io_.print("\n");  // end the prompt's line, as a typed line would
      return {};
    }
    if (!line->empty()) return *line;
  }
}

bool ConsoleUi::setClipboardText(const std::string& text) { return copyToClipboard(ansiToUtf8(text)); }

}  // namespace vantrel
