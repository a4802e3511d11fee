#include "core/decimal_scaling.h"

#include <cmath>

#include "core/double_bits.h"
#include "core/extended.h"

namespace {

// The doubles nearest to 10^(2^i); the first five are exact.
constexpr double kPowers[] = {1e1, 1e2, 1e4, 1e8, 1e16, 1e32, 1e64, 1e128};
constexpr double kLargeStep = 1e256;

double RoundedProduct(double a, double b) {
  // Rounded to double after the 64-bit-significand product.
  return (Extended(a) * Extended(b)).ToDouble();
}

double RoundedReciprocal(double a) {
  // Rounded to double after the 64-bit-significand quotient; a is at least 1, so the
  // reciprocal is a normal double.
  return (Extended(1.0) / Extended(a)).ToDouble();
}

// x * y with x's binary exponent taken out first: the significand product then stays in
// the normal range whatever x is (y lies within 10^-256 ... 10^256), and the exponent is
// put back by integer arithmetic, which saturates or goes subnormal without any fault.
double ScaledProduct(double x, double y) {
  const BinarySplit split = SplitBinary(x);
  return ScaleByPowerOfTwo(RoundedProduct(split.fraction, y), split.exponent);
}

}  // namespace

double ScaleByPowerOfTen(double x, std::int64_t exponent) {
  FloatingPointScope scope;  // keeps the caller's rounding mode and flags out of (and in) it
  const bool upward = exponent > 0;
  auto remaining = static_cast<std::uint64_t>(upward ? exponent : -exponent);
  double factor = 1.0;
  for (double power : kPowers) {
    if (remaining == 0) break;
    if (remaining & 1) factor = RoundedProduct(factor, power);  // at most 10^255: finite
    remaining >>= 1;
  }
  x = ScaledProduct(x, upward ? factor : RoundedReciprocal(factor));
  const double step = upward ? kLargeStep : RoundedReciprocal(kLargeStep);
  for (; remaining > 0 && std::isfinite(x) && x != 0; --remaining) x = ScaledProduct(x, step);
  return x;
}
