#include <gtest/gtest.h>
#include <unistd.h>

#include "os/rights.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

// Giving a file away to another user is a right of the administrator only.
TEST(PosixRights, AdminIsWhoMayGiveFilesAway) {
  test::TempDir dir;
  dir.write("f", "x");
  bool mayChown = ::chown(dir.file("f").c_str(), 1, 1) == 0;
  EXPECT_EQ(os::isUserAdmin(), mayChown);
}

}  // namespace
}  // namespace vantrel
