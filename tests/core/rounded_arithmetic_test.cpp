#include "core/rounded_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/double_bits.h"
#include "core/extended.h"
#include "tests/core/test_support.h"

using namespace vorn;  // the core under test

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

// The reading's fused step must give what its two parts give: the integer rounded to a
// double, then the double-rounded product. The edges are integers that round up out of
// 64 bits or sit at 2^53, and products whose top bit falls either side of the word.
TEST(RoundedArithmetic, IntegerProductMatchesRoundingFirst) {
  const std::uint64_t edges[] = {1,
                                 3,
                                 (1ull << 53) - 1,
                                 1ull << 53,
                                 (1ull << 53) + 1,
                                 (1ull << 53) + 3,
                                 (1ull << 60) - 1,
                                 1000000000000000000,
                                 ~0ull,
                                 ~0ull - 1024,
                                 ~0ull << 11};
  const double factors[] = {
      1.0,  0x1.999999999999ap-4, 0x1.fffffffffffffp0, 0x1.0000000000001p0, 0x1.6a09e667f3bcdp0,
      1e22, 0x1.cd2b297d889bcp-54};
  std::mt19937_64 engine(20261208);
  int failures = 0;
  const auto check = [&failures](std::uint64_t n, double y) {
    const double want = RoundedProduct(RoundToDouble(n), y);
    const double got = RoundedIntegerProduct(n, TopAligned(y));
    if (Bits(got) != Bits(want) && ++failures <= 10) {
      ADD_FAILURE() << n << " * " << Hex(y) << ": fused " << Hex(got) << ", in two steps "
                    << Hex(want);
    }
  };
  for (const std::uint64_t n : edges) {
    for (const double y : factors) check(n, y);
  }
  for (int i = 0; i < 1'000'000; ++i) {
    const std::uint64_t n = engine() >> (engine() % 64);
    const double y = std::ldexp(1.0 + static_cast<double>(engine() >> 12) * 0x1p-52, -60);
    if (n != 0) check(n, y);
  }
  EXPECT_EQ(Bits(RoundedIntegerProduct(3, TopAligned(0x1.999999999999ap-4))),
            Bits(0x1.3333333333334p-2));
  EXPECT_EQ(Bits(RoundedIntegerProduct((1ull << 60) - 1, TopAligned(1.0))), Bits(0x1p60));
}

}  // namespace
