#pragma once

#include <bit>
#include <cstdint>

// Integer rounding shared by the exact double arithmetic. unsigned __int128 holds a full
// product of two double significands (at most 106 bits).
using UInt128 = unsigned __int128;

// value / 2^shift rounded to nearest, ties to even. Exact and usable at compile time.
//
//   RoundShiftRight(5, 1) == 2   (2.5, tie, to even)
//   RoundShiftRight(7, 1) == 4   (3.5, tie, to even)
//   RoundShiftRight(11, 2) == 3  (2.75)
constexpr UInt128 RoundShiftRight(UInt128 value, int shift) {
  if (shift <= 0) return value;
  if (shift >= 128) return 0;  // value < 2^128 makes the quotient below one half
  const UInt128 quotient = value >> shift;
  bool up;
  if (shift < 64) {  // the usual case: remainder and half fit in the low word
    const std::uint64_t remainder =
        static_cast<std::uint64_t>(value) & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    up = remainder > half || (remainder == half && (quotient & 1) != 0);
  } else {
    const UInt128 remainder = value & ((UInt128{1} << shift) - 1);
    const UInt128 half = UInt128{1} << (shift - 1);
    up = remainder > half || (remainder == half && (quotient & 1) != 0);
  }
  return quotient + (up ? 1 : 0);
}

// Number of significant bits of value (0 for 0).
constexpr int BitLength(UInt128 value) {
  const auto high = static_cast<std::uint64_t>(value >> 64);
  const auto low = static_cast<std::uint64_t>(value);
  return high != 0 ? 128 - std::countl_zero(high) : 64 - std::countl_zero(low);
}
