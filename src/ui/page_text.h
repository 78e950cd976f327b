// A web page as plain text, for front ends that cannot show the page itself.
#pragma once

#include <string>

namespace vantrel {

// The page's bytes are read as UTF-8 when they are valid UTF-8 with
// multi-byte characters, else as Windows-1252. Tags removed, paragraphs and line breaks as LF, the common entities
// decoded (to Windows-1252), runs of blanks and blank lines collapsed; script
// and style contents dropped.
std::string pageText(const std::string& html);

// The local path of a "file:\\" (or "file://") URL; empty for other URLs.
std::string localPathOfUrl(const std::string& url);

}  // namespace vantrel
