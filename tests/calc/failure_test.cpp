#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "calc/number_text.hpp"
#include "calc/recalculate.hpp"
#include "tests/support/table_sheet.hpp"

namespace calc {
namespace {

using testing::TableSheet;

// The result boxes in the order a run writes them; R(13) comes last, and only with a flow.
constexpr std::array<int, 12> kWriteOrder = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12};

struct FailingRun {
  const char* what;
  std::array<const char*, 4> inputs;  // D(0), D(1), D(3), D(4)
  std::size_t written;                // how many boxes of kWriteOrder the run wrote before failing
};

const FailingRun kFailingRuns[] = {
    {"diameter beyond the double range", {"1E400", "120", "0.009", "1.00"}, 0},
    {"angle in radians overflows", {"0.20", "1E308", "0.009", "1.00"}, 0},
    {"diameter squared overflows", {"1E200", "120", "0.009", "1.00"}, 1},
    {"slope beyond the double range", {"0.20", "120", "0.009", "1E400"}, 9},
    {"roughness beyond the double range", {"0.20", "120", "1E999", "1.00"}, 9},
    {"square root of a negative slope", {"0.20", "120", "0.009", "-1"}, 9},
    {"negative hydraulic radius to the power 2/3", {"-0.20", "120", "0.009", "1.00"}, 9},
    {"one over a tiny roughness overflows", {"0.20", "120", "1E-320", "1.00"}, 9},
    {"square root of a negative hydraulic depth", {"0.20", "400", "0.009", "1.00"}, 11},
    {"zero hydraulic depth under a visible width", {"1E12", "1E-10", "0.009", "1.00"}, 11},
};

void PrintTo(const FailingRun& run, std::ostream* out) {
  *out << run.what;
}

bool IsNumberText(const std::string& text) {
  return !std::isnan(ReadDisplayed(text));
}

class FailingRunTest : public ::testing::TestWithParam<FailingRun> {};

TEST_P(FailingRunTest, KeepsWhatItWroteAndEmptiesTheRest) {
  const FailingRun& run = GetParam();
  TableSheet sheet;
  sheet.d = {run.inputs[0], run.inputs[1], "", run.inputs[2], run.inputs[3]};
  sheet.r.fill("earlier run");
  sheet.r[6] = "section factor";
  sheet.r[13] = "prior K";

  Recalculate(sheet);

  for (std::size_t step = 0; step < kWriteOrder.size(); ++step) {
    const std::string& text = sheet.r[static_cast<std::size_t>(kWriteOrder[step])];
    SCOPED_TRACE("R(" + std::to_string(kWriteOrder[step]) + ") \"" + text + "\"");
    if (step < run.written) {
      EXPECT_TRUE(IsNumberText(text) || text == kInfinito);
    } else {
      EXPECT_EQ(text, "");
    }
  }
  EXPECT_EQ(sheet.r[6], "section factor");
  EXPECT_EQ(sheet.r[13], "prior K");

  sheet.d = {"0.20", "120", "", "0.009", "1.00"};
  Recalculate(sheet);
  EXPECT_EQ(sheet.r[0], "2.0944");
  EXPECT_EQ(sheet.r[12], "1.7899");
  EXPECT_EQ(sheet.r[13], "25");
}

INSTANTIATE_TEST_SUITE_P(Points, FailingRunTest, ::testing::ValuesIn(kFailingRuns));

TEST(FailingRun, StopsAtTheFailingStepWithThisRunsResults) {
  TableSheet slope;
  slope.d = {"0.20", "120", "", "0.009", "-1"};
  Recalculate(slope);
  const std::vector<std::string> geometry(slope.r.begin(), slope.r.begin() + 10);
  EXPECT_EQ(geometry, (std::vector<std::string>{"2.0944", "0.0061", "0.2094", "0.0293", "0.1732",
                                                "0.0355", "", "0.0500", "0.0293", "0.0061"}));

  TableSheet angle;
  angle.d = {"0.20", "400", "", "0.009", "1.00"};
  angle.r[13] = "prior K";
  Recalculate(angle);
  EXPECT_EQ(angle.r[5].front(), '-') << "the hydraulic depth is negative past 360 degrees";
  EXPECT_TRUE(IsNumberText(angle.r[10]));
  EXPECT_TRUE(IsNumberText(angle.r[11]));
  EXPECT_EQ(angle.r[12], "");
  EXPECT_EQ(angle.r[13], "prior K");
}

}  // namespace
}  // namespace calc
