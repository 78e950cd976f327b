#include "support/log_capture.h"

#include <algorithm>

#include "core/support/log.h"
#include "core/text/text.h"
#include "os/files.h"

namespace vantrel::test {

namespace {

std::string logContent() {
  std::string content;
  os::readWholeFile(processLog().path(), content);
  return content;
}

}  // namespace

LogCapture::LogCapture() {
  writeLog("--- test log capture ---", 0);
  start_ = logContent().size();
}

std::vector<std::string> LogCapture::lines() const {
  std::string content = logContent();
  // Another run of the same program may have removed the file meanwhile (the
  // first line of a run removes earlier runs' logs); it then starts anew.
  std::string added = content.size() >= start_ ? content.substr(start_) : content;
  std::vector<std::string> out;
  std::size_t pos = 0;
  while (pos < added.size()) {
    std::size_t end = added.find("\r\n", pos);
    if (end == std::string::npos) end = added.size();
    out.push_back(added.substr(pos, end - pos));
    pos = end + 2;
  }
  return out;
}

bool LogCapture::has(const std::string& text) const {
  std::vector<std::string> all = lines();
  return std::find(all.begin(), all.end(), bytesToUtf8(text)) != all.end();
}

}  // namespace vantrel::test
