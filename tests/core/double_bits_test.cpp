#include "core/double_bits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/core/test_support.h"

using namespace vorn;  // the core under test

namespace {

// Just below, on and just above each rounding tie, where the tie goes to the even side.
TEST(RoundToDouble, RoundsToNearestWithTiesToEven) {
  const struct {
    std::uint64_t value;
    double expected;
  } cases[] = {
      {0, 0.0},
      {(1ull << 53) - 1, 0x1.fffffffffffffp52},
      {(1ull << 53) + 1, 0x1p53},                // tie, to even (down)
      {(1ull << 53) + 3, 0x1.0000000000002p53},  // tie, to even (up)
      {(1ull << 54) + 1, 0x1p54},                // below the tie
      {(1ull << 54) + 2, 0x1p54},                // tie, to even (down)
      {(1ull << 54) + 3, 0x1.0000000000001p54},  // above the tie
      {~0ull, 0x1p64},                           // carries into a new binary digit
      {1'000'000'000'000'000'000, 1e18},
      {999'999'999'999'999'999, 1e18},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Bits(RoundToDouble(c.value)), Bits(c.expected))
        << "value " << c.value << ": got " << Hex(RoundToDouble(c.value)) << ", expected "
        << Hex(c.expected);
  }
}

TEST(SplitBinary, NormalisesNormalAndSubnormalValues) {
  const struct {
    double value;
    double fraction;
    std::int64_t exponent;
  } cases[] = {
      {12.0, 0.75, 4},
      {1.0, 0.5, 1},
      {0x1.fffffffffffffp1023, 0x1.fffffffffffffp-1, 1024},
      {0x1p-1022, 0.5, -1021},
      {0x1p-1074, 0.5, -1073},
      {0x1.8p-1070, 0.75, -1069},
      {-0x0.fffffffffffffp-1022, -0x1.ffffffffffffep-1, -1022},
  };
  for (const auto& c : cases) {
    const BinarySplit split = SplitBinary(c.value);
    EXPECT_EQ(Bits(split.fraction), Bits(c.fraction)) << "value " << Hex(c.value);
    EXPECT_EQ(split.exponent, c.exponent) << "value " << Hex(c.value);
  }
}

TEST(ScaleByPowerOfTwo, SaturatesAndRoundsIntoSubnormals) {
  const struct {
    double value;
    std::int64_t exponent;
    double expected;
  } cases[] = {
      {0.75, 4, 12.0},
      {0x1.fffffffffffffp-1, 1024, 0x1.fffffffffffffp1023},
      {0.5, 1025, INFINITY},
      {-0.5, 1025, -INFINITY},
      {0.5, 1 << 30, INFINITY},
      {0.5, -1021, 0x1p-1022},                   // smallest normal
      {0x1.fffffffffffffp-1, -1022, 0x1p-1022},  // rounds up into the normal range
      {0x1.8p-1, -1074, 0x1p-1074},              // 0.75 units: up
      {0.5, -1074, 0.0},                         // 0.5 units: tie, to even
      {0x1.0000000000001p-1, -1074, 0x1p-1074},  // just above the tie
      {0x1.8p-1, -1073, 0x1p-1073},              // 1.5 units: tie, to even (up)
      {0x1.4p-1, -1072, 0x1p-1073},              // 2.5 units: tie, to even (down)
      {-0x1.8p-1, -1074, -0x1p-1074},
      {0.5, -5000, 0.0},
  };
  for (const auto& c : cases) {
    const double got = ScaleByPowerOfTwo(c.value, c.exponent);
    EXPECT_EQ(Bits(got), Bits(c.expected)) << Hex(c.value) << " * 2^" << c.exponent << ": got "
                                           << Hex(got) << ", expected " << Hex(c.expected);
  }
}

}  // namespace
