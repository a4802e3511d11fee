#include "core/rounded_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/extended.h"
#include "tests/test_support.h"

namespace {

double X87Product(double a, double b) {
  FloatingPointScope scope;
  return (Extended(a) * Extended(b)).ToDouble();
}

double X87Reciprocal(double a) {
  FloatingPointScope scope;
  return (Extended(1.0) / Extended(a)).ToDouble();
}

TEST(RoundedArithmetic, RoundsTwiceLikeTheExtendedUnit) {
  const struct {
    double a, b, product;
  } cases[] = {
      // The 64-bit rounding decides the tie: one step straight to 53 bits gives ...886f.
      {0x1.9ea5b87fe807cp-1, 0x1.cd2b297d889bcp-54, 0x1.757b2b241886ep-54},
      {3.0, 0x1.999999999999ap-4, 0x1.3333333333334p-2},
      {1e16, 1e16, 1e32},
      {0.5, 1e256, 0x1.54fdd7f73bf3cp+849},  // halving is exact
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Bits(RoundedProduct(c.a, c.b)), Bits(c.product))
        << Hex(c.a) << " * " << Hex(c.b) << ": got " << Hex(RoundedProduct(c.a, c.b));
  }
  EXPECT_EQ(Bits(RoundedReciprocal(10)), Bits(0x1.999999999999ap-4));
  EXPECT_EQ(Bits(RoundedReciprocal(0x1p-52)), Bits(0x1p52));
}

// The integer emulation and the x87 unit must agree bit for bit on every product and
// reciprocal the number reading can form; random significands reach the double-rounding
// cases (about one product in two thousand) many times over.
TEST(RoundedArithmetic, AgreesWithTheExtendedUnitOnARandomSweep) {
  std::mt19937_64 engine(20261208);
  std::uniform_real_distribution<double> fraction(0.5, 1.0);
  std::uniform_int_distribution<int> power(-850, 850);
  int failures = 0;
  for (int i = 0; i < 1'000'000 && failures < 10; ++i) {
    const double a = fraction(engine);
    const double b = std::ldexp(fraction(engine), power(engine));
    if (Bits(RoundedProduct(a, b)) != Bits(X87Product(a, b))) {
      ++failures;
      ADD_FAILURE() << Hex(a) << " * " << Hex(b) << ": emulated " << Hex(RoundedProduct(a, b))
                    << ", x87 " << Hex(X87Product(a, b));
    }
    if (Bits(RoundedReciprocal(b)) != Bits(X87Reciprocal(b))) {
      ++failures;
      ADD_FAILURE() << "1 / " << Hex(b) << ": emulated " << Hex(RoundedReciprocal(b)) << ", x87 "
                    << Hex(X87Reciprocal(b));
    }
  }
}

}  // namespace
