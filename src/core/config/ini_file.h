// Reading and writing single values of INI files (Windows-1252 text, CR LF).
#pragma once

#include <string>

namespace vantrel {

// The value of `key` in `[section]` of `file`, or "" when the file, the
// section or the key is missing. Names match without regard to letter case;
// the first occurrence of a section or key counts. Blanks around the value
// and one enclosing pair of equal quotation marks are removed.
std::string readIniValue(const std::string& file, const std::string& section, const std::string& key);

// Sets `key=value` in `[section]` of `file`, creating the file, the section
// or the key as needed and leaving every other line as it was. The value is
// written exactly as passed. The file is replaced in one step, so a crash or
// a full disk leaves the old file whole. True when the write succeeded.
bool writeIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value);

// The same operations on INI text held in memory.
std::string iniValueIn(const std::string& content, const std::string& section, const std::string& key);
std::string iniWithValue(const std::string& content, const std::string& section, const std::string& key,
                         const std::string& value);

}  // namespace vantrel
