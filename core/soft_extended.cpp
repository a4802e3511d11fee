#include "core/soft_extended.h"

#include <bit>

#include <cmath>
#include "core/bit_cast.h"

#include "core/binary64.h"
#include "core/exceptions.h"

namespace vorn {

namespace {

constexpr int kBits = 64;

struct Rounded {
  std::uint64_t significand;
  std::int64_t exponent;
};

// value * 2^exponent (value nonzero, its lowest bit possibly a sticky bit standing for
// anything below it) rounded to a 64-bit significand.
Rounded RoundTo64(UInt128 value, std::int64_t exponent) {
  const int shift = BitLength(value) - kBits;
  UInt128 rounded = shift > 0 ? RoundShiftRight(value, shift) : value << -shift;
  exponent += shift;
  if (BitLength(rounded) > kBits) {  // carried into a 65th bit: 2^64 exactly
    rounded >>= 1;
    ++exponent;
  }
  return {static_cast<std::uint64_t>(rounded), exponent};
}

// a >> shift with every bit shifted out folded into the lowest bit.
UInt128 ShiftRightSticky(UInt128 a, std::int64_t shift) {
  if (shift <= 0) return a;
  if (shift >= 128) return a != 0 ? 1 : 0;
  const UInt128 lost = a & ((UInt128{1} << shift) - 1);
  return (a >> shift) | (lost != 0 ? 1 : 0);
}

}  // namespace

SoftExtended::SoftExtended(double value) {
  if (std::isnan(value)) throw EInvalidOp();
  if (std::isinf(value)) throw EOverflow();
  const auto bits = bit_cast<std::uint64_t>(value);
  negative_ = (bits & Binary64::kSignMask) != 0;
  const std::int64_t biased = BiasedExponent(value);
  const std::uint64_t fraction = bits & Binary64::kFractionMask;
  if (biased == 0 && fraction == 0) return;  // a zero
  const std::uint64_t significand = biased == 0 ? fraction : fraction | Binary64::kHiddenBit;
  const int lift = std::countl_zero(significand);  // normalise to the top bit
  significand_ = significand << lift;
  exponent_ = (biased == 0 ? 1 : biased) - Binary64::kUnitOffset - lift;
}

SoftExtended Add(SoftExtended a, SoftExtended b) {
  if (b.IsZero()) return a.IsZero() ? SoftExtended(a.negative_ && b.negative_, 0, 0) : a;
  if (a.IsZero()) return b;
  const bool aLarger =
      a.exponent_ != b.exponent_ ? a.exponent_ > b.exponent_ : a.significand_ >= b.significand_;
  const SoftExtended& large = aLarger ? a : b;
  const SoftExtended& small = aLarger ? b : a;
  // 62 spare bits below the larger operand keep the rounding exact; the smaller one's
  // bits below them only matter as a sticky bit.
  constexpr int kSpare = 62;
  const UInt128 big = UInt128{large.significand_} << kSpare;
  const UInt128 little =
      ShiftRightSticky(UInt128{small.significand_} << kSpare, large.exponent_ - small.exponent_);
  const UInt128 sum = large.negative_ == small.negative_ ? big + little : big - little;
  if (sum == 0) return SoftExtended(false, 0, 0);  // x - x is +0 when rounding to nearest
  const Rounded r = RoundTo64(sum, large.exponent_ - kSpare);
  return SoftExtended(large.negative_, r.significand, r.exponent);
}

SoftExtended operator-(SoftExtended a, SoftExtended b) {
  b.negative_ = !b.negative_;
  return Add(a, b);
}

SoftExtended operator*(SoftExtended a, SoftExtended b) {
  const bool negative = a.negative_ != b.negative_;
  if (a.IsZero() || b.IsZero()) return SoftExtended(negative, 0, 0);
  const Rounded r = RoundTo64(UInt128{a.significand_} * b.significand_, a.exponent_ + b.exponent_);
  return SoftExtended(negative, r.significand, r.exponent);
}

SoftExtended operator/(SoftExtended a, SoftExtended b) {
  if (b.IsZero()) {
    if (a.IsZero()) throw EInvalidOp();
    throw EZeroDivide();
  }
  const bool negative = a.negative_ != b.negative_;
  if (a.IsZero()) return SoftExtended(negative, 0, 0);
  // Both significands lie in [2^63, 2^64), so the quotient of a * 2^64 has 64 or 65 bits.
  const UInt128 numerator = UInt128{a.significand_} << 64;
  UInt128 quotient = numerator / b.significand_;
  const UInt128 remainder = numerator % b.significand_;
  std::int64_t exponent = a.exponent_ - 64 - b.exponent_;
  if (BitLength(quotient) == kBits) {
    // One more quotient bit decides the rounding: it is set when 2r >= d, and anything
    // left over after it is sticky.
    const UInt128 twice = remainder * 2;
    quotient = (quotient << 1) | (twice >= b.significand_ ? 1 : 0);
    const bool rest = twice != 0 && twice != b.significand_;
    quotient = (quotient << 1) | (rest ? 1 : 0);
    exponent -= 2;
  } else {
    quotient = (quotient << 1) | (remainder != 0 ? 1 : 0);
    exponent -= 1;
  }
  const Rounded r = RoundTo64(quotient, exponent);
  return SoftExtended(negative, r.significand, r.exponent);
}

double SoftExtended::ToDouble() const {
  const std::uint64_t sign = negative_ ? Binary64::kSignMask : 0;
  if (IsZero()) return bit_cast<double>(sign);
  // The leading bit is in the normal range.
  if (exponent_ + (kBits - 1) >= Binary64::kMinExponent + Binary64::kFractionBits) {
    const DoubleParts parts = RoundTo53Bits(significand_, exponent_);
    if (parts.exponent > Binary64::kMaxExponent) throw EOverflow();
    return PackNormal(parts, negative_);
  }
  // Subnormal: count units of 2^-1074, rounded once; reaching 2^52 units is the smallest
  // normal double, which the same encoding expresses.
  const UInt128 units = RoundShiftRight(significand_, Binary64::kMinExponent - exponent_);
  return bit_cast<double>(sign | static_cast<std::uint64_t>(units));
}

}  // namespace vorn
