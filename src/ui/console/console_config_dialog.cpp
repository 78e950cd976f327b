// The configuration dialog on the console: its fields as lines, and
// "feld=wert" lines, "ok", "abbrechen", "esc" or "x" as its input.
#include <string>

#include "core/text/text.h"
#include "ui/console/console_ui.h"

namespace vantrel {

namespace {

using namespace configdialog;

struct Field {
  const char* key;
  int id;
  int label;
  const char* text;
};

const Field kTextFields[] = {
    {"server", kServerField, kServerLabel, "Proxy-Server:"},
    {"port", kPortField, kPortLabel, "Port:"},
    {"user", kUserField, kUserLabel, "Benutzername:"},
    {"password", kPasswordField, kPasswordLabel, "Passwort:"},
};

const Field kCheckBoxes[] = {
    {"proxy", kUseProxyBox, kUseProxyBox, "Proxy-Server verwenden"},
    {"system", kSystemProxyBox, kSystemProxyBox, "Systemeinstellung verwenden"},
};

// "ja" / "nein" (also "j", "y", "yes", "n", "no"); -1 for anything else.
int yesNo(const std::string& value) {
  std::string v = toLowerAnsi(trimBlanks(value));
  if (v == "ja" || v == "j" || v == "y" || v == "yes") return 1;
  if (v == "nein" || v == "n" || v == "no") return 0;
  return -1;
}

}  // namespace

bool ConsoleUi::openConfigWindow(const std::string& title) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (dialog_.open) return false;
    dialog_ = DialogState{};
    dialog_.open = true;
    dialog_.thread = std::this_thread::get_id();
    dialog_.title = title;
    dialog_.entries = {"Nie", "Alle 12 Wochen", "Alle 4 Wochen", "Jede Woche", "T\xE4glich"};
    dialog_.selected = 0;
  }
  io_.printLine("*** " + title + " ***\n");
  return true;
}

void ConsoleUi::closeConfigWindow() {
  std::lock_guard<std::mutex> lock(mutex_);
  dialog_.open = false;
}

void ConsoleUi::setDialogText(int id, const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  dialog_.texts[id] = text;
}

std::string ConsoleUi::dialogText(int id) {
  std::lock_guard<std::mutex> lock(mutex_);
  return dialog_.texts[id];
}

void ConsoleUi::setDialogChecked(int id, bool checked) {
  std::lock_guard<std::mutex> lock(mutex_);
  dialog_.checks[id] = checked;
}

bool ConsoleUi::dialogChecked(int id) {
  std::lock_guard<std::mutex> lock(mutex_);
  return dialog_.checks[id];
}

void ConsoleUi::setDialogEnabled(int id, bool enabled) {
  std::lock_guard<std::mutex> lock(mutex_);
  dialog_.disabled[id] = !enabled;
}

void ConsoleUi::addIntervalEntry(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  dialog_.entries.push_back(text);
}

void ConsoleUi::selectIntervalEntry(int index) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (index >= 0 && index < static_cast<int>(dialog_.entries.size())) dialog_.selected = index;
}

int ConsoleUi::selectedIntervalEntry() {
  std::lock_guard<std::mutex> lock(mutex_);
  return dialog_.selected;
}

// One line per field, with the key that sets it; the password masked.
void ConsoleUi::printDialog() {
  std::string out;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const Field& f : kTextFields) {
      std::string value = dialog_.texts[f.id];
      if (f.id == kPasswordField) value = std::string(value.size(), '*');
      out += std::string("  ") + f.text + " " + value + "  (" + f.key + "=)" +
             (dialog_.disabled[f.id] ? " gesperrt" : "") + "\n";
    }
    for (const Field& f : kCheckBoxes) {
      out += std::string("  [") + (dialog_.checks[f.id] ? "x" : " ") + "] " + f.text + "  (" + f.key + "=ja|nein)" +
             (dialog_.disabled[f.id] ? " gesperrt" : "") + "\n";
    }
    out += "  \xDC" "berpr\xFC" "fungs-Intervall: ";
    if (dialog_.selected >= 0 && dialog_.selected < static_cast<int>(dialog_.entries.size()))
      out += dialog_.entries[dialog_.selected];
    out += "  (intervall=";
    for (std::size_t i = 0; i < dialog_.entries.size(); ++i)
      out += (i == 0 ? "" : ", ") + std::to_string(i) + " " + dialog_.entries[i];
    out += ")\n  [OK] [Abbrechen]\n";
  }
  io_.printLine(out);
}

UiEvent ConsoleUi::dialogEventForLine(const std::string& line) {
  UiEvent event;
  event.window = UiWindow::ConfigDialog;
  std::string command = toLowerAnsi(trimBlanks(line));
  if (command == "ok") {
    event.kind = UiEvent::Kind::Click;
    event.id = kOkButton;
  } else if (command == "abbrechen") {
    event.kind = UiEvent::Kind::Click;
    event.id = kCancelButton;
  } else if (command == "esc" || command == "b") {  // Escape, Alt+B
    event.kind = UiEvent::Kind::Action;
    event.id = kActionCancel;
  } else if (command == "o") {  // Alt+O
    event.kind = UiEvent::Kind::Action;
    event.id = kActionApply;
  } else if (command == "x") {
    event.kind = UiEvent::Kind::CloseBox;
  }
  if (event.kind != UiEvent::Kind::Other) return event;

  std::size_t eq = line.find('=');
  if (eq == std::string::npos) return event;
  std::string key = toLowerAnsi(trimBlanks(line.substr(0, eq)));
  std::string value = line.substr(eq + 1);  // the value as typed, blanks kept
  std::lock_guard<std::mutex> lock(mutex_);
  for (const Field& f : kTextFields) {
    if (key == f.key && !dialog_.disabled[f.id]) dialog_.texts[f.id] = value;
  }
  for (const Field& f : kCheckBoxes) {
    if (key != f.key || dialog_.disabled[f.id]) continue;
    int state = yesNo(value);
    // Only a change of state is a click.
    if (state < 0 || (state == 1) == dialog_.checks[f.id]) continue;
    dialog_.checks[f.id] = state == 1;
    event.kind = UiEvent::Kind::Click;
    event.id = f.id;
  }
  if (key == "intervall" && !dialog_.disabled[kIntervalList]) {
    std::string digits(trimBlanks(value));
    if (!digits.empty() && digits.size() < 4 && digits.find_first_not_of("0123456789") == std::string::npos) {
      int index = std::stoi(digits);
      if (index < static_cast<int>(dialog_.entries.size())) dialog_.selected = index;
    }
  }
  return event;
}

UiEvent ConsoleUi::waitForDialogEvent() {
  while (true) {
    printDialog();
    std::optional<std::string> line = io_.readLine("konfiguration> ", InputWaiter::Dialog);
    if (!line) return UiEvent{UiEvent::Kind::CloseBox, UiWindow::ConfigDialog, 0};  // end of input: the close box
    UiEvent event = dialogEventForLine(*line);
    if (event.kind != UiEvent::Kind::Other) return event;
  }
}

}  // namespace vantrel
