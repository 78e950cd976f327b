// Fields of an executable's version resource.
#pragma once

#include <string>

namespace vantrel {

enum VersionField : int {
  kFieldFileVersion = 1,
  kFieldFileDescription = 2,
  kFieldLegalCopyright = 4,
  kFieldInternalName = 8,
  kFieldOriginalFilename = 16,
  kFieldProductName = 32,
  kFieldProductVersion = 64,
  kFieldCompanyName = 128,
  kFieldLegalTrademarks = 256,
  kFieldSpecialBuild = 512,
  kFieldPrivateBuild = 1024,
  kFieldComments = 2048,
  kFieldLanguage = 4096,
};

// The field's name for a single bit; empty for any other value.
std::string versionFieldName(int bit);

// The values of the requested fields that the file's version resource has,
// in ascending bit order, one per line (LF between them); with names each as
// "name:\tvalue". Empty when the file is missing or empty or has no resource.
std::string readFileVersionInfo(const std::string& file, int fields, bool withNames);

}  // namespace vantrel
