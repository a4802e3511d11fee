#include "core/text_to_double.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/test_support.h"

using namespace vorn;  // the core under test

namespace {

struct Case {
  std::string text;
  std::uint64_t bits;
};

void ExpectReads(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const double got = TextToDouble(c.text);
    EXPECT_EQ(Bits(got), c.bits) << "text " << Printable(c.text) << "\n  got      " << Hex(got)
                                 << "\n  expected " << Hex(FromBits(c.bits));
  }
}

constexpr std::uint64_t kPlusZero = 0x0000000000000000;
constexpr std::uint64_t kMinusZero = 0x8000000000000000;

TEST(TextToDouble, ReadsTheDocumentedExamples) {
  ExpectReads({
      {"124.56", 0x405F23D70A3D70A4},
      {"47", 0x4047800000000000},
      {"2.5", 0x4004000000000000},
      {"  12", 0x4028000000000000},
      {"\t12", 0x4028000000000000},
      {"12abc", 0x4028000000000000},
      {"+4", 0x4010000000000000},
      {"-3.5", 0xC00C000000000000},
      {".5", 0x3FE0000000000000},
      {"5.", 0x4014000000000000},
      {"-.5", 0xBFE0000000000000},
      {"000123", 0x405EC00000000000},
      {"1e3", 0x408F400000000000},
      {"2.5E-1", 0x3FD0000000000000},
      {"1.e2", 0x4059000000000000},
      {"12e3x", 0x40C7700000000000},
      {"1e0000000000000005", 0x40F86A0000000000},
      {"0.0000001e7", 0x3FF0000000000000},
      {"123456789012345678901234567890", 0x45F8EE90FF6C373E},
  });
}

TEST(TextToDouble, AppliesNegativePowersThroughARoundedReciprocal) {
  ExpectReads({
      {"0.3", 0x3FD3333333333334},  // the nearest double is ...3333
      {"1.2", 0x3FF3333333333334},
      {"0.7", 0x3FE6666666666667},
      {"1.2.3", 0x3FF3333333333334},
      // The product is rounded to 64 bits first; straight to 53 bits would give ...886F.
      {"1823638315573279e-16", 0x3FC757B2B241886E},
  });
}

TEST(TextToDouble, StopsAtTheFirstByteThatDoesNotFit) {
  ExpectReads({
      {"12,5", 0x4028000000000000},
      {"1,000", 0x3FF0000000000000},
      {"1 000", 0x3FF0000000000000},
      {"3-", 0x4008000000000000},
      {"0x1A", kPlusZero},
      {"7\xA0", 0x401C000000000000},
      {"7\xB2", 0x401C000000000000},  // a superscript two is not a digit
      {"1e5e5", 0x40F86A0000000000},
      {"2.5e+1.5", 0x4039000000000000},
  });
}

TEST(TextToDouble, YieldsPlusZeroForUnreadableText) {
  ExpectReads({
      {"", kPlusZero},
      {"   ", kPlusZero},
      {"\xA0"
       "5",
       kPlusZero},
      {"abc", kPlusZero},
      {"-", kPlusZero},
      {".", kPlusZero},
      {"--5", kPlusZero},
      {"- 5", kPlusZero},
      {"+-5", kPlusZero},
      {"e5", kPlusZero},
      {".e5", kPlusZero},
      {"inf", kPlusZero},
      {"nan", kPlusZero},
      {"-inf", kPlusZero},
      {"1e", kPlusZero},
      {"1e+", kPlusZero},
      {"1ex", kPlusZero},
      {"2.5e-", kPlusZero},
      {"-1E", kPlusZero},
      {"5 ", 0x4014000000000000},
      {std::string("\0"
                   "5",
                   2),
       kPlusZero},
  });
}

TEST(TextToDouble, KeepsTheSignOfAZeroThatNeedsNoScaling) {
  ExpectReads({
      {"-0", kMinusZero},
      {"-000", kMinusZero},
      {"-0.0", kMinusZero},
      {"-0e999999", kMinusZero},
      {"0e999999", kPlusZero},
      {"0", kPlusZero},
  });
}

TEST(TextToDouble, ReadsOutOfRangeNumbersAsPlusZero) {
  ExpectReads({
      {"1e999", kPlusZero},
      {"-1e999", kPlusZero},
      {"1.7976931348623159e308", kPlusZero},
      {"1e-999", kPlusZero},
      {"-1e-999", kPlusZero},
      {"2e-324", kPlusZero},
      {"1e123456789", kPlusZero},
      {"1e-123456789", kPlusZero},
  });
}

TEST(TextToDouble, RoundsAtTheEdgesOfTheDoubleRange) {
  ExpectReads({
      {"1.7976931348623157e308", 0x7FEFFFFFFFFFFFFF},
      {"-1.7976931348623157e308", 0xFFEFFFFFFFFFFFFF},
      {"4.9e-324", 0x0000000000000001},
      {"1e-320", 0x00000000000007E8},
      {"2.2250738585072014e-308", 0x0010000000000000},  // smallest normal
  });
}

TEST(TextToDouble, UsesEighteenDigitsAndRoundsOnTheNineteenth) {
  ExpectReads({
      // The digits after the 19th are dropped, so this is a tie that goes to even.
      {"9007199254740993.0000000000001", 0x4340000000000000},
      {"9007199254740993", 0x4340000000000000},  // 2^53 + 1: tie, to even
      {"9007199254740995", 0x4340000000000002},  // 2^53 + 3: tie, to even (up)
      {"9007199254740994", 0x4340000000000001},
      {"9999999999999999995e-19", 0x3FF0000000000000},  // carries up to 10^18: exactly 1
  });
}

}  // namespace

namespace {

// Only eight exponent digits count, which only shows when a long mantissa brings the value
// back into range: 10^-10000000 times 10^10000000 is 1, while nine digits would overflow.
TEST(TextToDouble, CountsEightExponentDigitsAfterLeadingZeros) {
  const std::string tiny = "0." + std::string(9'999'999, '0') + "1";
  ExpectReads({
      {tiny + "e00100000000", 0x3FF0000000000000},
      {tiny + "e10000000", 0x3FF0000000000000},
      {tiny, kPlusZero},
  });
}

}  // namespace
