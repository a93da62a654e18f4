#include "calc/number_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace calc {
namespace {

bool IsSkipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Walks an input text, passing over the characters that ReadInput ignores.
class InputCursor {
 public:
  explicit InputCursor(std::string_view text) : text_(text) {}

  // The next character that counts, or '\0' at the end of the text.
  char Peek() {
    while (pos_ < text_.size() && IsSkipped(text_[pos_])) {
      ++pos_;
    }
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }

  void Advance() { ++pos_; }

  bool Take(char c) {
    if (Peek() != c) {
      return false;
    }
    Advance();
    return true;
  }

  // An optional "+" or "-"; true for "-".
  bool TakeNegativeSign() { return !Take('+') && Take('-'); }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// A decimal number as significant digits times a power of ten: the digits carry no leading or
// trailing zeros, so an empty digit string is zero.
struct DecimalNumber {
  bool negative = false;
  std::string digits;
  std::int64_t exponent = 0;
};

// Exponents are saturated here: far beyond the double range, but far from int64 overflow.
constexpr std::int64_t kExponentLimit = 1'000'000'000;

std::int64_t ReadExponent(InputCursor& cursor) {
  if (!cursor.Take('E') && !cursor.Take('e')) {
    return 0;
  }
  const bool negative = cursor.TakeNegativeSign();
  std::int64_t value = 0;
  while (IsDigit(cursor.Peek())) {
    value = std::min(value * 10 + (cursor.Peek() - '0'), kExponentLimit);
    cursor.Advance();
  }
  return negative ? -value : value;
}

DecimalNumber ScanInput(std::string_view text) {
  InputCursor cursor(text);
  DecimalNumber number;
  number.negative = cursor.TakeNegativeSign();
  bool inFraction = false;
  std::int64_t zerosPending = 0;  // zeros after the last non-zero digit, not yet in `digits`
  for (char c = cursor.Peek(); IsDigit(c) || (c == '.' && !inFraction); c = cursor.Peek()) {
    cursor.Advance();
    if (c == '.') {
      inFraction = true;
      continue;
    }
    if (inFraction) {
      --number.exponent;
    }
    if (c == '0') {
      if (!number.digits.empty()) {
        ++zerosPending;
      }
      continue;
    }
    number.digits.append(static_cast<std::size_t>(zerosPending), '0');
    zerosPending = 0;
    number.digits.push_back(c);
  }
  number.exponent += zerosPending;
  number.exponent += ReadExponent(cursor);
  return number;
}

std::string_view UsableSeparator(std::string_view separator) {
  if (separator.empty() || separator.find_first_of("0123456789-") != std::string_view::npos) {
    return kDefaultSeparator;
  }
  return separator;
}

std::string WithSeparator(std::string_view plain, std::string_view separator) {
  std::string text;
  text.reserve(plain.size() + separator.size());
  for (char c : plain) {
    if (c == '.') {
      text.append(separator);
    } else {
      text.push_back(c);
    }
  }
  return text;
}

// Drops the sign of a text whose digits are all zero, so that a zero never reads "-0".
std::string_view WithoutSignOfZero(std::string_view text) {
  if (!text.empty() && text.front() == '-' &&
      text.find_first_not_of("-0.") == std::string_view::npos) {
    text.remove_prefix(1);
  }
  return text;
}

}  // namespace

std::optional<double> ReadInput(std::string_view text) {
  const DecimalNumber number = ScanInput(text);
  if (number.digits.empty()) {
    return 0.0;
  }
  // The value lies in [10^(magnitude-1), 10^magnitude).
  const auto magnitude = static_cast<std::int64_t>(number.digits.size()) + number.exponent;
  if (magnitude > std::numeric_limits<double>::max_exponent10 + 1) {
    return std::nullopt;
  }
  if (magnitude < std::numeric_limits<double>::min_exponent10 - 20) {
    return 0.0;
  }
  const std::string plain = number.digits + 'e' + std::to_string(number.exponent);
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (magnitude > 0) {
      return std::nullopt;
    }
    value = 0;
  }
  return number.negative && value != 0 ? -value : value;
}

std::string FormatFixed4(double value, std::string_view decimalSeparator) {
  char buffer[400];  // the largest double has 309 integer digits
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
  const std::string_view plain(buffer, static_cast<std::size_t>(result.ptr - buffer));
  return WithSeparator(WithoutSignOfZero(plain), UsableSeparator(decimalSeparator));
}

std::string FormatGeneral(double value, std::string_view decimalSeparator) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  const std::string_view plain(buffer, static_cast<std::size_t>(result.ptr - buffer));
  return WithSeparator(WithoutSignOfZero(plain), UsableSeparator(decimalSeparator));
}

double ReadDisplayed(std::string_view text, std::string_view decimalSeparator) {
  constexpr double kNotDisplayed = std::numeric_limits<double>::quiet_NaN();
  const std::string_view separator = UsableSeparator(decimalSeparator);
  const std::size_t at = text.find(separator);
  if (at == std::string_view::npos) {
    return kNotDisplayed;
  }
  std::string_view integer = text.substr(0, at);
  const std::string_view fraction = text.substr(at + separator.size());
  const bool negative = !integer.empty() && integer.front() == '-';
  if (negative) {
    integer.remove_prefix(1);
  }
  const auto allDigits = [](std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!allDigits(integer) || !allDigits(fraction)) {
    return kNotDisplayed;
  }
  const std::string plain = std::string(integer) + '.' + std::string(fraction);
  double value = 0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec != std::errc{}) {
    return kNotDisplayed;
  }
  return negative && value != 0 ? -value : value;
}

}  // namespace calc
