#pragma once

#include <bit>
#include <cstdint>

// Integer rounding shared by the exact double arithmetic. A 128-bit integer holds a full
// product of two 64-bit significands: the compiler's own where it has one, else two words.
#if defined(__SIZEOF_INT128__) && !defined(VORN_NO_INT128)
__extension__ typedef unsigned __int128 UInt128;
#else
#include "core/portable_uint128.h"
using UInt128 = PortableUInt128;
#endif

// value / 2^shift rounded to nearest, ties to even. Exact and usable at compile time.
//
//   RoundShiftRight(5, 1) == 2   (2.5, tie, to even)
//   RoundShiftRight(7, 1) == 4   (3.5, tie, to even)
//   RoundShiftRight(11, 2) == 3  (2.75)
constexpr UInt128 RoundShiftRight(UInt128 value, std::int64_t shift) {
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

// A double as significand * 2^exponent, the significand in [2^52, 2^53).
struct DoubleParts {
  std::uint64_t significand;
  std::int64_t exponent;
};

// significand * 2^exponent, for a significand of exactly `bits` bits (at least 53), rounded
// to a 53-bit significand, to nearest with ties to even. A round-up that carries into a new
// bit moves the exponent instead.
//
//   RoundTo53Bits((1 << 54) + 2, 55, 0) == {1 << 52, 2}   (tie, to even)
constexpr DoubleParts RoundTo53Bits(UInt128 significand, int bits, std::int64_t exponent) {
  const int shift = bits - 53;
  UInt128 rounded = RoundShiftRight(significand, shift);
  exponent += shift;
  if (rounded == UInt128{1} << 53) {
    rounded >>= 1;
    ++exponent;
  }
  return {static_cast<std::uint64_t>(rounded), exponent};
}

// 1 when dropping the bits `rest` from below `kept` rounds it up, to nearest with ties to
// even, else 0; `half` is the dropped bits' halfway value. Arithmetic rather than a branch:
// whether a product rounds up is as good as random, and a mispredicted branch costs more
// than the whole rounding.
constexpr std::uint64_t RoundingIncrement(std::uint64_t kept, std::uint64_t rest,
                                          std::uint64_t half) {
  return static_cast<std::uint64_t>(rest > half) |
         (static_cast<std::uint64_t>(rest == half) & kept & 1);
}

// RoundTo53Bits for a significand of 54 to 64 bits, in one word: the usual case, and
// without RoundShiftRight's 128-bit work.
//
//   RoundWordTo53Bits((1 << 54) + 2, 1, 0) == {1 << 52, 2}   (tie, to even)
constexpr DoubleParts RoundWordTo53Bits(std::uint64_t significand, int drop,
                                        std::int64_t exponent) {
  const std::uint64_t half = std::uint64_t{1} << (drop - 1);
  std::uint64_t rounded = significand >> drop;
  rounded += RoundingIncrement(rounded, significand & (2 * half - 1), half);
  exponent += drop;
  if (rounded == std::uint64_t{1} << 53) {  // carried into a new bit
    rounded >>= 1;
    ++exponent;
  }
  return {rounded, exponent};
}

// The double with these parts; they must lie in the normal range.
constexpr double PackNormal(DoubleParts parts, bool negative = false) {
  const std::uint64_t sign = negative ? std::uint64_t{1} << 63 : 0;
  const std::uint64_t fraction = parts.significand & ((std::uint64_t{1} << 52) - 1);
  return std::bit_cast<double>(sign | static_cast<std::uint64_t>(parts.exponent + 1075) << 52 |
                               fraction);
}
