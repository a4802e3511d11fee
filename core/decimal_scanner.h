#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorn {

// A number read from the start of a field text: (negative ? -1 : 1) * significand * 10^exponent.
// The significand has at most 18 digits (or is exactly 10^18 after a round-up) and no
// trailing decimal zeros; it is 0 when every mantissa digit was a zero.
struct DecimalNumber {
  bool negative = false;
  std::uint64_t significand = 0;
  std::int64_t exponent = 0;

  friend bool operator==(const DecimalNumber&, const DecimalNumber&) = default;
};

// Reads one decimal number after leading white space (bytes 0x09-0x0D and 0x20): an optional
// sign, digits with at most one point, and an exponent that needs at least one mantissa digit
// before it. Stops at the first byte that does not fit and never backs up. Returns nothing
// when there is no mantissa digit, or when an exponent marker has no digit after it.
//
// Only the first 18 significant digits are kept; a 19th of 5 or more rounds them up, and
// everything after is dropped. Of the exponent, at most 8 digits after its leading zeros
// count. Runs in one pass over the text, without allocating.
//
//   ScanDecimal("124.56")  -> {false, 12456, -2}
//   ScanDecimal("  -1.5e-3x") -> {true, 15, -4}
//   ScanDecimal("120")     -> {false, 12, 1}
//   ScanDecimal("1e")      -> nothing
//   ScanDecimal("12,5")    -> {false, 12, 0}
std::optional<DecimalNumber> ScanDecimal(std::string_view text);

}  // namespace vorn
