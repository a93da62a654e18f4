// For any finite double and separator, the fixed form reads back as the double rounded to four
// decimals. Input: eight bytes of a double, then one byte choosing the separator.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/number_text.hpp"

namespace {
constexpr std::array<std::string_view, 4> kSeparators = {".", ",", "\u066B", "'"};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double) + 1) {
    return 0;
  }
  double value = 0;
  std::memcpy(&value, data, sizeof value);
  if (!std::isfinite(value)) {
    return 0;
  }
  const std::string_view separator = kSeparators[data[sizeof value] % 4];

  const std::string text = calc::FormatFixed4(value, separator);
  const double back = calc::ReadDisplayed(text, separator);
  // Four decimals after the separator, and nothing but digits and a leading "-" around it.
  const std::size_t at = text.find(separator);
  const bool wellFormed = at != std::string::npos && at > 0 &&
                          text.size() == at + separator.size() + 4 &&
                          text.find_first_not_of("-0123456789", 0) == at;
  // Within half a unit of the fourth decimal, allowing for the double nearest to the decimal.
  const double tolerance = 0.00005 + std::abs(value) * 1e-15;
  const bool rounded = std::abs(back - value) <= tolerance;
  const bool signOfZero = !(back == 0 && text.front() == '-');
  if (!wellFormed || !rounded || !signOfZero || calc::FormatFixed4(back, separator) != text) {
    __builtin_trap();
  }
  return 0;
}
