#include <gtest/gtest.h>

#include "core/launcher/command_line.h"
#include "os/command_line.h"

namespace vantrel {
namespace {

struct Parsed {
  OptionSet options;
  std::vector<std::string> list;
};

Parsed parse(std::vector<std::string> params) {
  Parsed p;
  p.options = parseCommandLine(params, p.list);
  return p;
}

TEST(ParseCommandLine, NoParametersLeaveOneEmptyElement) {
  Parsed p = parse({});
  EXPECT_EQ(p.list, std::vector<std::string>{""});
  EXPECT_EQ(p.options.flags, 0u);
}

TEST(ParseCommandLine, OnlyTheFirstParameterIsLowerCased) {
  Parsed p = parse({"/A", "/B", "\xC4rger"});
  EXPECT_EQ(p.list, std::vector<std::string>{" /a /B \xC4rger"});
  Parsed umlaut = parse({"\xC4\xD6\xDC\xD7"});
  EXPECT_EQ(umlaut.list[0], " \xE4\xF6\xFC\xD7");
}

TEST(ParseCommandLine, Keywords) {
  struct Case {
    std::vector<std::string> params;
    std::uint32_t flags;
    int days;
  } cases[] = {
      {{"/upd:force"}, kOptForce, 0},
      {{"/upd:cancel", "/upd:force"}, kOptCancel | kOptForce, 0},
      {{"/upd:config"}, kOptConfig, 0},
      {{"/upd:Debug"}, kOptDebug, 0},           // lower-cased as the first parameter
      {{"/upd:mode2"}, kOptMode2 | kOptForce, 0},
      {{"/upd:nostart"}, kOptNoStart, 0},
      {{"/upd:7"}, kOptIntervalGiven, 7},
      {{"/upd:1"}, kOptIntervalGiven, 1},
      {{"/upd:255"}, kOptIntervalGiven, 255},
      {{"/upd:7x"}, kOptIntervalGiven, 7},
      {{"/upd:0"}, 0, 0},
      {{"/upd:256"}, 0, 0},
      {{"/upd:-3"}, 0, 0},
      {{"/upd:x7"}, 0, 0},
      {{"/upd:forcefully"}, 0, 0},              // keywords match whole
      {{"/upd:3", "/upd:9"}, kOptIntervalGiven, 9},
      {{"x/upd:force/upd:"}, 0, 0},             // every "/upd:" goes: "xforce" is no keyword
      {{"/upd:for/upd:ce"}, kOptForce, 0},
  };
  for (const Case& c : cases) {
    Parsed p = parse(c.params);
    EXPECT_EQ(p.options.flags, c.flags) << c.params.back();
    EXPECT_EQ(p.options.intervalDays, c.days) << c.params.back();
    EXPECT_EQ(p.list, std::vector<std::string>{""}) << c.params.back();
  }
}

TEST(ParseCommandLine, KeywordsAfterTheFirstParameterKeepTheirCase) {
  Parsed p = parse({"/x", "/upd:Debug", "/upd:FORCE"});
  EXPECT_EQ(p.options.flags, 0u);
  EXPECT_EQ(p.list, std::vector<std::string>{" /x"});
}

TEST(ParseCommandLine, HelpInsideAParameterWinsAndStopsReading) {
  Parsed p = parse({"/upd:force", "abc/?def", "/later", "/upd:cancel"});
  EXPECT_TRUE(p.options.has(kOptHelp));
  EXPECT_TRUE(p.options.has(kOptForce));  // collected before the help request
  EXPECT_FALSE(p.options.has(kOptCancel));
  EXPECT_EQ(p.list, std::vector<std::string>{""});
  EXPECT_TRUE(parse({"/HELP"}).options.has(kOptHelp));       // first parameter, lower-cased
  EXPECT_FALSE(parse({"/x", "/HELP"}).options.has(kOptHelp));  // case-sensitive later
  EXPECT_FALSE(parse({"/upd:7"}).options.has(kOptHelp));
}

TEST(ParseCommandLine, AnEmptyParameterEndsTheList) {
  Parsed p = parse({"/a", "", "/b"});
  EXPECT_EQ(p.list, std::vector<std::string>{" /a"});
}

TEST(SplitCommandLine, TheSystemsRule) {
  struct Case {
    const char* line;
    std::vector<std::string> parts;
  } cases[] = {
      {"", {}},
      {"prog", {"prog"}},
      {"  prog   /a  /b ", {"prog", "/a", "/b"}},
      {"prog a\tb", {"prog", "a\tb"}},  // tabs do not separate
      {"\"C:\\Program Files\\p.exe\" \"a b\" c", {"C:\\Program Files\\p.exe", "a b", "c"}},
      {"\"prog\"  ", {"prog"}},
      {"\"prog\" \" /x /y\" ", {"prog", " /x /y"}},
      {"prog \"\" x", {"prog", "", "x"}},
      {"prog \"open", {"prog", "open"}},
      {"prog ab\"c d\"", {"prog", "ab\"c", "d\""}},
  };
  for (const Case& c : cases) EXPECT_EQ(os::splitCommandLine(c.line), c.parts) << c.line;
}

}  // namespace
}  // namespace vantrel
