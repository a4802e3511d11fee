#include "core/double_bits.h"

#include <bit>
#include <cassert>

#include "core/binary64.h"
#include "core/bit_cast.h"

namespace vorn {

namespace {

constexpr int kFractionBits = Binary64::kFractionBits;
constexpr std::uint64_t kHiddenBit = Binary64::kHiddenBit;
constexpr std::uint64_t kFractionMask = Binary64::kFractionMask;
constexpr std::uint64_t kSignMask = Binary64::kSignMask;
constexpr std::int64_t kMaxBiasedExponent = Binary64::kMaxBiasedExponent;
constexpr std::int64_t kBias = Binary64::kBias;

double FromParts(std::uint64_t sign, std::int64_t biasedExponent, std::uint64_t fraction) {
  assert(biasedExponent >= 0 && biasedExponent <= kMaxBiasedExponent && fraction <= kHiddenBit);
  return bit_cast<double>(sign | (static_cast<std::uint64_t>(biasedExponent) << kFractionBits) |
                          fraction);
}

}  // namespace

double RoundToDouble(std::uint64_t value) {
  if (value < (kHiddenBit << 1)) return static_cast<double>(value);  // exact below 2^53
  const int zeros = std::countl_zero(value);  // moved up to bit 63, nothing lost
  return PackRounded(value << zeros, -zeros);
}

BinarySplit SplitBinary(double value) {
  const auto bits = bit_cast<std::uint64_t>(value);
  const std::uint64_t sign = bits & kSignMask;
  const std::int64_t biased = BiasedExponent(value);
  if (biased != 0) return {FromParts(sign, kBias - 1, bits & kFractionMask), biased - (kBias - 1)};
  // Subnormal: shift the highest set bit into the hidden position.
  const std::uint64_t fraction = bits & kFractionMask;
  const int lift = std::countl_zero(fraction) - 11;
  return {FromParts(sign, kBias - 1, (fraction << lift) & kFractionMask), -(kBias - 2) - lift};
}

bool IsZeroOrInfinite(double value) {
  const std::uint64_t magnitude = bit_cast<std::uint64_t>(value) & ~kSignMask;
  return magnitude == 0 || magnitude == static_cast<std::uint64_t>(kMaxBiasedExponent)
                                            << kFractionBits;
}

double ScaleByPowerOfTwo(double value, std::int64_t exponent) {
  const auto bits = bit_cast<std::uint64_t>(value);
  const std::uint64_t sign = bits & kSignMask;
  assert(BiasedExponent(value) != 0 && BiasedExponent(value) != kMaxBiasedExponent);
  const std::int64_t biased = BiasedExponent(value) + exponent;
  if (biased >= kMaxBiasedExponent) return FromParts(sign, kMaxBiasedExponent, 0);
  if (biased >= 1) return FromParts(sign, biased, bits & kFractionMask);
  // Subnormal result. The value is significand * 2^(biased - 1075) and a subnormal's
  // fraction field counts units of 2^-1074, so the field is significand / 2^(1 - biased),
  // rounded once: that one rounding is the only inexact step, as the format requires. The
  // quotient is at most 2^52 (the shift is at least 1), so it fits the field, and a
  // round-up to exactly 2^52 carries into the exponent field as the smallest normal double,
  // which is the correctly rounded result.
  const std::uint64_t significand = (bits & kFractionMask) | kHiddenBit;
  return FromParts(sign, 0, static_cast<std::uint64_t>(RoundShiftRight(significand, 1 - biased)));
}

}  // namespace vorn
