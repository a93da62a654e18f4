#include "calc/number_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace calc {
namespace {

struct InputCase {
  std::string text;
  double value;
};

TEST(ReadInput, ReadsTheLeadingNumber) {
  const InputCase cases[] = {
      {"", 0},
      {"   ", 0},
      {"-", 0},
      {".", 0},
      {"abc", 0},
      {"0.20", 0.2},
      {"0,20", 0},
      {"1 2 0", 120},
      {"-30", -30},
      {"+5", 5},
      {"2e1", 20},
      {"12.5.3", 12.5},
      {"1 000", 1000},
      {"0. 2", 0.2},
      {"1.5E3", 1500},
      {"12abc", 12},
      {"120\u00BA", 120},
      {".5", 0.5},
      {"5.", 5},
      {"- 5", -5},
      {"+-5", 0},
      {"--5", 0},
      {"1e", 1},
      {"1e+", 1},
      {"1E-2", 0.01},
      {"1 E + 3", 1000},
      {"\t1\n2 ", 12},
      {"007", 7},
      {"0.000", 0},
      {"-0", 0},
      {"E5", 0},
      {"1e2e3", 100},
      {"1.e1", 10},
      {"1000.000", 1000},
      {"0.0061", 0.0061},
      {"1e-400", 0},
      {"-1E-400", 0},
      {"1E-99999999999999999999", 0},
  };
  for (const auto& [text, value] : cases) {
    SCOPED_TRACE("text \"" + text + "\"");
    const std::optional<double> read = ReadInput(text);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, value);
    EXPECT_FALSE(std::signbit(*read) && *read == 0) << "a zero reads without sign";
  }
}

TEST(ReadInput, OnlyBlanksTabsAndLineFeedsAreSkipped) {
  const InputCase cases[] = {
      {"1\u00A02", 1},      // no-break space ends the number
      {"1\r2", 1},          // so does a carriage return
      {"1\v2", 1},          // and a vertical tab
      {"\uFF11", 0},        // a full-width digit is no digit
      {"\u0661\u0662", 0},  // nor are Arabic-Indic digits
      {"3\u2009000", 3},    // nor is a thin space a blank
      {std::string("4\0"
                   "5",
                   3),
       4},
  };
  for (const auto& [text, value] : cases) {
    SCOPED_TRACE("text \"" + text + "\"");
    EXPECT_EQ(ReadInput(text), value);
  }
}

TEST(ReadInput, RadixPrefixesAndTheDExponentAreNotNumbers) {
  EXPECT_EQ(ReadInput("&H10"), 0);
  EXPECT_EQ(ReadInput("&O17"), 0);
  EXPECT_EQ(ReadInput("1D2"), 1);
  EXPECT_EQ(ReadInput("1d2"), 1);
}

TEST(ReadInput, NumbersBeyondTheDoubleRangeAreFailures) {
  const std::string cases[] = {
      "1E400",
      "-1E400",
      std::string(1000, '9'),
      "1.8E308",
      "1E99999999999999999999",
      "0." + std::string(300, '0') + "1E700",
  };
  for (const auto& text : cases) {
    SCOPED_TRACE("text \"" + text.substr(0, 40) + "\"");
    EXPECT_EQ(ReadInput(text), std::nullopt);
  }
  EXPECT_EQ(ReadInput("1.7976931348623157E308"), std::numeric_limits<double>::max());
  EXPECT_EQ(ReadInput("0." + std::string(300, '0') + "1E305"), 1e4);
}

TEST(ReadInput, LongTextsReadInOnePass) {
  const std::string megabyte(1 << 20, '1');
  EXPECT_EQ(ReadInput(megabyte), std::nullopt);
  EXPECT_NEAR(*ReadInput("0." + megabyte), 1.0 / 9, 1e-15);
  EXPECT_EQ(ReadInput(std::string(1 << 20, ' ') + "5"), 5);
  EXPECT_EQ(ReadInput(std::string(1 << 20, '.')), 0);
  EXPECT_EQ(ReadInput("1" + std::string(1 << 20, '0') + "E-1048576"), 1);
  EXPECT_EQ(ReadInput("0." + std::string(1 << 20, '0') + "25E1048577"), 2.5);
}

struct FormatCase {
  double value;
  std::string text;
};

TEST(FormatFixed4, WritesFourDecimals) {
  const FormatCase cases[] = {
      {0.0102, "0.0102"},
      {2.574434, "2.5744"},
      {12, "12.0000"},
      {0, "0.0000"},
      {-0.00614, "-0.0061"},
      {35.999999, "36.0000"},
      {0.00004, "0.0000"},
      {0.00006, "0.0001"},
      {-0.00004, "0.0000"},
      {-0.0, "0.0000"},
      {1e20, "100000000000000000000.0000"},
      {-1234567.89, "-1234567.8900"},
      // Exact halves, which only dyadic fractions have, go to the even neighbour.
      {0.03125, "0.0312"},
      {0.09375, "0.0938"},
      {-0.03125, "-0.0312"},
  };
  for (const auto& [value, text] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(FormatFixed4(value), text);
  }
  EXPECT_EQ(FormatFixed4(std::numeric_limits<double>::max()).size(), 309u + 5u);
}

TEST(FormatGeneral, WritesFifteenSignificantDigits) {
  const FormatCase cases[] = {
      {25, "25"},
      {35.99999999999999, "36"},
      {14.633333333333335, "14.6333333333333"},
      {58.68, "58.68"},
      {0.5, "0.5"},
      {25.000000000000004, "25"},
      {-2.5, "-2.5"},
      {-0.0, "0"},
      {100, "100"},
      {123456789012345, "123456789012345"},
      {1e15, "1e+15"},
      {0.0001, "0.0001"},
      {0.00001, "1e-05"},
  };
  for (const auto& [value, text] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(FormatGeneral(value), text);
  }
}

TEST(NumberText, ResultsUseTheGivenSeparator) {
  EXPECT_EQ(FormatFixed4(0.00614, ","), "0,0061");
  EXPECT_EQ(FormatFixed4(-12, ","), "-12,0000");
  EXPECT_EQ(FormatFixed4(0.5, "\u066B"), "0\u066B5000");
  EXPECT_EQ(FormatGeneral(14.633333333333335, ","), "14,6333333333333");
  EXPECT_EQ(FormatGeneral(1.5e-7, ","), "1,5e-07");
  EXPECT_EQ(FormatGeneral(25, ","), "25");
  EXPECT_EQ(ReadDisplayed("0,0500", ","), 0.05);
  EXPECT_EQ(ReadDisplayed("0\u066B5000", "\u066B"), 0.5);
  // A separator that would read as part of the number is not used.
  EXPECT_EQ(FormatFixed4(0.5, ""), "0.5000");
  EXPECT_EQ(FormatFixed4(0.5, "1"), "0.5000");
  EXPECT_EQ(ReadDisplayed("0.5000", "-"), 0.5);
}

TEST(ReadDisplayed, ReadsBackWhatTheFixedFormWrote) {
  const double values[] = {0.0061,   -0.0061, 0.00004, -0.00004,   2.574434, 12,
                           35.99999, 1e20,    -1e-300, 0.99995001, 0};
  for (const char* separator : {".", ",", "\u066B"}) {
    for (const double value : values) {
      SCOPED_TRACE(FormatFixed4(value, separator));
      const double expected = std::round(value * 1e4) / 1e4;
      EXPECT_NEAR(ReadDisplayed(FormatFixed4(value, separator), separator), expected,
                  std::abs(expected) * 1e-15);
    }
  }
  EXPECT_EQ(ReadDisplayed("-0.0000"), 0);
  EXPECT_FALSE(std::signbit(ReadDisplayed("-0.0000")));
}

TEST(ReadDisplayed, OtherTextsAreNotNumbers) {
  const std::string cases[] = {"",      "Infinito", "0,0500", "1.",   ".5",   "-",
                               "1.0.0", "+1.0",     "1e3.0",  " 1.0", "1.0 ", "--1.0"};
  for (const auto& text : cases) {
    SCOPED_TRACE("text \"" + text + "\"");
    EXPECT_TRUE(std::isnan(ReadDisplayed(text)));
  }
}

}  // namespace
}  // namespace calc
