#pragma once

#include <bit>
#include <cassert>
#include <cstdint>

#include "core/binary64.h"

// The products and the reciprocal the number reading needs, done exactly in integers: the exact
// result is rounded to a 64-bit significand (to nearest, ties to even) and that is rounded to a
// double (to nearest, ties to even). This is the same double rounding an x87 unit at
// 64-bit precision performs, without touching any floating-point state, and it can run at
// compile time.
//
// They take positive operands whose result is a normal double, which is all the number
// reading ever asks for (powers of ten up to 10^256, fractions in [0.5, 1) and integer
// significands below 10^19).

namespace vorn {

// The exact product of two 64-bit significands, each with bit 63 set, rounded to 64 bits:
// the product lies in [2^126, 2^128), so its leading bit is bit 127 or bit 126, and the
// 64 bits from there are the high word, or the high word lifted by one bit of the low one.
// x * y is then about significand * 2^exponent, the significand with bit 63 set.
//
//   ProductTo64Bits(1 << 63, 1 << 63) == {1 << 63, 63}   (2^126 exactly)
constexpr DoubleParts ProductTo64Bits(std::uint64_t x, std::uint64_t y) {
  assert(x >> 63 == 1 && y >> 63 == 1);  // so the product is never zero, nor a shift 64 wide
  const UInt128 product = UInt128{x} * y;
  auto high = static_cast<std::uint64_t>(product >> 64);
  auto low = static_cast<std::uint64_t>(product);
  const auto lift = (~high) >> 63;  // 1 when the leading bit is bit 126
  high = high << lift | ((low >> 63) & lift);
  low <<= lift;
  std::int64_t exponent = 64 - static_cast<std::int64_t>(lift);
  high += WordRoundingIncrement(high, low);
  if (high == 0) {  // carried out of 64 bits: 2^64 exactly
    high = std::uint64_t{1} << 63;
    ++exponent;
  }
  return {high, exponent};
}

// A positive normal double as a multiplier: significand * 2^exponent with the significand
// moved up to fill 64 bits, so that a product needs no shift before it.
struct TopAlignedParts {
  std::uint64_t significand;  // bit 63 set, the low 11 bits clear
  std::int64_t exponent;
};

constexpr TopAlignedParts TopAligned(double value) {
  constexpr int kSpare = 64 - Binary64::kSignificandBits;
  const DoubleParts parts = Unpack(value);
  return {parts.significand << kSpare, parts.exponent - kSpare};
}

// x * y, rounded to 64 bits, then to a double; for callers that hold the parts already.
constexpr double RoundedProduct(TopAlignedParts x, TopAlignedParts y) {
  const DoubleParts product = ProductTo64Bits(x.significand, y.significand);
  return PackRounded(product.significand, x.exponent + y.exponent + product.exponent);
}

// a * b, rounded to 64 bits, then to a double.
//
//   RoundedProduct(0x1.9ea5b87fe807cp-1, 0x1.cd2b297d889bcp-54) == 0x1.757b2b241886ep-54
//   (rounded straight to a double it would be ...886fp-54)
constexpr double RoundedProduct(double a, double b) {
  return RoundedProduct(TopAligned(a), TopAligned(b));
}

// n rounded to a double, times y, rounded to 64 bits, then to a double: the same bits as
// RoundedProduct(RoundToDouble(n), y). For n > 0 and a product that lies inside the normal
// range, as every single-step reading does.
//
//   RoundedIntegerProduct(3, TopAligned(0x1.999999999999ap-4)) == 0x1.3333333333334p-2
//   RoundedIntegerProduct(2^60 - 1, TopAligned(1.0)) == 0x1p60   (n itself rounds up)
constexpr double RoundedIntegerProduct(std::uint64_t n, TopAlignedParts y) {
  assert(n != 0);
  // n moved up to bit 63 loses nothing; rounded to 53 bits in place it is the double n
  // reads as, top-aligned. Only n just below a power of two rounds up out of the word.
  constexpr int kSpare = 64 - Binary64::kSignificandBits;
  constexpr std::uint64_t kDropped = (std::uint64_t{1} << kSpare) - 1;
  const int zeros = std::countl_zero(n);
  const std::uint64_t top = n << zeros;
  std::uint64_t x =
      (top & ~kDropped) + (RoundingIncrement(top >> kSpare, top & kDropped, kSpare) << kSpare);
  std::int64_t exponent = y.exponent - zeros;
  if (x == 0) {  // carried out of the word: 2^64 exactly
    x = std::uint64_t{1} << 63;
    ++exponent;
  }
  const DoubleParts product = ProductTo64Bits(x, y.significand);
  return PackRounded(product.significand, exponent + product.exponent);
}

// 2^116 / divisor for a divisor in (2^52, 2^53), as a 64-bit quotient and its remainder.
// Long division 11 bits at a time: the remainder stays below the divisor, so it and 11 more
// bits fit in a word, and no 128-bit division is needed (which, emulated, would take a
// constant table's evaluation past some compilers' step limits).
struct Division {
  std::uint64_t quotient;
  std::uint64_t remainder;
};
constexpr Division DivideTwoTo116(std::uint64_t divisor) {
  assert(divisor > Binary64::kHiddenBit && divisor >> Binary64::kSignificandBits == 0);
  std::uint64_t quotient = 0;
  std::uint64_t remainder = 1;  // the numerator's leading bit, 2^116, not yet divided
  for (int bitsLeft = 116; bitsLeft > 0;) {
    const int step = bitsLeft < 11 ? bitsLeft : 11;
    remainder <<= step;  // below 2^53 * 2^11: no bit is lost
    quotient = quotient << step | remainder / divisor;
    remainder %= divisor;
    bitsLeft -= step;
  }
  return {quotient, remainder};
}

// 1 / a, rounded to 64 bits, then to a double.
//
//   RoundedReciprocal(10) == 0x1.999999999999ap-4   (the nearest double to 0.1)
//   RoundedReciprocal(4) == 0.25
constexpr double RoundedReciprocal(double a) {
  const DoubleParts x = Unpack(a);
  // A power of two: its reciprocal is a power of two as well, inside the normal range for
  // every divisor the reading uses, so no rounding is needed.
  if (x.significand == Binary64::kHiddenBit) {
    return PackNormal({Binary64::kHiddenBit, -x.exponent - 2 * Binary64::kFractionBits});
  }
  // 2^116 / s lies strictly between 2^63 and 2^64 for s in (2^52, 2^53): a 64-bit quotient.
  // Rounding it to 64 bits is exact arithmetic: the fraction dropped from the quotient is
  // remainder / s, which is above, at or below one half exactly as 2 * remainder is above,
  // at or below s, both integers. The second rounding, to 53 bits, is the x87's own.
  // That decision, as two dropped bits: the next quotient bit and whether anything is
  // left after it.
  const Division division = DivideTwoTo116(x.significand);
  const std::uint64_t twiceRemainder = division.remainder * 2;  // below 2^54
  const bool nextBit = twiceRemainder >= x.significand;
  const bool left = twiceRemainder != (nextBit ? x.significand : 0);
  std::uint64_t quotient = division.quotient;
  quotient += RoundingIncrement(quotient, (nextBit ? 2 : 0) | (left ? 1 : 0), 2);
  std::int64_t exponent = -116 - x.exponent;
  if (quotient == 0) {  // carried into 2^64
    quotient = std::uint64_t{1} << 63;
    ++exponent;
  }
  return PackRounded(quotient, exponent);
}

}  // namespace vorn
