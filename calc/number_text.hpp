#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// Stands in a result box where the quantity's formula would divide by zero.
inline constexpr std::string_view kInfinito = "Infinito";

inline constexpr std::string_view kDefaultSeparator = ".";

// Reads the leading number of an input box, leniently: blanks, tabs and line feeds are skipped
// anywhere, "." is the only decimal point, and reading stops at the first character that cannot
// continue the number. Text without a leading number reads as 0. Returns nothing when the number
// lies beyond the range of a double; a number too small for a double reads as 0.
std::optional<double> ReadInput(std::string_view text);

// The result text of a finite number: rounded to four decimals, at least one integer digit, no
// thousands separators, no minus sign on a zero. The separator must be one that ReadDisplayed
// can tell apart from the digits; an unusable one (empty, or holding a digit or "-") is ".".
std::string FormatFixed4(double value, std::string_view decimalSeparator = kDefaultSeparator);

// The text of a finite number rounded to 15 significant digits, without trailing zeros; exponent
// notation ("1e+20") only where 15 digits no longer fit.
std::string FormatGeneral(double value, std::string_view decimalSeparator = kDefaultSeparator);

// Reads back a text that FormatFixed4 wrote with the same separator. Any other text reads as NaN.
double ReadDisplayed(std::string_view text, std::string_view decimalSeparator = kDefaultSeparator);

}  // namespace calc
