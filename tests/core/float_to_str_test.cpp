#include "ui/float_to_str.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>
#include <string>
#include <vector>

#include "tests/core/test_support.h"

namespace {

struct Case {
  double value;
  std::string text;
};

void ExpectRenders(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(FloatToStr(c.value), c.text) << "value " << Hex(c.value);
  }
}

TEST(FloatToStr, RendersFifteenSignificantDigits) {
  ExpectRenders({
      {0x1.6fa8d9df51b3cp+2, "5.74468085106383"},    // 9/47 * 30
      {-0x1.02b9310572621p+3, "-8.08510638297872"},  // -10 * 38/47
      {0x1.46cefa8d9df5p-1, "0.638297872340425"},
      {123456789012345, "123456789012345"},
      {1.5, "1.5"},
      {-2, "-2"},
      {0.1, "0.1"},
      {0.30000000000000004, "0.3"},
      {1e308, "1E308"},
      {-1.7976931348623157e308, "-1.79769313486232E308"},
      {0x1p-1074, "4.94065645841247E-324"},
  });
}

TEST(FloatToStr, SwitchesToScientificOutsideTheFixedRange) {
  ExpectRenders({
      {0.00001, "0.00001"},
      {0.0000123, "0.0000123"},
      {0.0000099999999999999995, "0.00001"},  // rounds up into the fixed range
      {1e-6, "1E-6"},
      {-1.25e-7, "-1.25E-7"},
      {999999999999999, "999999999999999"},
      {999999999999999.9, "1E15"},  // rounds up out of the fixed range
      {1e15, "1E15"},
      {1.23456789012346e17, "1.23456789012346E17"},
  });
}

// Exact binary values that end in a 5 at the 16th digit round to the even neighbour.
TEST(FloatToStr, RoundsTiesToEven) {
  ExpectRenders({
      {100000000000000.5, "100000000000000"},
      {100000000000001.5, "100000000000002"},
      {0.0, "0"},
      {-0.0, "0"},
  });
}

TEST(FloatToStr, NamesTheNonFiniteValues) {
  ExpectRenders({
      {std::numeric_limits<double>::infinity(), "INF"},
      {-std::numeric_limits<double>::infinity(), "-INF"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
      {-std::numeric_limits<double>::quiet_NaN(), "NAN"},
  });
}

// A global locale with a decimal comma (as a German desktop sets one) must not change the
// rendering; where the machine has such a C locale too, that is switched on as well.
TEST(FloatToStr, IgnoresTheLocale) {
  struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
  const std::string cLocale = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(FloatToStr(2.5), "2.5");
  EXPECT_EQ(FloatToStr(-1.25e-7), "-1.25E-7");
  std::setlocale(LC_NUMERIC, cLocale.c_str());
  std::locale::global(previous);
}

}  // namespace
