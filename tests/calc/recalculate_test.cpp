#include "calc/recalculate.hpp"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <tuple>

#include "tests/support/table_sheet.hpp"

namespace calc {
namespace {

using testing::TableSheet;

constexpr const char* kPrevious = nullptr;  // R(13) keeps the text it held before the run
constexpr const char* kPriorK = "prior K";
constexpr int kSectionFactor = 6;
constexpr int kUtilisation = 13;

struct WholeRun {
  std::array<const char*, 4> inputs;    // D(0), D(1), D(3), D(4)
  std::array<const char*, 14> results;  // R(6) is never written; nullptr there means "untouched"
};

// clang-format off
const WholeRun kWholeRuns[] = {
  {{"0.20", "120", "0.009", "1.00"},
   {"2.0944", "0.0061", "0.2094", "0.0293", "0.1732", "0.0355", nullptr, "0.0500", "0.0293", "0.0061", "1.0566", "0.0065", "1.7899", "25"}},
  {{"0.20", "147.5", "0.009", "1.00"},
   {"2.5744", "0.0102", "0.2574", "0.0396", "0.1920", "0.0530", nullptr, "0.0720", "0.0396", "0.0102", "1.2901", "0.0131", "1.7869", "36"}},
  {{"0.20", "180", "0.013", "0.5"},
   {"3.1416", "0.0157", "0.3142", "0.0500", "0.2000", "0.0785", nullptr, "0.1000", "0.0500", "0.0157", "0.7382", "0.0116", "0.8403", "50"}},
  {{"0.30", "90", "0.013", "2"},
   {"1.5708", "0.0064", "0.2356", "0.0273", "0.2121", "0.0303", nullptr, "0.0439", "0.0273", "0.0064", "0.9852", "0.0063", "1.8063", "14.6333333333333"}},
  {{"1", "200", "0.015", "0.3"},
   {"3.4907", "0.4791", "1.7453", "0.2745", "0.9848", "0.4865", nullptr, "0.5868", "0.2745", "0.4791", "1.5423", "0.7389", "0.7054", "58.68"}},
  {{"0.20", "0", "0.009", "1.00"},
   {"0.0000", "0.0000", "0.0000", "Infinito", "0.0000", "Infinito", nullptr, "0.0000", "Infinito", "0.0000", "", "", "", kPrevious}},
  {{"0.20", "360", "0.009", "1.00"},
   {"6.2832", "0.0314", "0.6283", "0.0500", "0.0000", "Infinito", nullptr, "0.2000", "0.0500", "0.0314", "", "", "", kPrevious}},
  {{"0.20", "0.01", "0.009", "1.00"},
   {"0.0002", "0.0000", "0.0000", "0.0000", "0.0000", "Infinito", nullptr, "0.0000", "0.0000", "0.0000", "", "", "", kPrevious}},
  {{"0", "120", "0.009", "1.00"},
   {"2.0944", "0.0000", "0.0000", "0.0000", "0.0000", "Infinito", nullptr, "0.0000", "0.0000", "0.0000", "", "", "", kPrevious}},
  {{"0.20", "-120", "0.009", "1.00"},
   {"-2.0944", "-0.0061", "-0.2094", "0.0293", "-0.1732", "0.0355", nullptr, "0.0500", "0.0293", "-0.0061", "1.0566", "-0.0065", "1.7899", "25"}},
};
// clang-format on

void PrintTo(const WholeRun& run, std::ostream* out) {
  *out << run.inputs[0] << " / " << run.inputs[1] << " / " << run.inputs[2] << " / "
       << run.inputs[3];
}

TableSheet SheetWithInputs(const std::array<const char*, 4>& inputs) {
  TableSheet sheet;
  sheet.d = {inputs[0], inputs[1], "", inputs[2], inputs[3]};
  sheet.r.fill("stale");
  sheet.r[kSectionFactor] = "";
  sheet.r[kUtilisation] = kPriorK;
  return sheet;
}

std::string WithSeparator(std::string text, const std::string& separator) {
  if (const auto at = text.find('.'); at != std::string::npos) {
    text.replace(at, 1, separator);
  }
  return text;
}

class WholeRunTest : public ::testing::TestWithParam<std::tuple<WholeRun, std::string>> {};

TEST_P(WholeRunTest, WritesEveryResult) {
  const auto& [run, separator] = GetParam();
  TableSheet sheet = SheetWithInputs(run.inputs);

  Recalculate(sheet, separator);

  for (int index = 0; index < 14; ++index) {
    SCOPED_TRACE("R(" + std::to_string(index) + ")");
    const char* expected = run.results[static_cast<std::size_t>(index)];
    if (index == kSectionFactor) {
      EXPECT_EQ(sheet.r[6], "");
    } else if (expected == kPrevious) {
      EXPECT_EQ(sheet.r[13], kPriorK);
    } else if (index == kUtilisation) {
      EXPECT_EQ(sheet.r[13], WithSeparator(expected, separator));
    } else {
      EXPECT_EQ(sheet.r[static_cast<std::size_t>(index)], WithSeparator(expected, separator));
    }
  }
  EXPECT_EQ(sheet.d[1], run.inputs[1]) << "a run writes no input box";
}

INSTANTIATE_TEST_SUITE_P(Table, WholeRunTest,
                         ::testing::Combine(::testing::ValuesIn(kWholeRuns),
                                            ::testing::Values(".", ",")));

TEST(Recalculate, AnglesWithoutANumberReadAsZero) {
  for (const char* angle : {"", "-", ".", "abc"}) {
    SCOPED_TRACE(angle);
    TableSheet sheet = SheetWithInputs({"0.20", angle, "0.009", "1.00"});
    TableSheet zero = SheetWithInputs({"0.20", "0", "0.009", "1.00"});
    Recalculate(sheet);
    Recalculate(zero);
    EXPECT_EQ(sheet.r, zero.r);
  }
}

TEST(Recalculate, NoRoughnessMeansNoFlow) {
  for (const char* roughness : {"", "0", "0,009"}) {
    SCOPED_TRACE(roughness);
    TableSheet sheet = SheetWithInputs({"0.20", "120", roughness, "1.00"});
    Recalculate(sheet);
    EXPECT_EQ(sheet.r[3], "0.0293");
    EXPECT_EQ(sheet.r[10], "");
    EXPECT_EQ(sheet.r[11], "");
    EXPECT_EQ(sheet.r[12], "");
    EXPECT_EQ(sheet.r[13], kPriorK);
  }
}

TEST(Recalculate, ADiameterWithACommaReadsAsZero) {
  TableSheet comma = SheetWithInputs({"0,20", "120", "0.009", "1.00"});
  TableSheet zero = SheetWithInputs({"0", "120", "0.009", "1.00"});
  Recalculate(comma);
  Recalculate(zero);
  EXPECT_EQ(comma.r, zero.r);
}

TEST(Recalculate, TypedUtilisationLastsUntilTheNextFlow) {
  TableSheet sheet = SheetWithInputs({"0.20", "0", "0.009", "1.00"});
  sheet.r[kUtilisation] = "typed by hand";
  for (const char* angle : {"0", "360", "0.01"}) {
    sheet.d[1] = angle;
    Recalculate(sheet);
    EXPECT_EQ(sheet.r[kUtilisation], "typed by hand") << "angle " << angle;
  }
  sheet.d[1] = "120";
  Recalculate(sheet);
  EXPECT_EQ(sheet.r[kUtilisation], "25");
  EXPECT_EQ(sheet.r[kSectionFactor], "");
}

}  // namespace
}  // namespace calc
