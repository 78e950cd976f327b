// Unpacking the update archive (zip) into the product's directory.
#pragma once

#include <functional>
#include <string>

namespace vantrel {

class Ui;

// Case-insensitive wildcard match ('*', '?') of a file name; a name without
// a dot is matched as if it ended in one, so "*.*" takes every file.
bool matchesPattern(const std::string& fileName, const std::string& pattern);

// The entry's name as it is written below the destination: '/' and '\' as
// the platform's separator, a drive part ("C:\") dropped, leading separators
// dropped. Empty when the name would leave the destination ("..").
std::string entryTarget(const std::string& name, char separator);

using ExtractProgress = std::function<void(const std::string& name, double percent)>;

// Writes the archive's files below `destination`, keeping their folders when
// `keepDirectories` is set, with their stored times and attributes; reports
// after every entry. Returns the number of files written (0 when the archive
// cannot be opened).
int extractArchive(const std::string& archive, const std::string& pattern, const std::string& destination,
                   bool keepDirectories, const ExtractProgress& progress);

// Logs the entry and its percentage, moves the progress bar and drops the
// window events that are pending for the calling thread.
int reportExtractProgress(Ui& ui, const std::string& name, double percent);

}  // namespace vantrel
