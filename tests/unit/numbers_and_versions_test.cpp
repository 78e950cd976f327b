#include <gtest/gtest.h>

#include "core/config/numbers.h"
#include "core/config/version.h"

namespace vantrel {
namespace {

TEST(TextToInt, ReadsTheSystemsNumberForms) {
  struct Case {
    const char* text;
    std::int64_t value;
  } cases[] = {
      {"", 0},         {"42", 42},          {"  \t-17", -17}, {"+8", 8},       {"1.2", 1},
      {"7x", 7},       {"12 Tage", 12},     {"abc", 0},       {"$ff", 255},    {"$1A", 26},
      {"%101", 5},     {"%102", 2},         {"-$10", -16},    {"- 5", 0},      {"9999999999", 9999999999LL},
      {"$", 0},        {"\n5", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(textToInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextToInt, OverlongNumbersWrapInsteadOfFaulting) {
  // 2^64 + 5 wraps to 5 in 64-bit arithmetic.
  EXPECT_EQ(textToInt("18446744073709551621"), 5);
}

TEST(TextToFloat, ParsesLikeTheCLibraryInSinglePrecision) {
  EXPECT_EQ(textToFloat("1.3"), 1.3f);
  EXPECT_EQ(textToFloat(" -2.5e1x"), -25.0f);
  EXPECT_EQ(textToFloat("1.3.1"), 1.3f);
  EXPECT_EQ(textToFloat(".5"), 0.5f);
  EXPECT_EQ(textToFloat(""), 0.0f);
  EXPECT_EQ(textToFloat("abc"), 0.0f);
  EXPECT_EQ(textToFloat("inf"), 0.0f);
  EXPECT_EQ(textToFloat("0x10"), 0.0f);
}

TEST(VersionToNumber, WorkedValues) {
  struct Case {
    const char* text;
    VersionNumber value;
  } cases[] = {
      {"1.2.3", 1002003},   {"1.2", 1002000},      {"2", 2000000},     {"10.20.30", 10020030},
      {"1.2.3.4", 1002003}, {"1.2.3456", 1002345}, {"1.1234.5", 1123005}, {"", 0},
      {".5", 5000},         {"1.2.10", 1002010},   {"1.2.3.9", 1002003},
  };
  for (const Case& c : cases) EXPECT_EQ(versionToNumber(c.text), c.value) << c.text;
  EXPECT_LT(versionToNumber("1.2.3"), versionToNumber("1.2.10"));
}

TEST(VersionGates, DecimalAndIntegerForms) {
  struct Case {
    const char* version;
    const char* minimum;
    bool decimal;
    bool integer;
  } cases[] = {
      {"1.3", "1.3", true, true},   {"1.29", "1.3", false, true}, {"1.30", "1.3", true, true},
      {"", "1.3", false, false},    {"1.10", "1.2", false, true}, {"1.3.1", "1.3", true, true},
      {"2", "1.3", true, true},     {"1.1", "1.2", false, true},  {"0.9", "1.2", false, false},
      {"1.2", "1.2", true, true},   {"1.0", "1.2", false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(passesDecimalGate(c.version, c.minimum), c.decimal) << c.version << " >= " << c.minimum;
    EXPECT_EQ(passesIntegerGate(c.version, c.minimum), c.integer) << c.version << " >= " << c.minimum;
  }
}

}  // namespace
}  // namespace vantrel
