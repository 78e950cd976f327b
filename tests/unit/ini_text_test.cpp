#include <gtest/gtest.h>

#include "core/config/ini_file.h"

namespace vantrel {
namespace {

const std::string kFile =
    "[SELF]\r\n"
    "version=\"1.3\"\r\n"
    "\r\n"
    "[Update]\r\n"
    "  httpServer  =   \"http://a.example/\"  \r\n"
    "single='x y'\r\n"
    "half=\"open\r\n"
    "empty=\r\n"
    "eq=a=b\r\n"
    "HttpServer=second\r\n"
    "[update]\r\n"
    "late=never\r\n";

TEST(IniValueIn, ReadingRules) {
  struct Case {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"SELF", "version", "1.3"},
      {"UPDATE", "httpserver", "http://a.example/"},  // case-insensitive, blanks and quotes removed
      {"update", "single", "x y"},
      {"update", "half", "\"open"},                     // one mark only stays
      {"update", "empty", ""},
      {"update", "eq", "a=b"},                          // split at the first '='
      {"update", "late", ""},                           // the second section of that name does not count
      {"update", "missing", ""},
      {"NOPE", "version", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(iniValueIn(kFile, c.section, c.key), c.value) << c.key;
}

TEST(IniWithValue, ReplacesInPlaceAndKeepsEveryOtherByte) {
  std::string out = iniWithValue(kFile, "update", "HTTPSERVER", "\"new\"");
  std::string expected = kFile;
  const std::string line = "  httpServer  =   \"http://a.example/\"  ";
  expected.replace(expected.find(line), line.size(), "HTTPSERVER=\"new\"");
  EXPECT_EQ(out, expected);
}

TEST(IniWithValue, AppendsKeysToTheEndOfTheirSectionAndNewSectionsAtTheEnd) {
  std::string text = "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n";
  EXPECT_EQ(iniWithValue(text, "a", "z", "\"3\""), "[A]\r\nx=1\r\nz=\"3\"\r\n\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(iniWithValue(text, "C", "k", "v"), text + "[C]\r\nk=v\r\n");
  EXPECT_EQ(iniWithValue("[A]\r\nx=1", "A", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n");
  EXPECT_EQ(iniWithValue("", "S", "k", "\"v\""), "[S]\r\nk=\"v\"\r\n");
  EXPECT_EQ(iniWithValue("no break", "S", "k", "v"), "no break\r\n[S]\r\nk=v\r\n");
}

TEST(IniValueIn, LongValuesComeBackWhole) {
  std::string value(5000, 'v');
  EXPECT_EQ(iniValueIn(iniWithValue("", "S", "k", "\"" + value + "\""), "S", "k"), value);
}

}  // namespace
}  // namespace vantrel
