#include "quillview/quillview.h"

#include "os/debug_output.h"
#include "os/files.h"
#include "os/shared_library.h"
#include "quillet/quillet.h"
#include "ui/ui.h"

namespace vantrel {

namespace {

// Holds the loaded library and unloads it when the run is over.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(const QuilletPlaces& places) {
    handle_ = os::loadLibrary(places.plainName);
    if (handle_ == nullptr) handle_ = os::loadLibrary(places.fixedPath);
  }
  ~LoadedLibrary() { os::unloadLibrary(handle_); }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  bool loaded() const { return handle_ != nullptr; }

  // The library's answer for `path`, copied at once (the library owns it);
  // empty when the library has no export "quillet".
  std::string checksum(const std::string& path) const {
    auto function = reinterpret_cast<QuilletFunction>(os::findExport(handle_, "quillet"));
    if (function == nullptr) return {};
    const char* text = function(path.c_str());
    return text == nullptr ? std::string() : std::string(text);
  }

 private:
  os::LibraryHandle handle_ = nullptr;
};

}  // namespace

std::string clipboardLine(const std::string& path, const std::string& checksum) {
  return "\"" + path + "\"     md5:" + checksum;
}

void quillviewMain(Ui& ui, const QuilletPlaces& places, const std::vector<std::string>& parameters) {
  LoadedLibrary library(places);
  if (!library.loaded()) {
    ui.messageBox("Programmabbruch", "quillet.dll konnte nicht gefunden werden.", MessageIcon::None,
                  MessageButtons::Ok);
    return;
  }

  std::string path = parameters.empty() ? std::string() : parameters.front();
  if (path.empty()) path = ui.askOpenFileName("Datei f\xFCr md5-Berechnung angeben");

  if (os::fileSizeOf(path) > 0) {
    std::string checksum = library.checksum(path);
    std::string line = clipboardLine(path, checksum);
    os::debugOutput(line);
    ui.setClipboardText(line);  // a clipboard that cannot be had is not reported
    ui.messageBox("Information",
                  "Datei:\n\n" + path + "\n\nmd5-Wert:\n\n" + checksum +
                      "\n\nDie Daten befinden sich f\xFCr die weitere Verwendung in der Zwischenablage.",
                  MessageIcon::Information, MessageButtons::Ok);
  } else {
    ui.messageBox("Fehler",
                  "Datei: '" + path + "' ist keine g\xFCltige Datei! MD5-Summe konnte nicht berechnet werden.",
                  MessageIcon::None, MessageButtons::Ok);
  }
}

}  // namespace vantrel
