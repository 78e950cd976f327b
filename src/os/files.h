// File primitives: the size probe, whole-file reads, crash-safe replacement,
// appending, listing and deleting.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::os {

// -1: empty path or nothing there; -2: a directory (a drive root included);
// otherwise the file's size in bytes. Trailing separators are ignored.
std::int64_t fileSizeOf(const std::string& path);

// True when the path names an existing file (not a directory).
bool fileExists(const std::string& path);

// Reads the whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& content);

// Writes content to a new file beside `path` and moves it over `path` in one
// step, so that a reader sees either the old or the new file, never a torn
// one. A read-only target is left alone (false), as an in-place write would be.
bool replaceFileContent(const std::string& path, const std::string& content);

// Appends bytes to the file, creating it when missing; others may read it
// meanwhile. Opened and closed within the call.
bool appendToFile(const std::string& path, const std::string& bytes);

// Names of the plain files directly in `dir` (no subdirectories).
std::vector<std::string> listFiles(const std::string& dir);

bool deleteFile(const std::string& path);

}  // namespace vantrel::os
