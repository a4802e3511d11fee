#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/text_to_double.h"
#include "tests/core/test_support.h"
#include "tests/core/text_to_double_model.h"

using namespace vorn;  // the core under test

namespace {

constexpr std::uint64_t kSeed = 20261208;
constexpr int kSweepSize = 120'000;

// Field texts of every shape the reading distinguishes, weighted towards the places where
// it rounds: long significands, exponents near the ends of the double range, ties.
class TextGenerator {
 public:
  std::string Next() {
    if (Chance(0.03)) return RandomBytes();
    std::string text;
    if (Chance(0.1)) text += Pick(" \t\n\v\f\r");
    if (Chance(0.3)) text += Pick("+-");
    text += DigitRun(Uniform(0, 3) == 0 ? Uniform(0, 30) : Uniform(0, 19));
    if (Chance(0.6)) text += '.' + DigitRun(Uniform(0, 22));
    if (Chance(0.6)) text += Exponent();
    if (Chance(0.15)) text += Pick(",. e-+xE0\xA0");
    return text;
  }

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(engine_); }
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
  char Pick(const std::string& from) { return from[Uniform(0, static_cast<int>(from.size()) - 1)]; }

  std::string DigitRun(int length) {
    std::string digits;
    const bool nines = Chance(0.05);  // runs of 9s carry on rounding
    const bool zeros = Chance(0.2);   // leading zeros and trailing zeros move the exponent
    for (int i = 0; i < length; ++i) {
      digits += nines ? '9' : zeros && Chance(0.5) ? '0' : static_cast<char>('0' + Uniform(0, 9));
    }
    return digits;
  }

  std::string Exponent() {
    std::string text(1, Pick("eE"));
    if (Chance(0.6)) text += Pick("+-");
    if (Chance(0.05)) return text;  // no digits: the whole number is rejected
    if (Chance(0.05)) text += std::string(Uniform(1, 12), '0');
    const int magnitude =
        Chance(0.5) ? Uniform(280, 345) : Uniform(0, Chance(0.1) ? 99999999 : 400);
    return text + std::to_string(magnitude);
  }

  std::string RandomBytes() {
    std::string text(Uniform(0, 12), '\0');
    for (char& c : text) c = static_cast<char>(Uniform(0, 255));
    return text;
  }

  std::mt19937_64 engine_{kSeed};
};

TEST(TextToDoubleModel, AgreesWithTheExactModelOnARandomSweep) {
  TextGenerator generator;
  int failures = 0;
  for (int i = 0; i < kSweepSize && failures < 20; ++i) {
    const std::string text = generator.Next();
    const double got = TextToDouble(text);
    const double expected = ModelTextToDouble(text);
    if (Bits(got) != Bits(expected)) {
      ++failures;
      ADD_FAILURE() << "text " << Printable(text) << "\n  got      " << Hex(got) << "\n  expected "
                    << Hex(expected);
    }
  }
}

// Texts whose value lies within a few units of a place where the result changes: the
// largest double, the overflow threshold, the smallest normal and subnormal doubles.
TEST(TextToDoubleModel, AgreesWithTheExactModelAtTheRangeEdges) {
  const char* const edges[] = {
      "1.797693134862315",  "1.7976931348623157", "1.7976931348623158", "1.797693134862316",
      "2.225073858507201",  "2.2250738585072011", "2.2250738585072014", "4.940656458412465",
      "2.4703282292062327", "2.4703282292062328", "7.4109846876186981", "9.8813129168249309",
  };
  const char* const exponents[] = {"e308", "e-308", "e-324", "e-323", "e-322"};
  for (const char* edge : edges) {
    for (const char* exponent : exponents) {
      for (const char* tail : {"", "0", "1", "4", "5", "6", "9", "99999"}) {
        const std::string text = std::string(edge) + tail + exponent;
        EXPECT_EQ(Bits(TextToDouble(text)), Bits(ModelTextToDouble(text)))
            << "text " << Printable(text) << "\n  got      " << Hex(TextToDouble(text))
            << "\n  expected " << Hex(ModelTextToDouble(text));
      }
    }
  }
}

}  // namespace
