#include "core/double_bits.h"

#include <bit>

#include "core/binary_rounding.h"

namespace {

constexpr int kSignificandBits = 52;  // stored bits; the leading 1 is implicit
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << kSignificandBits;
constexpr std::uint64_t kFractionMask = kHiddenBit - 1;
constexpr std::uint64_t kSignMask = std::uint64_t{1} << 63;
constexpr std::int64_t kMaxBiasedExponent = 0x7FF;
constexpr std::int64_t kBias = 1023;

double FromParts(std::uint64_t sign, std::int64_t biasedExponent, std::uint64_t fraction) {
  return std::bit_cast<double>(sign | (static_cast<std::uint64_t>(biasedExponent) << 52) |
                               fraction);
}

}  // namespace

double RoundToDouble(std::uint64_t value) {
  if (value < (kHiddenBit << 1)) return static_cast<double>(value);  // exact below 2^53
  return PackNormal(RoundTo53Bits(value, BitLength(value), 0));
}

BinarySplit SplitBinary(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const std::uint64_t sign = bits & kSignMask;
  const auto biased = static_cast<std::int64_t>((bits >> kSignificandBits) & kMaxBiasedExponent);
  if (biased != 0) return {FromParts(sign, kBias - 1, bits & kFractionMask), biased - (kBias - 1)};
  // Subnormal: shift the highest set bit into the hidden position.
  const std::uint64_t fraction = bits & kFractionMask;
  const int lift = std::countl_zero(fraction) - 11;
  return {FromParts(sign, kBias - 1, (fraction << lift) & kFractionMask), -(kBias - 2) - lift};
}

bool IsZeroOrInfinite(double value) {
  const std::uint64_t magnitude = std::bit_cast<std::uint64_t>(value) & ~kSignMask;
  return magnitude == 0 || magnitude == static_cast<std::uint64_t>(kMaxBiasedExponent) << 52;
}

double ScaleByPowerOfTwo(double value, std::int64_t exponent) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const std::uint64_t sign = bits & kSignMask;
  const std::int64_t biased =
      static_cast<std::int64_t>((bits >> kSignificandBits) & kMaxBiasedExponent) + exponent;
  if (biased >= kMaxBiasedExponent) return FromParts(sign, kMaxBiasedExponent, 0);
  if (biased >= 1) return FromParts(sign, biased, bits & kFractionMask);
  // Subnormal result: the encoding's fraction field counts units of 2^-1074, and a
  // round-up into 2^52 correctly yields the smallest normal double.
  const std::uint64_t significand = (bits & kFractionMask) | kHiddenBit;
  return FromParts(sign, 0, static_cast<std::uint64_t>(RoundShiftRight(significand, 1 - biased)));
}
