// ReadInput on any bytes: a finite number or the overflow failure, and blanks, tabs and line
// feeds make no difference wherever they stand.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> value = calc::ReadInput(text);
  if (value && !std::isfinite(*value)) {
    __builtin_trap();
  }

  std::string withoutBlanks;
  std::string padded = " ";
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') {
      withoutBlanks.push_back(c);
    }
    padded.push_back(c);
    padded.push_back('\t');
  }
  if (calc::ReadInput(withoutBlanks) != value || calc::ReadInput(padded) != value) {
    __builtin_trap();
  }
  return 0;
}
