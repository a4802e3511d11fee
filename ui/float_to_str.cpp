#include "ui/float_to_str.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestFixedExponent = -5;  // 0.00001
constexpr int kLargestFixedExponent = 14;   // below 10^15

// The significant digits without trailing zeros, and the decimal exponent of the first.
struct RoundedDecimal {
  bool negative;
  std::string digits;
  int exponent;
};

// The value in scientific notation with this many significant digits, correctly rounded
// from its exact binary value whatever the locale: std::to_chars, or, where the standard
// library lacks it for doubles (libc++ 13, in the WebAssembly toolchain), the C library's
// printf, which is exact there (musl) and never has a locale other than "C" set.
std::string_view ScientificDigits(double value, char (&buffer)[32]) {
#if defined(__cpp_lib_to_chars)
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific, kSignificantDigits - 1);
  return {buffer, static_cast<std::size_t>(result.ptr - buffer)};
#else
  const int length = std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, value);
  return {buffer, static_cast<std::size_t>(length)};
#endif
}

RoundedDecimal Round(double value) {
  char buffer[32];
  const std::string_view text = ScientificDigits(value, buffer);
  const bool negative = text.front() == '-';
  const std::size_t e = text.find('e');
  std::string digits;
  for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
    if (c != '.') digits += c;
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  std::string_view exponent = text.substr(e + 1);
  if (exponent.front() == '+') exponent.remove_prefix(1);  // from_chars takes no plus sign
  int power = 0;
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
  return {negative, digits, power};
}

std::string Fixed(const RoundedDecimal& d) {
  if (d.exponent < 0) return "0." + std::string(-d.exponent - 1, '0') + d.digits;
  const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
  if (d.digits.size() <= integerDigits)
    return d.digits + std::string(integerDigits - d.digits.size(), '0');
  return d.digits.substr(0, integerDigits) + "." + d.digits.substr(integerDigits);
}

std::string Scientific(const RoundedDecimal& d) {
  const std::string mantissa =
      d.digits.size() == 1 ? d.digits : d.digits.substr(0, 1) + "." + d.digits.substr(1);
  return mantissa + "E" + std::to_string(d.exponent);
}

}  // namespace

std::string FloatToStr(double value) {
  if (value == 0) return "0";
  // The calculator's faults stop a click before a result can be infinite or NaN; should
  // one arrive all the same, it is named rather than rendered from to_chars's "inf".
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  const RoundedDecimal d = Round(value);
  const bool fixed = d.exponent >= kSmallestFixedExponent && d.exponent <= kLargestFixedExponent;
  std::string text = d.negative ? "-" : "";
  text += fixed ? Fixed(d) : Scientific(d);
  return text;
}
