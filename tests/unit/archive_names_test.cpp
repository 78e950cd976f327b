#include <gtest/gtest.h>

#include "core/install/extract_archive.h"

namespace vantrel {
namespace {

TEST(ArchiveNames, WildcardMatchOfFileParts) {
  struct Case {
    const char* name;
    const char* pattern;
    bool match;
  } cases[] = {
      {"app.dll", "*.*", true},   {"README", "*.*", true},    {"App.DLL", "*.dll", true},
      {"app.dll", "*.exe", false}, {"a.txt", "?.txt", true},  {"ab.txt", "?.txt", false},
      {"x.tar.gz", "*.gz", true}, {"\xC4rger.txt", "\xE4*", true},
  };
  for (const Case& c : cases) EXPECT_EQ(matchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
}

TEST(ArchiveNames, TargetsStayBelowTheDestination) {
  struct Case {
    const char* name;
    const char* target;
  } cases[] = {
      {"bin/app.dll", "bin\\app.dll"}, {"bin/", "bin\\"},       {"C:\\x\\y.txt", "x\\y.txt"},
      {"/etc/passwd", "etc\\passwd"},   {"../outside.txt", ""},  {"a/../../b", ""},
      {"a/..b/c", "a\\..b\\c"},         {"..", ""},              {"plain.txt", "plain.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(entryTarget(c.name, '\\'), c.target) << c.name;
  EXPECT_EQ(entryTarget("bin\\app.dll", '/'), "bin/app.dll");
}

}  // namespace
}  // namespace vantrel
