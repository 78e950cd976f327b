// The version resource of an executable file, read as the system reads it:
// its first translation and the values of its string table.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace vantrel::os {

class FileVersionResource {
 public:
  FileVersionResource();
  ~FileVersionResource();
  FileVersionResource(const FileVersionResource&) = delete;
  FileVersionResource& operator=(const FileVersionResource&) = delete;

  // Reads the resource of `file`; false when it has none or it cannot be read.
  bool load(const std::string& file);
  // The first entry of "\VarFileInfo\Translation": language and code page.
  bool translation(std::uint16_t& language, std::uint16_t& codePage) const;
  // A text value by its path, e.g. "\\StringFileInfo\\040704B0\\FileVersion"
  // (empty path components are skipped), in Windows-1252.
  bool queryText(const std::string& path, std::string& value) const;
  // The system's display name of a language; empty when it has none.
  std::string languageName(std::uint16_t language) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vantrel::os
