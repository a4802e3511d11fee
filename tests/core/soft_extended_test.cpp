// The integer emulation against the x87 unit it stands in for, on the formulas themselves:
// every result bit and every fault must agree.

#include "core/soft_extended.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <typeinfo>

#include "core/ev_formulas.h"
#include "core/extended.h"
#include "tests/core/test_support.h"

using namespace vorn;  // the core under test

namespace {

// A result as bits, or the name of the fault raised instead.
std::string Outcome(const std::function<double()>& compute) {
  try {
    return Hex(compute());
  } catch (const Exception& fault) {
    return typeid(fault).name();
  }
}

class DoubleGenerator {
 public:
  double Next() {
    switch (std::uniform_int_distribution<int>(0, 5)(engine_)) {
      case 0:  // card counts, whole and half
        return std::uniform_int_distribution<int>(-10, 120)(engine_) / 2.0;
      case 1:  // just around 52, where the unseen count is tiny
        return std::nextafter(52.0, Uniform(0, 1) ? 0.0 : 100.0) +
               Uniform(-4, 4) * std::ldexp(1.0, -47);
      case 2:  // amounts with a few decimals
        return Uniform(-100000, 1000000) / 100.0;
      case 3:  // anything finite, subnormals and the extremes included
        while (true) {
          const double value = vorn::bit_cast<double>(engine_());
          if (std::isfinite(value)) return value;
        }
      case 4:
        return std::ldexp(std::uniform_real_distribution<double>(-1, 1)(engine_),
                          Uniform(-1074, 1024));
      default:
        return Uniform(0, 1) ? 0.0 : -0.0;
    }
  }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
  std::mt19937_64 engine_{424242};
};

TEST(SoftExtended, AgreesWithTheX87UnitOnEveryFormula) {
  using namespace ev_formulas;
  DoubleGenerator generator;
  int failures = 0;
  for (int i = 0; i < 300'000 && failures < 10; ++i) {
    const double a = generator.Next(), b = generator.Next();
    const struct {
      const char* name;
      std::function<double()> x87, soft;
    } formulas[] = {
        {"HitProbability", [&] { return HitProbability<Extended, FloatingPointScope>(a, b); },
         [&] { return HitProbability<SoftExtended, SoftExtendedScope>(a, b); }},
        {"CallEv", [&] { return CallEv<Extended, FloatingPointScope>(a, b); },
         [&] { return CallEv<SoftExtended, SoftExtendedScope>(a, b); }},
        {"FoldEv", [&] { return FoldEv<Extended, FloatingPointScope>(a, b); },
         [&] { return FoldEv<SoftExtended, SoftExtendedScope>(a, b); }},
    };
    for (const auto& formula : formulas) {
      const std::string x87 = Outcome(formula.x87), soft = Outcome(formula.soft);
      if (x87 != soft) {
        ++failures;
        ADD_FAILURE() << formula.name << "(" << Hex(a) << ", " << Hex(b) << "): x87 " << x87
                      << ", emulation " << soft;
      }
    }
  }
}

// Single operations at the places where rounding or range decide the result.
TEST(SoftExtended, RoundsLikeTheX87UnitAtTheEdges) {
  const struct {
    double a, b;
    char op;
  } cases[] = {
      {52.0, 0x1p-1074, '-'},
      {0x1p-1022, 0x1p-1074, '-'},
      {1.0, 3.0, '/'},
      {0x1.fffffffffffffp1023, 0.5, '/'},
      {0x1p-1022, 3.0, '/'},
      {0x1p-1074, 0x1p-1, '*'},
      {0x1.8p-1074, 0.5, '*'},
      {0x1.fffffffffffffp1023, 1.0000000000000002, '*'},
      {1.0, 0x1.0000000000001p0, '-'},
      {0x1.0000000000001p0, 1.0, '-'},
      {-0.0, 0.0, '-'},
      {-0.0, -0.0, '*'},
      {0.0, -3.0, '/'},
  };
  for (const auto& c : cases) {
    auto x87 = [&] {
      FloatingPointScope scope;
      const Extended a(c.a), b(c.b);
      const double result = (c.op == '-' ? a - b : c.op == '*' ? a * b : a / b).ToDouble();
      scope.ThrowIfFaulted();
      return result;
    };
    auto soft = [&] {
      const SoftExtended a(c.a), b(c.b);
      return (c.op == '-' ? a - b : c.op == '*' ? a * b : a / b).ToDouble();
    };
    EXPECT_EQ(Outcome(x87), Outcome(soft)) << Hex(c.a) << " " << c.op << " " << Hex(c.b);
  }
}

}  // namespace
