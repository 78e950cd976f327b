// The checksum front end: one file's MD5 in a box and on the clipboard.
#pragma once

#include <string>
#include <vector>

namespace vantrel {

class Ui;

// Where the checksum library is looked for: first by its plain file name
// (the system's search order for libraries), then at a fixed path.
struct QuilletPlaces {
  std::string plainName;
  std::string fixedPath;
};

// One run: loads the library, takes the path from the first parameter or the
// open-file dialog, shows the checksum (also on the clipboard and the
// debugger line) or the error box, unloads the library. Returns when the run
// is over; the caller ends the process.
void quillviewMain(Ui& ui, const QuilletPlaces& places, const std::vector<std::string>& parameters);

// The clipboard line: "<path>", five blanks, md5: and the checksum text.
std::string clipboardLine(const std::string& path, const std::string& checksum);

}  // namespace vantrel
