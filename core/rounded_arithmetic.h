#pragma once

#include <bit>
#include <cstdint>

#include "core/binary_rounding.h"

// The two operations the number reading needs, done exactly in integers: the exact result
// is rounded to a 64-bit significand (to nearest, ties to even) and that is rounded to a
// double (to nearest, ties to even). This is the same double rounding an x87 unit at
// 64-bit precision performs, without touching any floating-point state, and it can run at
// compile time.
//
// Both take positive normal doubles whose result is a normal double, which is all the
// number reading ever asks for (powers of ten up to 10^256 and fractions in [0.5, 1)).

namespace rounded_arithmetic_detail {

constexpr std::uint64_t kHidden = std::uint64_t{1} << 52;
constexpr int kExtendedBits = 64;

}  // namespace rounded_arithmetic_detail

// A positive normal double as its parts.
constexpr DoubleParts Unpack(double value) {
  using rounded_arithmetic_detail::kHidden;
  const auto bits = std::bit_cast<std::uint64_t>(value);
  return {(bits & (kHidden - 1)) | kHidden, static_cast<std::int64_t>(bits >> 52) - 1075};
}

// x * y, rounded to 64 bits, then to a double; for callers that hold the parts already.
constexpr double RoundedProduct(DoubleParts x, DoubleParts y) {
  using namespace rounded_arithmetic_detail;
  // Both significands moved up to fill 64 bits, so the exact product lies in [2^126, 2^128):
  // its top 64 bits are the high word, or the high word and one bit of the low one.
  constexpr int kSpare = 64 - 53;
  const UInt128 product = UInt128{x.significand << kSpare} * (y.significand << kSpare);
  auto extended = static_cast<std::uint64_t>(product >> 64);
  auto rest = static_cast<std::uint64_t>(product);
  const auto lift = (~extended) >> 63;  // 1 when the leading bit is bit 126
  extended = extended << lift | ((rest >> 63) & lift);
  rest <<= lift;
  std::int64_t exponent =
      x.exponent + y.exponent - 2 * kSpare + 64 - static_cast<std::int64_t>(lift);
  // Rounded to 64 bits by the whole low word, then to 53.
  extended += RoundingIncrement(extended, rest, std::uint64_t{1} << 63);
  if (extended == 0) {  // carried out of 64 bits: 2^64 exactly
    extended = std::uint64_t{1} << 63;
    ++exponent;
  }
  return PackNormal(RoundWordTo53Bits(extended, kExtendedBits - 53, exponent));
}

// a * b, rounded to 64 bits, then to a double.
//
//   RoundedProduct(0x1.9ea5b87fe807cp-1, 0x1.cd2b297d889bcp-54) == 0x1.757b2b241886ep-54
//   (rounded straight to a double it would be ...886fp-54)
constexpr double RoundedProduct(double a, double b) {
  return RoundedProduct(Unpack(a), Unpack(b));
}

// 1 / a, rounded to 64 bits, then to a double.
//
//   RoundedReciprocal(10) == 0x1.999999999999ap-4   (the nearest double to 0.1)
//   RoundedReciprocal(4) == 0.25
constexpr double RoundedReciprocal(double a) {
  using namespace rounded_arithmetic_detail;
  const DoubleParts x = Unpack(a);
  if (x.significand == kHidden) {  // a power of two: the reciprocal is exact
    return std::bit_cast<double>(static_cast<std::uint64_t>(-x.exponent - 104 + 1075) << 52);
  }
  // 2^116 / s lies strictly between 2^63 and 2^64 for s in (2^52, 2^53): a 64-bit quotient.
  constexpr UInt128 kNumerator = UInt128{1} << 116;
  UInt128 quotient = kNumerator / x.significand;
  const UInt128 twiceRemainder = (kNumerator % x.significand) * 2;
  if (twiceRemainder > x.significand || (twiceRemainder == x.significand && (quotient & 1))) {
    ++quotient;
  }
  std::int64_t exponent = -116 - x.exponent;
  if (BitLength(quotient) > kExtendedBits) {  // carried into 2^64
    quotient >>= 1;
    ++exponent;
  }
  return PackNormal(RoundTo53Bits(quotient, kExtendedBits, exponent));
}
