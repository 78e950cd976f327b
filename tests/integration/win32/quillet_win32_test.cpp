#include <gtest/gtest.h>

#include <windows.h>

#include "integration/quillet_library.h"
#include "support/temp_dir.h"

namespace vantrel {
namespace {

const char kAbc[] = "900150983CD24FB0D6963F7D28E17F72";

// Loaded by its plain name, as Quillview and other callers do: the loader
// finds it beside the program.
TEST(QuilletWin32, LoadedByNameTheExportAnswers) {
  test::LoadedQuillet quillet("quillet.dll");
  ASSERT_TRUE(quillet.ok());
  ASSERT_NE(GetModuleHandleA("quillet.dll"), nullptr);
  test::TempDir dir;
  dir.write("abc", "abc");
  EXPECT_EQ(quillet(dir.file("abc")), kAbc);
}

TEST(QuilletWin32, DriveRootsGiveFehler) {
  test::LoadedQuillet quillet;
  ASSERT_TRUE(quillet.ok());
  for (const char* root : {"C:", "C:\\", "c:"}) EXPECT_EQ(quillet(root), "FEHLER") << root;
}

TEST(QuilletWin32, SharingDecidesWhetherTheFileCanBeRead) {
  test::LoadedQuillet quillet;
  ASSERT_TRUE(quillet.ok());
  test::TempDir dir;
  dir.write("abc", "abc");
  struct Case {
    DWORD access;
    DWORD share;
    const char* answer;
  } cases[] = {
      {GENERIC_READ, FILE_SHARE_READ, kAbc},         // another reader: fine
      {GENERIC_READ, 0, ""},                         // held without read sharing
      {GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, ""},  // a writer: the library allows none
  };
  for (const Case& c : cases) {
    HANDLE other = CreateFileA(dir.file("abc").c_str(), c.access, c.share, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(quillet(dir.file("abc")), c.answer) << c.access << " " << c.share;
    CloseHandle(other);
  }
  EXPECT_EQ(quillet(dir.file("abc")), kAbc);
}

#if defined(__i386__)
// The 32-bit contract is __stdcall: the library removes its argument from
// the stack. Call it by hand and compare the stack pointer.
TEST(QuilletWin32, TheCalleeRemovesItsArgument) {
  test::LoadedQuillet quillet;
  ASSERT_TRUE(quillet.ok());
  test::TempDir dir;
  dir.write("abc", "abc");
  std::string path = dir.file("abc");
  const char* argument = path.c_str();
  void* function = reinterpret_cast<void*>(quillet.function());
  unsigned before = 0;
  unsigned after = 0;
  const char* answer = nullptr;
  asm volatile(
      "movl %%esp, %%esi\n\t"
      "pushl %[argument]\n\t"
      "call *%[function]\n\t"
      "movl %%esp, %%edi\n\t"
      "movl %%esi, %%esp\n\t"  // whatever happened, the stack is ours again
      : "=&a"(answer), "=&S"(before), "=&D"(after)
      : [argument] "m"(argument), [function] "b"(function)
      : "ecx", "edx", "memory", "cc");
  EXPECT_EQ(after, before);
  ASSERT_NE(answer, nullptr);
  EXPECT_STREQ(answer, kAbc);
}
#endif

}  // namespace
}  // namespace vantrel
