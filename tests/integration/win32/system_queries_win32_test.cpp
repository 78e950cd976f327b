#include <gtest/gtest.h>

#include "core/config/state_file_location.h"
#include "os/files.h"
#include "os/paths.h"
#include "os/rights.h"

namespace vantrel {
namespace {

TEST(Win32SpecialFolder, SharedDocumentsAndVirtualFolders) {
  const std::string shared = os::getSpecialFolder(46);
  ASSERT_FALSE(shared.empty());
  EXPECT_EQ(shared.back(), '\\');
  EXPECT_EQ(os::fileSizeOf(shared), -2);
  EXPECT_EQ(os::getSpecialFolder(-1), "");
  EXPECT_EQ(os::getSpecialFolder(4), "");   // printers: no file-system path
  EXPECT_EQ(os::getSpecialFolder(10), "");  // recycle bin
  const std::string appData = os::getSpecialFolder(26);
  ASSERT_FALSE(appData.empty());
  EXPECT_EQ(appData.back(), '\\');

  // The state file's directory below it, as vantrel.cfg names it.
  EXPECT_EQ(getRealIniPath("*#CSIDL_COMMON_DOCUMENTS*\\Zelmar\\Demo\\"),
            shared.substr(0, shared.size() - 1) + "\\Zelmar\\Demo\\");
}

// Wine gives every process full access to its service control manager, so
// the tests there run with administrator rights.
TEST(Win32Rights, WineRunsTestsAsAdministrator) { EXPECT_TRUE(os::isUserAdmin()); }

}  // namespace
}  // namespace vantrel
