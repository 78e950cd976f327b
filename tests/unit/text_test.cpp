#include <gtest/gtest.h>

#include "core/support/log.h"
#include "core/text/text.h"

namespace vantrel {
namespace {

TEST(Text, LogEncodingTakesEachByteAsItsCodePoint) {
  EXPECT_EQ(bytesToUtf8("a\xE4z"), "a\xC3\xA4z");
  EXPECT_EQ(bytesToUtf8("\x80"), "\xC2\x80");
  EXPECT_EQ(bytesToUtf8(""), "");
}

TEST(Text, ConsoleEncodingIsWindows1252BothWays) {
  EXPECT_EQ(ansiToUtf8("\x80 \xFC"), "\xE2\x82\xAC \xC3\xBC");
  EXPECT_EQ(utf8ToAnsi("\xE2\x82\xAC \xC3\xBC"), "\x80 \xFC");
  EXPECT_EQ(utf8ToAnsi("\xE4\xB8\xAD"), "?");  // not in the code page
  EXPECT_EQ(utf8ToAnsi("stray \xFC"), "stray \xFC");
  for (int b = 0; b < 256; ++b) {
    std::string one(1, static_cast<char>(b));
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
    EXPECT_EQ(utf8ToAnsi(ansiToUtf8(one)), one) << b;
  }
}

TEST(Text, CaseMappingOfWindows1252) {
  EXPECT_EQ(toLowerAnsi("ABC\xC0\xDE\xD7z"), "abc\xE0\xFE\xD7z");
  EXPECT_EQ(toUpperAnsi("abc\xE0\xFE\xF7Z"), "ABC\xC0\xDE\xF7Z");
  EXPECT_TRUE(equalsIgnoreCaseAnsi("\xC4rger", "\xE4RGER"));
  EXPECT_FALSE(equalsIgnoreCaseAnsi("a", "ab"));
}

TEST(LogFileNames, OnlyEarlierRunsOfTheSamePrefixAreRemoved) {
  struct Case {
    const char* name;
    bool matches;
  } cases[] = {
      {"vantrel_261211_153000.log", true},
      {"vantrel_abcdef_ghijkl.log", true},
      {"vantrel.log", false},
      {"vantrel_26121_153000.log", false},
      {"vantrel_261211_153000.log.bak", false},
      {"vantrelAdmin.exe_261211_153000.log", false},
      {"Vantrel_261211_153000.log", false},
      {"vantrel_261211-153000.log", false},
  };
  for (const Case& c : cases) EXPECT_EQ(LogFile::isEarlierRunFile(c.name, "vantrel", false), c.matches) << c.name;
  EXPECT_TRUE(LogFile::isEarlierRunFile("VANTREL.EXE_261211_153000.LOG", "Vantrel.exe", true));
}

}  // namespace
}  // namespace vantrel
