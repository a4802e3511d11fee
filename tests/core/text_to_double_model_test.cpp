#include <gtest/gtest.h>

#include <string>

#include "core/text_to_double.h"
#include "tests/core/test_support.h"
#include "tests/core/text_to_double_model.h"
#include "tests/shared/random_texts.h"

using namespace vorn;  // the core under test

namespace {

constexpr std::uint64_t kSeed = 20261208;
constexpr int kSweepSize = 120'000;

TEST(TextToDoubleModel, AgreesWithTheExactModelOnARandomSweep) {
  RandomTexts texts(kSeed);
  SCOPED_TRACE(texts.Describe());
  int failures = 0;
  for (int i = 0; i < kSweepSize && failures < 20; ++i) {
    const std::string text = texts.Next();
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
