#include "calc/recalculate.hpp"

#include <bitset>
#include <cmath>
#include <string>

namespace calc {
namespace {

// PI is the 15-digit decimal on purpose: the results are those of the hand check, which uses it.
constexpr double kPi = 3.14159265358979;
constexpr double kOneEighth = 1.0 / 8.0;
constexpr double kOneQuarter = 1.0 / 4.0;
constexpr double kOneHalf = 0.5;
constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kFroudeFactor = 0.319;

constexpr int kResultCount = 14;
constexpr int kNeverWritten = 6;  // the section factor box
constexpr int kUtilisation = 13;  // written only by a run that computes the flow

// A value that is not finite where the run must write or use it.
struct ArithmeticFailure {};

// One recalculation over a sheet. Each step writes its box before the next step starts, so a
// later step reads the texts this run has just written.
class SectionRun {
 public:
  SectionRun(BoxSheet& sheet, std::string_view decimalSeparator)
      : sheet_(sheet), separator_(decimalSeparator) {}

  void Execute() {
    const double diameter = Input(0);
    const double theta = Input(1) * kPi / 180;
    WriteFixed(0, theta);

    const double sinTheta = std::sin(theta);
    const double sinHalfTheta = std::sin(theta / 2);
    const double area = diameter * diameter * ((theta - sinTheta) * kOneEighth);
    WriteFixed(1, area);
    WriteFixed(2, theta * kOneHalf * diameter);

    double hydraulicRadius = 0;
    if (theta == 0) {
      Write(3, kInfinito);
    } else {
      hydraulicRadius = (1 - sinTheta / theta) * kOneQuarter * diameter;
      WriteFixed(3, hydraulicRadius);
    }

    WriteFixed(4, sinHalfTheta * diameter);
    double hydraulicDepth = 0;
    if (ReadBack(4) == 0) {
      Write(5, kInfinito);
    } else {
      hydraulicDepth = (theta - sinTheta) * kOneEighth / sinHalfTheta * diameter;
      WriteFixed(5, hydraulicDepth);
    }

    WriteFixed(7, diameter / 2 * (1 - std::cos(theta / 2)));
    Write(8, Result(3));
    Write(9, Result(1));

    const double roughness = Input(3);
    const double slope = Input(4);
    if (roughness == 0 || Result(5) == kInfinito || Result(3) == kInfinito) {
      Write(10, "");
      Write(11, "");
      Write(12, "");
      return;
    }

    const double slopeFactor = std::sqrt(slope / 100);
    const double velocity = std::pow(hydraulicRadius, kTwoThirds) * (1 / roughness) * slopeFactor;
    WriteFixed(10, velocity);
    WriteFixed(11, velocity * area);
    WriteFixed(12, velocity * kFroudeFactor / std::sqrt(hydraulicDepth));
    Write(kUtilisation, FormatGeneral(Finite(ReadBack(7) / diameter * 100), separator_));
  }

  // Empties every box of R(0)-R(12) that this run has not written, so that no result of an
  // earlier run stands beside the new inputs.
  void EmptyUnwrittenResults() {
    for (int index = 0; index < kUtilisation; ++index) {
      if (index != kNeverWritten && !written_[static_cast<std::size_t>(index)]) {
        Write(index, "");
      }
    }
  }

 private:
  static double Finite(double value) {
    if (!std::isfinite(value)) {
      throw ArithmeticFailure{};
    }
    return value;
  }

  double Input(int index) const {
    const std::optional<double> value = ReadInput(sheet_.Text(BoxArray::D, index));
    if (!value) {
      throw ArithmeticFailure{};
    }
    return *value;
  }

  std::string Result(int index) const { return sheet_.Text(BoxArray::R, index); }

  double ReadBack(int index) const { return Finite(ReadDisplayed(Result(index), separator_)); }

  void Write(int index, std::string_view text) {
    sheet_.SetText(BoxArray::R, index, text);
    written_[static_cast<std::size_t>(index)] = true;
  }

  void WriteFixed(int index, double value) {
    Write(index, FormatFixed4(Finite(value), separator_));
  }

  BoxSheet& sheet_;
  std::string_view separator_;
  std::bitset<kResultCount> written_;
};

}  // namespace

void Recalculate(BoxSheet& sheet, std::string_view decimalSeparator) {
  SectionRun run(sheet, decimalSeparator);
  try {
    run.Execute();
  } catch (const ArithmeticFailure&) {
    run.EmptyUnwrittenResults();
  }
}

}  // namespace calc
