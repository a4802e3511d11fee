#pragma once

#include <bit>
#include <cstdint>

#include "core/binary_rounding.h"

// The products and the reciprocal the number reading needs, done exactly in integers: the exact
// result is rounded to a 64-bit significand (to nearest, ties to even) and that is rounded to a
// double (to nearest, ties to even). This is the same double rounding an x87 unit at
// 64-bit precision performs, without touching any floating-point state, and it can run at
// compile time.
//
// They take positive operands whose result is a normal double, which is all the number
// reading ever asks for (powers of ten up to 10^256, fractions in [0.5, 1) and integer
// significands below 10^19).

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

// A positive normal double as a multiplier for RoundedIntegerProduct: significand * 2^exponent
// with the significand moved up to fill 64 bits, so the product needs no shift before it.
struct TopAlignedParts {
  std::uint64_t significand;  // bit 63 set, the low 11 bits clear
  std::int64_t exponent;
};

constexpr TopAlignedParts TopAligned(double value) {
  const DoubleParts parts = Unpack(value);
  return {parts.significand << 11, parts.exponent - 11};
}

// n rounded to a double, times y, rounded to 64 bits, then to a double: the same bits as
// RoundedProduct(RoundToDouble(n), y) in about half the work. For n > 0 and a product that
// lies inside the normal range, as every single-step reading does.
//
//   RoundedIntegerProduct(3, TopAligned(0x1.999999999999ap-4)) == 0x1.3333333333334p-2
//   RoundedIntegerProduct(2^60 - 1, TopAligned(1.0)) == 0x1p60   (n itself rounds up)
constexpr double RoundedIntegerProduct(std::uint64_t n, TopAlignedParts y) {
  constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;
  constexpr std::uint64_t kDropped = (std::uint64_t{1} << 11) - 1;  // below a 53-bit significand
  // n moved up to bit 63 and rounded there to 53 bits. Adding just under half the unit of
  // the kept bits, plus the last kept bit, carries into them exactly when rounding to
  // nearest-even goes up; below 2^53 the dropped bits are clear and nothing carries.
  const int zeros = std::countl_zero(n);
  const std::uint64_t top = n << zeros;
  const std::uint64_t sum = top + (kDropped >> 1) + ((top >> 11) & 1);
  std::uint64_t x = sum & ~kDropped;
  std::int64_t exponent = y.exponent - zeros + 64;
  if (sum < top) {  // rounded up past 2^64
    x = kTopBit;
    ++exponent;
  }
  // The exact product lies in [2^126, 2^128); lifted by one bit where needed, its top 64
  // bits are the high word.
  const UInt128 product = UInt128{x} * y.significand;
  auto high = static_cast<std::uint64_t>(product >> 64);
  auto low = static_cast<std::uint64_t>(product);
  const auto lift = (~high) >> 63;
  high = high << lift | ((low >> 63) & lift);
  low <<= lift;
  exponent -= static_cast<std::int64_t>(lift);
  // To 64 bits by the same carry trick on the low word; only an all-ones high word can
  // carry out, and then the product is 2^64 exactly.
  const std::uint64_t bump = (kTopBit - 1) + (high & 1);
  high += static_cast<std::uint64_t>(low + bump < low);
  if (high == 0) {
    high = kTopBit;
    ++exponent;
  }
  // To 53 bits. The kept bits, with their leading one, are added to the exponent field
  // less one: a round-up that reaches 2^53 then carries into the exponent, as it should.
  const std::uint64_t kept = high >> 11;
  const std::uint64_t up = ((high & kDropped) + (kDropped >> 1) + (kept & 1)) >> 11;
  return std::bit_cast<double>(kept + up +
                               (static_cast<std::uint64_t>(exponent + 11 + 1074) << 52));
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
