#include "core/decimal_scaling.h"

#include <array>
#include <bit>

#include "core/double_bits.h"
#include "core/rounded_arithmetic.h"

namespace vorn {

namespace {

// The doubles nearest to 10^(2^i); the first five are exact.
constexpr double kPowers[] = {1e1, 1e2, 1e4, 1e8, 1e16, 1e32, 1e64, 1e128};
constexpr double kLargeStep = 1e256;
constexpr int kTableSize = 256;  // one factor for each combination of the eight powers

// The factor for |exponent| mod 256: the product of the powers whose bit is set, in
// ascending order, each product rounded to 64 bits and then to a double. It depends on
// those eight bits alone, so all 256 factors and their rounded reciprocals are formed
// once, at compile time, by the same exact rounding the reading uses at run time.
constexpr std::array<double, kTableSize> kFactors = [] {
  std::array<double, kTableSize> factors{};
  for (int bits = 0; bits < kTableSize; ++bits) {
    double factor = 1.0;
    for (int i = 0; i < 8; ++i) {
      if (bits & (1 << i)) factor = RoundedProduct(factor, kPowers[i]);  // at most 10^255
    }
    factors[bits] = factor;
  }
  return factors;
}();

constexpr std::array<double, kTableSize> kReciprocals = [] {
  std::array<double, kTableSize> reciprocals{};
  for (int bits = 0; bits < kTableSize; ++bits)
    reciprocals[bits] = RoundedReciprocal(kFactors[bits]);
  return reciprocals;
}();

constexpr double kLargeStepReciprocal = RoundedReciprocal(kLargeStep);

// Both tables in one, indexed by exponent + 255, ready for the product: the reciprocals
// for negative exponents, the factors for positive ones, so no branch picks the table.
constexpr auto kPowerParts = [] {
  std::array<TopAlignedParts, 2 * kTableSize - 1> parts{};
  for (int i = 1; i < kTableSize; ++i) {
    parts[kTableSize - 1 - i] = TopAligned(kReciprocals[i]);
    parts[kTableSize - 1 + i] = TopAligned(kFactors[i]);
  }
  parts[kTableSize - 1] = TopAligned(1.0);
  return parts;
}();

// Whether x * y, both positive and x normal, lies safely inside the normal range even
// after rounding up: 2^(ex+ey) <= x * y < 2^(ex+ey+2).
bool ProductStaysNormal(double x, double y) {
  const std::int64_t sum = BiasedExponent(x) + BiasedExponent(y) - 2 * Binary64::kBias;
  return BiasedExponent(x) != 0 && sum >= 1 - Binary64::kBias && sum <= Binary64::kBias - 2;
}

// x * y with x's binary exponent taken out first: the significand product then stays in
// the normal range whatever x is (y lies within 10^-256 ... 10^256), and the exponent is
// put back by integer arithmetic, which saturates or goes subnormal without any fault.
// Rounding does not depend on the binary exponent, so where the product stays normal the
// direct product gives the same bits.
double ScaledProduct(double x, double y) {
  if (ProductStaysNormal(x, y)) return RoundedProduct(x, y);
  const BinarySplit split = SplitBinary(x);
  return ScaleByPowerOfTwo(RoundedProduct(split.fraction, y), split.exponent);
}

// The usual text: one table entry to apply. The product of a significand below 10^18 <
// 2^60 and an entry in [10^-255, 10^255] lies far inside the normal range, so it needs no
// range check and no subnormal rounding, and the parts of both factors are at hand
// without packing or unpacking any double.
bool IsSingleStep(std::int64_t exponent) {
  return exponent > -kTableSize && exponent < kTableSize;
}

double SingleStep(std::uint64_t significand, std::int64_t exponent) {
  return RoundedIntegerProduct(significand,
                               kPowerParts[static_cast<std::size_t>(exponent + kTableSize - 1)]);
}

}  // namespace

double ScaleByPowerOfTen(double x, std::int64_t exponent) {
  const bool upward = exponent > 0;
  const auto magnitude = static_cast<std::uint64_t>(upward ? exponent : -exponent);
  const std::size_t low = magnitude % kTableSize;
  x = ScaledProduct(x, upward ? kFactors[low] : kReciprocals[low]);
  const double step = upward ? kLargeStep : kLargeStepReciprocal;
  for (auto remaining = magnitude / kTableSize; remaining > 0 && !IsZeroOrInfinite(x);
       --remaining) {
    x = ScaledProduct(x, step);
  }
  return x;
}

double DecimalToDouble(const DecimalNumber& number) {
  double x;
  if (number.significand == 0 || number.exponent == 0) {
    x = RoundToDouble(number.significand);
  } else if (IsSingleStep(number.exponent)) {
    x = SingleStep(number.significand, number.exponent);
  } else {
    x = ScaleByPowerOfTen(RoundToDouble(number.significand), number.exponent);
    // Out of range either way reads as a plain zero, whatever the sign of the text.
    if (IsZeroOrInfinite(x)) return 0.0;
  }
  return number.negative ? -x : x;
}

}  // namespace vorn
