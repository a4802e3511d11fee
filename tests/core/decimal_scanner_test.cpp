#include "core/decimal_scanner.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/core/test_support.h"

using namespace vorn;  // the core under test

namespace {

struct Case {
  std::string text;
  std::optional<DecimalNumber> expected;
};

std::string Describe(const std::optional<DecimalNumber>& n) {
  if (!n) return "nothing";
  return std::string(n->negative ? "-" : "+") + std::to_string(n->significand) + "e" +
         std::to_string(n->exponent);
}

TEST(ScanDecimal, FormsSignificandAndExponent) {
  const std::vector<Case> cases = {
      {"124.56", DecimalNumber{false, 12456, -2}},
      {"0.0005", DecimalNumber{false, 5, -4}},
      {"120", DecimalNumber{false, 12, 1}},
      {"1.5e-3", DecimalNumber{false, 15, -4}},
      {"123456789012345678901234567890", DecimalNumber{false, 123456789012345679, 12}},
      {"-0.0", DecimalNumber{true, 0, 0}},
      {"100.0500", DecimalNumber{false, 10005, -2}},
      {"0.0000001e7", DecimalNumber{false, 1, 0}},
      // 18 nines and a 19th digit of 5 carry up to exactly 10^18.
      {"9999999999999999995", DecimalNumber{false, 1, 19}},
      {"9999999999999999994", DecimalNumber{false, 999999999999999999, 1}},
      {"1e0000000000000005", DecimalNumber{false, 1, 5}},
      {"1e123456789", DecimalNumber{false, 1, 12345678}},
      {"1e-000123456789", DecimalNumber{false, 1, -12345678}},
      {" \v+7.", DecimalNumber{false, 7, 0}},
      // Either side of the 18 bytes read in one word: all kept, then the 19th rounding.
      {"-123456789012345678", DecimalNumber{true, 123456789012345678, 0}},
      {"1234567890123456785", DecimalNumber{false, 123456789012345679, 1}},
      {"12345678901234567.5", DecimalNumber{false, 123456789012345675, -1}},
      {"000000000000000012", DecimalNumber{false, 12, 0}},
      {"0000000000000000012", DecimalNumber{false, 12, 0}},
      {"10.", DecimalNumber{false, 1, 1}},
      {"1e", std::nullopt},
      {"-.e1", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<DecimalNumber> got = ScanDecimal(c.text);
    EXPECT_EQ(got, c.expected) << "text " << Printable(c.text) << ": got " << Describe(got)
                               << ", expected " << Describe(c.expected);
  }
}

// The place of the kept digits moves with every further digit, however long the text is;
// leading zeros, in the integer part or after the point, never count.
TEST(ScanDecimal, TracksThePlaceAcrossMillionsOfDigits) {
  const std::string ones(3'000'000, '1');
  EXPECT_EQ(ScanDecimal(ones), (DecimalNumber{false, 111111111111111111, 3'000'000 - 18}));
  const std::string zeros(3'000'000, '0');
  EXPECT_EQ(ScanDecimal(zeros + "42"), (DecimalNumber{false, 42, 0}));
  EXPECT_EQ(ScanDecimal("0." + zeros + "42"), (DecimalNumber{false, 42, -3'000'002}));
}

// The eight-byte check must stop at the bytes either side of the digits ('/' and ':') and
// at the top bytes (0xFA to 0xFF, where a carry between bytes could hide), wherever they
// stand in a long run: the number is what the digits before the byte spell.
TEST(ScanDecimal, StopsAtANonDigitAnywhereInALongRun) {
  const std::string runs[] = {"123456789012345678901234567890", "000000000000000000000000000071"};
  const unsigned char stops[] = {'/', ':', 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};
  for (const std::string& run : runs) {
    for (std::size_t at = 0; at < run.size(); ++at) {
      for (const unsigned char stop : stops) {
        std::string text = run;
        text[at] = static_cast<char>(stop);
        const std::optional<DecimalNumber> got = ScanDecimal(text);
        const std::optional<DecimalNumber> expected = ScanDecimal(run.substr(0, at));
        EXPECT_EQ(got, expected) << "text " << Printable(text) << ": got " << Describe(got)
                                 << ", expected " << Describe(expected);
      }
    }
  }
}

}  // namespace
