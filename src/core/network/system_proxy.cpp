#include "core/network/system_proxy.h"

#include "core/config/numbers.h"
#include "core/registry/registry.h"
#include "core/text/text.h"
#include "os/system_proxy.h"

namespace vantrel {

namespace {

const char* const kInternetSettingsKey = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

}  // namespace

void parseSystemProxyText(const std::string& text, std::string& server, std::int32_t& port) {
  server.clear();
  port = 0;
  const std::size_t start = toLowerAnsi(text).find("http=");
  if (start == std::string::npos) return;
  const std::size_t end = text.find(';', start);
  std::string entry = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
  // Only these two spellings are removed; "Http=" stays part of the host.
  entry = replaceAll(replaceAll(entry, "HTTP=", ""), "http=", "");
  const std::size_t colon = entry.find(':');
  if (colon != std::string::npos) {
    port = static_cast<std::int32_t>(textToInt(std::string_view(entry).substr(colon + 1)));
    entry.erase(colon);
  }
  server = entry;
}

std::string proxyTextOfUrl(const std::string& url) {
  std::string rest = url;
  const std::size_t scheme = rest.find("://");
  if (scheme != std::string::npos) rest.erase(0, scheme + 3);
  const std::size_t slash = rest.find('/');
  if (slash != std::string::npos) rest.erase(slash);
  // Credentials in the URL are not part of the host.
  const std::size_t at = rest.rfind('@');
  if (at != std::string::npos) rest.erase(0, at + 1);
  return "http=" + rest;
}

int readSystemProxy(ProxySettings& settings) {
  std::string text;
  int enable = 0;
  if (os::systemProxyInRegistry()) {
    if (regValueExists(kInternetSettingsKey, "ProxyServer", "."))
      text = regReadValue(kInternetSettingsKey, "ProxyServer", ".");
    if (regValueExists(kInternetSettingsKey, "ProxyEnable", "."))
      enable = static_cast<int>(textToInt(regReadValue(kInternetSettingsKey, "ProxyEnable", ".")));
  } else {
    const std::string url = os::environmentHttpProxy();
    if (!url.empty()) {
      text = proxyTextOfUrl(url);
      enable = 1;
    }
  }
  parseSystemProxyText(text, settings.proxyServer, settings.proxyPort);
  return enable;
}

}  // namespace vantrel
