#include <gtest/gtest.h>

#include "os/process_list.h"

namespace vantrel {
namespace {

TEST(ProcessName, UpperCaseChangesOnlyLettersAndTheHighBytes) {
  EXPECT_EQ(os::upperCaseProcessName("demo-1.exe"), "DEMO-1.EXE");
  // 0xE0-0xFF lose 32 (0xF7 and 0xFF included); 0xC0-0xDF and 0x80-0xBF stay.
  EXPECT_EQ(os::upperCaseProcessName("\xE4\xF7\xFF\xC4\x9A\xB5"), "\xC4\xD7\xDF\xC4\x9A\xB5");
}

TEST(ProcessName, MatchesTheFilePartInAnyCase) {
  struct Case {
    const char* executable;
    const char* wanted;
    bool match;
  } cases[] = {
      {"C:\\Programme\\Demo\\Demo.exe", "demo.EXE", true},
      {"/opt/demo/demo.exe", "DEMO.EXE", true},
      {"Demo.exe", "demo.exe", true},
      {"C:\\a/b\\m\xE4rz.exe", "M\xC4RZ.EXE", true},
      {"C:\\Programme\\Demo\\Demo.exe", "Demo\\Demo.exe", false},  // a directory part never matches
      {"C:\\Programme\\Demo\\Demo.exe", "Demo", false},
      {"C:\\Programme\\Demo\\Demo.exe", "", false},
      {"DemoX.exe", "Demo.exe", false},
  };
  for (const Case& c : cases) EXPECT_EQ(os::processNameMatches(c.executable, c.wanted), c.match) << c.executable;
}

}  // namespace
}  // namespace vantrel
