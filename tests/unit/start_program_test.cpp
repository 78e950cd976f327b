#include <gtest/gtest.h>

#include "core/launcher/start_program.h"
#include "os/command_line.h"

namespace vantrel {
namespace {

TEST(StartProgramCommandLine, TheDocumentedLines) {
  const std::string f = "C:\\P\\prod.exe";
  struct Case {
    std::vector<std::string> parameters;
    std::string line;
  } cases[] = {
      {{""}, "\"" + f + "\"  "},
      {{" /x /y"}, "\"" + f + "\" \" /x /y\" "},
      {{" /x /y", "/upd:mode2"}, "\"" + f + "\" \" /x /y\" \"/upd:mode2\" "},
      {{"", "/upd:mode2", "/upd:nostart"}, "\"" + f + "\"  \"/upd:mode2\" \"/upd:nostart\" "},
      {{" a\"\"b"}, "\"" + f + "\" \" ab\" "},  // adjacent quotes inside a parameter go
      {{}, "\"" + f + "\""},
  };
  for (const Case& c : cases) EXPECT_EQ(buildCommandLine(f, buildParameterText(c.parameters)), c.line);
  EXPECT_EQ(buildCommandLine("\"already quoted\"", " "), "\"already quoted\"  ");
}

TEST(StartProgramCommandLine, WhatTheStartedProgramSees) {
  // Split back by the system's rule, the product gets its pass-through
  // parameters as one argument that begins with a blank, or none at all.
  auto seen = [](std::vector<std::string> parameters) {
    auto parts = os::splitCommandLine(buildCommandLine("prod", buildParameterText(parameters)));
    parts.erase(parts.begin());
    return parts;
  };
  EXPECT_EQ(seen({""}), std::vector<std::string>{});
  EXPECT_EQ(seen({" /a /B"}), std::vector<std::string>{" /a /B"});
  EXPECT_EQ(seen({" /x my file.txt"}), std::vector<std::string>{" /x my file.txt"});
  EXPECT_EQ(seen({"", "/upd:mode2", "/upd:nostart"}), (std::vector<std::string>{"/upd:mode2", "/upd:nostart"}));
}

TEST(StartProgram, AnEmptyFileNameStartsNothing) {
  EXPECT_FALSE(startProgram("/bin/", "", {""}));
}

}  // namespace
}  // namespace vantrel
