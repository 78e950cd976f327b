#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "core/config/state_file_location.h"
#include "os/paths.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(PosixSpecialFolder, UserAndBaseDirectories) {
  test::TempDir home;
  home.makeDir(".config");
  home.write(".config/user-dirs.dirs",
             "# written by xdg-user-dirs-update\n"
             "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
             "XDG_DOCUMENTS_DIR=\"/srv/docs\"\n"
             "XDG_MUSIC_DIR=\"relative/ignored\"\n"
             "  XDG_PICTURES_DIR=\"$HOME/Bilder \\\"neu\\\"\"\n");
  const std::string h = home.path().substr(0, home.path().size() - 1);
  ScopedEnv envHome("HOME", h.c_str());
  ScopedEnv config("XDG_CONFIG_HOME", nullptr);
  ScopedEnv data("XDG_DATA_HOME", "/var/data");
  struct Case {
    int csidl;
    std::string folder;
  } cases[] = {
      {0, h + "/Schreibtisch/"},
      {16, h + "/Schreibtisch/"},
      {5, "/srv/docs/"},
      {13, h + "/Music/"},  // not valid in the file: the default
      {14, h + "/Videos/"},
      {39, h + "/Bilder \"neu\"/"},
      {21, h + "/Templates/"},
      {26, h + "/.config/"},
      {28, "/var/data/"},
      {40, h + "/"},
      {46, ""},  // COMMON_DOCUMENTS has no counterpart
      {35, ""},
      {4, ""},
      {-1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(os::getSpecialFolder(c.csidl), c.folder) << c.csidl;

  // XDG_CONFIG_HOME moves the configuration folder and the file it holds.
  ScopedEnv moved("XDG_CONFIG_HOME", home.file("elsewhere").c_str());
  EXPECT_EQ(os::getSpecialFolder(26), home.file("elsewhere") + "/");
  EXPECT_EQ(os::getSpecialFolder(0), h + "/Desktop/");
  ScopedEnv relative("XDG_CONFIG_HOME", "not/absolute");
  EXPECT_EQ(os::getSpecialFolder(26), h + "/.config/");
}

TEST(PosixSpecialFolder, SharedDocumentsFallBackToTheProgramDirectory) {
  // Neither the shell nor a registry knows the shared documents here.
  EXPECT_EQ(getRealIniPath("*#CSIDL_COMMON_DOCUMENTS*/Zelmar/Demo/"),
            os::getProgramPath().substr(0, os::getProgramPath().size() - 1) + "/Zelmar/Demo/");
  test::TempDir home;
  const std::string h = home.path().substr(0, home.path().size() - 1);
  ScopedEnv envHome("HOME", h.c_str());
  EXPECT_EQ(getRealIniPath("*#CSIDL_PROFILE*/.demo/"), h + "/.demo/");
}

}  // namespace
}  // namespace vantrel
