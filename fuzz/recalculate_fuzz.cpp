// Recalculate over random input texts and random earlier result texts. Input: fields separated
// by '|': D(0), D(1), D(3), D(4), the separator's choice, then R(0) to R(13) as they stood.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number_text.hpp"
#include "calc/recalculate.hpp"
#include "tests/support/table_sheet.hpp"

namespace {

constexpr std::array<std::string_view, 4> kSeparators = {".", ",", "\u066B", "'"};

std::vector<std::string> Fields(std::string_view data) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (fields.size() < 19) {
    const std::size_t bar = data.find('|', start);
    fields.emplace_back(data.substr(start, bar == std::string_view::npos ? bar : bar - start));
    if (bar == std::string_view::npos) {
      break;
    }
    start = bar + 1;
  }
  fields.resize(19);
  return fields;
}

bool IsFixed(const std::string& text, std::string_view separator) {
  const double value = calc::ReadDisplayed(text, separator);
  return value == value && calc::FormatFixed4(value, separator) == text;
}

bool IsDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "-"? digits (separator digits)? (e[+-]digits)?
bool IsGeneral(std::string_view text, std::string_view separator) {
  if (!text.empty() && text.front() == '-') {
    text.remove_prefix(1);
  }
  if (const auto e = text.find('e'); e != std::string_view::npos) {
    const std::string_view exponent = text.substr(e + 1);
    if (exponent.empty() || (exponent[0] != '+' && exponent[0] != '-') ||
        !IsDigits(exponent.substr(1))) {
      return false;
    }
    text = text.substr(0, e);
  }
  if (const auto at = text.find(separator); at != std::string_view::npos) {
    return IsDigits(text.substr(0, at)) && IsDigits(text.substr(at + separator.size()));
  }
  return IsDigits(text);
}

void Check(bool holds) {
  if (!holds) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields =
      Fields(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string_view separator =
      kSeparators[fields[4].empty() ? 0 : static_cast<unsigned char>(fields[4][0]) % 4];
  calc::testing::TableSheet sheet;
  sheet.d = {fields[0], fields[1], "", fields[2], fields[3]};
  for (std::size_t i = 0; i < 14; ++i) {
    sheet.r[i] = fields[5 + i];
  }
  const calc::testing::TableSheet before = sheet;

  calc::Recalculate(sheet, separator);

  const auto& r = sheet.r;
  for (std::size_t i = 0; i < 13; ++i) {
    if (i != 6) {
      Check(r[i].empty() || r[i] == calc::kInfinito || IsFixed(r[i], separator));
    }
  }
  Check(r[6] == before.r[6]);
  Check(sheet.d == before.d);
  if (!r[9].empty()) {
    Check(r[8] == r[3] && r[9] == r[1]);
  }
  // The flow boxes fill in order and stop at a failure: never a number after an empty box.
  Check(!(r[10].empty() && !r[11].empty()) && !(r[11].empty() && !r[12].empty()));
  for (std::size_t i = 10; i <= 12; ++i) {
    Check(r[i] != calc::kInfinito);
  }
  if (r[13] != before.r[13]) {
    Check(!r[12].empty() && IsGeneral(r[13], separator));
  }
  return 0;
}
