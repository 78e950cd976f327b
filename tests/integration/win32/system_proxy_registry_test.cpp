// The system's proxy on Windows: "ProxyServer" and "ProxyEnable" of the
// user's Internet Settings, written here and put back afterwards.
#include <gtest/gtest.h>

#include <string>

#include "core/network/system_proxy.h"
#include "core/registry/registry.h"

namespace vantrel {
namespace {

const char* const kKey = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// Keeps a value of the key as it was and restores it.
class SavedValue {
 public:
  SavedValue(const char* name, int type)
      : name_(name), type_(type), existed_(regValueExists(kKey, name, ".")), value_(regReadValue(kKey, name, ".")) {}
  ~SavedValue() {
    if (existed_)
      regSetValue(kKey, name_, value_, type_, ".");
    else
      regDeleteValue(kKey, name_, ".");
  }

 private:
  const char* name_;
  int type_;
  bool existed_;
  std::string value_;
};

TEST(ReadSystemProxy, ComesFromTheInternetSettings) {
  SavedValue server("ProxyServer", kRegSz);
  SavedValue enable("ProxyEnable", kRegDword);
  struct Case {
    const char* text;  // nullptr: no value
    const char* enable;
    const char* server;
    std::int32_t port;
    int enabled;
  };
  const std::string tooLong = "http=" + std::string(300, 'x');
  const Case cases[] = {
      {"ftp=a:21;http=b:8080;https=c:443", "1", "b", 8080, 1},
      {"Http=b:8080", "0", "Http=b", 8080, 0},
      {"b:8080", "1", "", 0, 1},
      {nullptr, nullptr, "", 0, 0},
      {tooLong.c_str(), "1", "", 0, 1},  // too long to be read
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text ? std::string(c.text).substr(0, 40) : "none");
    if (c.text)
      ASSERT_TRUE(regSetValue(kKey, "ProxyServer", c.text, kRegSz, "."));
    else
      regDeleteValue(kKey, "ProxyServer", ".");
    if (c.enable)
      ASSERT_TRUE(regSetValue(kKey, "ProxyEnable", c.enable, kRegDword, "."));
    else
      regDeleteValue(kKey, "ProxyEnable", ".");
    ProxySettings settings{true, "old", 1, "user", "password", false};
    EXPECT_EQ(readSystemProxy(settings), c.enabled);
    EXPECT_EQ(settings.proxyServer, c.server);
    EXPECT_EQ(settings.proxyPort, c.port);
    EXPECT_EQ(settings.proxyUser, "user");
  }
}

}  // namespace
}  // namespace vantrel
