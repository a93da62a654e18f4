// Runs in a process of its own: it switches the C and C++ global locales to one that writes
// numbers with a decimal comma, which the conversions must not notice.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "calc/number_text.hpp"
#include "calc/recalculate.hpp"
#include "tests/support/table_sheet.hpp"

namespace calc {
namespace {

constexpr const char* kCommaLocale = "de_DE.UTF-8";

void ExpectConversionsUnchanged() {
  EXPECT_EQ(ReadInput("0.20"), 0.2);
  EXPECT_EQ(ReadInput("0,20"), 0);
  EXPECT_EQ(ReadInput("1.5E3"), 1500);
  EXPECT_EQ(FormatFixed4(0.00614), "0.0061");
  EXPECT_EQ(FormatFixed4(1234567.5), "1234567.5000");
  EXPECT_EQ(FormatGeneral(14.633333333333335), "14.6333333333333");
  EXPECT_EQ(ReadDisplayed("0.0500"), 0.05);
  EXPECT_EQ(FormatFixed4(0.00614, ","), "0,0061");

  testing::TableSheet sheet;
  sheet.d = {"0.20", "120", "", "0.009", "1.00"};
  Recalculate(sheet);
  EXPECT_EQ(sheet.r[1], "0.0061");
  EXPECT_EQ(sheet.r[13], "25");
}

TEST(ProcessLocale, CommaCLocaleChangesNothing) {
  ASSERT_NE(std::setlocale(LC_ALL, kCommaLocale), nullptr)
      << kCommaLocale << " is missing; script/bootstrap generates it";
  ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
  ExpectConversionsUnchanged();
  std::setlocale(LC_ALL, "C");
}

TEST(ProcessLocale, CommaGlobalCppLocaleChangesNothing) {
  const std::locale previous = std::locale::global(std::locale(kCommaLocale));
  ExpectConversionsUnchanged();
  std::locale::global(previous);
}

}  // namespace
}  // namespace calc
