#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "integration/quillet_library.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

// A file with content that the caller may not read: the size probe sees it,
// the open fails, the answer is the empty text. The call runs in a child
// process as a user without the right (root would read it anyway).
TEST(QuilletPosix, AFileTheCallerMayNotReadGivesTheEmptyText) {
  test::LoadedQuillet quillet;
  ASSERT_TRUE(quillet.ok());
  test::TempDir dir;
  dir.write("secret", "abc");
  ASSERT_EQ(::chmod(dir.file("secret").c_str(), 0), 0);
  std::fflush(nullptr);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(3);
    std::string answer = quillet(dir.file("secret"));
    ::_exit(answer.empty() ? 0 : (answer == "FEHLER" ? 1 : 2));
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: FEHLER, 2: a digest, 3: could not drop the rights";
}

}  // namespace
}  // namespace vantrel
