#pragma once

#include <bit>
#include <cassert>
#include <cstdint>

#include "core/bit_cast.h"

// The binary64 format in one place: its constants, a double taken apart and put back
// together, and the one rounding step every exact path of the core ends with. Nothing
// here touches the floating-point unit, and all of it runs at compile time too.

#if !defined(__SIZEOF_INT128__) || defined(VORN_NO_INT128)
#include "core/portable_uint128.h"
#endif

namespace vorn {

// A 128-bit integer holds a full product of two 64-bit significands: the compiler's own
// where it has one, else two words.
#if defined(__SIZEOF_INT128__) && !defined(VORN_NO_INT128)
__extension__ typedef unsigned __int128 UInt128;
#else
using UInt128 = PortableUInt128;
#endif

// A finite double is significand * 2^exponent with a 53-bit significand (normal) or a
// smaller one at the least exponent (subnormal).
struct Binary64 {
  static constexpr int kFractionBits = 52;  // stored; the leading 1 of a normal is implicit
  static constexpr int kSignificandBits = kFractionBits + 1;
  static constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << kFractionBits;
  static constexpr std::uint64_t kFractionMask = kHiddenBit - 1;
  static constexpr std::uint64_t kSignMask = std::uint64_t{1} << 63;
  static constexpr std::int64_t kMaxBiasedExponent = 0x7FF;  // infinities and NaNs
  static constexpr std::int64_t kBias = 1023;
  // The exponent of the significand's unit: biased exponent less this.
  static constexpr std::int64_t kUnitOffset = kBias + kFractionBits;  // 1075
  // The unit of the smallest normal double and of every subnormal one, 2^-1074.
  static constexpr std::int64_t kMinExponent = 1 - kUnitOffset;
  // The unit of the largest double's significand, 2^971.
  static constexpr std::int64_t kMaxExponent = kMaxBiasedExponent - 1 - kUnitOffset;
};

// A positive double as significand * 2^exponent.
struct DoubleParts {
  std::uint64_t significand;
  std::int64_t exponent;
};

// The biased exponent field of a double: 0 for zeros and subnormals.
constexpr std::int64_t BiasedExponent(double value) {
  return static_cast<std::int64_t>(bit_cast<std::uint64_t>(value) >> Binary64::kFractionBits) &
         Binary64::kMaxBiasedExponent;
}

// The parts of a positive normal double, the significand in [2^52, 2^53).
//
//   Unpack(1.0) == {1 << 52, -52};   Unpack(0x1p-1022) == {1 << 52, -1074}
constexpr DoubleParts Unpack(double value) {
  const auto bits = bit_cast<std::uint64_t>(value);
  assert(!(bits & Binary64::kSignMask) && BiasedExponent(value) != 0 &&
         BiasedExponent(value) != Binary64::kMaxBiasedExponent);
  return {(bits & Binary64::kFractionMask) | Binary64::kHiddenBit,
          BiasedExponent(value) - Binary64::kUnitOffset};
}

// The double with these parts, which must be a normal one's.
//
//   PackNormal({1 << 52, -52}) == 1.0;   PackNormal({1 << 52, -52}, true) == -1.0
constexpr double PackNormal(DoubleParts parts, bool negative = false) {
  assert(parts.significand >> Binary64::kFractionBits == 1);
  assert(parts.exponent >= Binary64::kMinExponent && parts.exponent <= Binary64::kMaxExponent);
  const std::uint64_t sign = negative ? Binary64::kSignMask : 0;
  const auto biased = static_cast<std::uint64_t>(parts.exponent + Binary64::kUnitOffset);
  return bit_cast<double>(sign | biased << Binary64::kFractionBits |
                          (parts.significand & Binary64::kFractionMask));
}

// Number of significant bits of value (0 for 0).
constexpr int BitLength(UInt128 value) {
  const auto high = static_cast<std::uint64_t>(value >> 64);
  const auto low = static_cast<std::uint64_t>(value);
  return high != 0 ? 128 - std::countl_zero(high) : 64 - std::countl_zero(low);
}

// The rounding rule, to nearest with ties to even: 1 when dropping `rest`, the `dropped`
// bits (1 to 63) below `kept`, rounds kept up, else 0. Adding just under half the dropped
// bits' unit, plus kept's last bit, carries out of them exactly then; it cannot overflow,
// as rest is below 2^63. Every rounding in the core decides here. Arithmetic rather than a
// branch: whether a product rounds up is as good as random, and a mispredicted branch
// costs more than the rounding.
//
//   RoundingIncrement(2, 4, 3) == 0 (tie, even);   RoundingIncrement(3, 4, 3) == 1
//   RoundingIncrement(2, 5, 3) == 1;               RoundingIncrement(3, 3, 3) == 0
constexpr std::uint64_t RoundingIncrement(std::uint64_t kept, std::uint64_t rest, int dropped) {
  assert(dropped >= 1 && dropped <= 63 && rest >> dropped == 0);
  return (rest + ((std::uint64_t{1} << (dropped - 1)) - 1) + (kept & 1)) >> dropped;
}

// The same rule for a whole word of dropped bits, where the carry is the word's overflow.
//
//   WordRoundingIncrement(2, 1 << 63) == 0 (tie, even);   WordRoundingIncrement(3, 1 << 63) == 1
constexpr std::uint64_t WordRoundingIncrement(std::uint64_t kept, std::uint64_t rest) {
  return static_cast<std::uint64_t>(rest + ((std::uint64_t{1} << 63) - 1 + (kept & 1)) < rest);
}

// value / 2^shift rounded to nearest, ties to even.
//
//   RoundShiftRight(5, 1) == 2   (2.5, tie, to even)
//   RoundShiftRight(7, 1) == 4   (3.5, tie, to even)
//   RoundShiftRight(11, 2) == 3  (2.75)
constexpr UInt128 RoundShiftRight(UInt128 value, std::int64_t shift) {
  if (shift <= 0) return value;
  if (shift >= 128) return 0;  // value < 2^128 makes the quotient below one half
  const UInt128 quotient = value >> shift;
  const auto kept = static_cast<std::uint64_t>(quotient);
  if (shift < 64) {  // the usual case: the dropped bits fit in one word
    const std::uint64_t mask = (std::uint64_t{1} << shift) - 1;
    return quotient + RoundingIncrement(kept, static_cast<std::uint64_t>(value) & mask,
                                        static_cast<int>(shift));
  }
  // The dropped bits' top 64, with anything below them folded into the lowest as a sticky
  // bit, which tells "above half" from "half" and cannot make a tie out of less.
  const UInt128 dropped = value & ((UInt128{1} << shift) - 1);
  const auto top = static_cast<std::uint64_t>(dropped >> (shift - 64));
  const bool sticky = (dropped & ((UInt128{1} << (shift - 64)) - 1)) != 0;
  return quotient + WordRoundingIncrement(kept, top | (sticky ? 1 : 0));
}

// The one step from a wide significand to a double's: the top 53 of a significand of 64
// bits (bit 63 set), rounded by the bits below them. The result has 53 bits, or 54 where a
// round-up reached 2^53. Lower bits folded into bit 0 as a sticky bit round the same as
// the exact value.
//
//   RoundedTop53((1 << 63) + (1 << 10)) == 1 << 52        (tie, to even)
//   RoundedTop53(~0) == 1 << 53                           (carried into a new bit)
constexpr std::uint64_t RoundedTop53(std::uint64_t significand) {
  assert(significand >> 63 == 1);
  constexpr int kDrop = 64 - Binary64::kSignificandBits;
  const std::uint64_t kept = significand >> kDrop;
  return kept + RoundingIncrement(kept, significand & ((std::uint64_t{1} << kDrop) - 1), kDrop);
}

// significand * 2^exponent, for a significand of 64 bits (bit 63 set), rounded to 53
// bits; a carry into a 54th bit moves the exponent instead. Without a branch, as for the
// increment.
//
//   RoundTo53Bits((1 << 63) + (1 << 10), 0) == {1 << 52, 11}   (tie, to even)
constexpr DoubleParts RoundTo53Bits(std::uint64_t significand, std::int64_t exponent) {
  const std::uint64_t rounded = RoundedTop53(significand);
  const std::uint64_t carry = rounded >> Binary64::kSignificandBits;
  constexpr int kDrop = 64 - Binary64::kSignificandBits;
  return {rounded >> carry, exponent + kDrop + static_cast<std::int64_t>(carry)};
}

// The same rounding, straight into a double whose result is normal. The rounded
// significand's leading bit is added to the exponent field, which is therefore given one
// less: a carry to 2^53 then raises the exponent by itself, as it should, and the common
// path needs no normalising step.
//
//   PackRounded((1 << 63) + (1 << 10), -63) == 1.0   (tie, to even)
constexpr double PackRounded(std::uint64_t significand, std::int64_t exponent,
                             bool negative = false) {
  constexpr int kDrop = 64 - Binary64::kSignificandBits;
  const std::int64_t biased = exponent + kDrop + Binary64::kUnitOffset;
  assert(biased >= 1 && biased < Binary64::kMaxBiasedExponent);
  const std::uint64_t sign = negative ? Binary64::kSignMask : 0;
  return bit_cast<double>(sign |
                          (RoundedTop53(significand) +
                           (static_cast<std::uint64_t>(biased - 1) << Binary64::kFractionBits)));
}

}  // namespace vorn
