#include "core/support/version_info.h"

#include <cstdio>

#include "os/file_version.h"
#include "os/files.h"

namespace vantrel {

std::string versionFieldName(int bit) {
  switch (bit) {
    case kFieldFileVersion: return "FileVersion";
    case kFieldFileDescription: return "FileDescription";
    case kFieldLegalCopyright: return "LegalCopyright";
    case kFieldInternalName: return "InternalName";
    case kFieldOriginalFilename: return "OriginalFilename";
    case kFieldProductName: return "ProductName";
    case kFieldProductVersion: return "ProductVersion";
    case kFieldCompanyName: return "CompanyName";
    case kFieldLegalTrademarks: return "LegalTrademarks";
    case kFieldSpecialBuild: return "SpecialBuild";
    case kFieldPrivateBuild: return "PrivateBuild";
    case kFieldComments: return "Comments";
    case kFieldLanguage: return "Language";
    default: return {};
  }
}

std::string readFileVersionInfo(const std::string& file, int fields, bool withNames) {
  if (os::fileSizeOf(file) <= 0) return {};
  os::FileVersionResource resource;
  if (!resource.load(file)) return {};

  std::string result;
  std::string lang;
  std::string languageName;
  std::uint16_t language = 0;
  std::uint16_t codePage = 0;
  if (resource.translation(language, codePage)) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%04X%04X", language, codePage);
    lang = digits;
    languageName = resource.languageName(language);
  }
  auto append = [&](const std::string& name, const std::string& value) {
    if (!result.empty()) result += '\n';
    result += withNames ? name + ":\t" + value : value;
  };
  for (int bit = 1; bit <= kFieldComments; bit *= 2) {
    if ((fields & bit) == 0 || lang.empty()) continue;
    const std::string name = versionFieldName(bit);
    std::string value;
    if (resource.queryText("\\\\StringFileInfo\\\\" + lang + "\\\\" + name, value)) append(name, value);
  }
  if ((fields & kFieldLanguage) != 0) append("Language", languageName);
  return result;
}

}  // namespace vantrel
