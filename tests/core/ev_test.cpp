#include "core/ev.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <functional>
#include <string>
#include <typeinfo>

#include "core/exceptions.h"
#include "core/text_to_double.h"
#include "tests/core/test_support.h"

using namespace vorn;  // the core under test

namespace {

struct Calculation {
  EvInputs in;
  std::uint64_t probability, call, fold;
};

void ExpectBits(double got, std::uint64_t expected, const std::string& what) {
  EXPECT_EQ(Bits(got), expected) << what << ": got " << Hex(got) << ", expected "
                                 << Hex(FromBits(expected));
}

std::string Describe(const EvInputs& in) {
  return "call " + std::to_string(in.MoneyToCall) + ", win " + std::to_string(in.Winnings) +
         ", known " + std::to_string(in.KnownCards) + ", outs " + std::to_string(in.Outs);
}

TEST(Ev, ComputesTheThreeResultsWithExtendedIntermediates) {
  const Calculation cases[] = {
      {{10, 30, 9, 5}, 0x3FC882B931057262, 0x4016FA8D9DF51B3C, 0xC0202B9310572621},
      {{0, 0, 0, 0}, 0x0000000000000000, 0x0000000000000000, 0x8000000000000000},
      // More outs than unseen cards: the complement is negative and so is the stake.
      {{10, 0, 50, 5}, 0x3FF10572620AE4C4, 0x0000000000000000, 0x3FE46CEFA8D9DF50},
      // More known cards than the deck: a negative probability, computed without complaint.
      {{1, 8, 1, 60}, 0xBFC0000000000000, 0xBFF0000000000000, 0xBFF2000000000000},
      {{3, 7, 2, 51.5}, 0x4010000000000000, 0x403C000000000000, 0x4022000000000000},
      // Rounded to 64 bits first; straight to a double the call EV would be ...13FB.
      {{0, 767.95, 2, 11}, 0x3FA8F9C18F9C18FA, 0x4042BB013FB013FC, 0x8000000000000000},
  };
  for (const Calculation& c : cases) {
    const double p = HitProbability(c.in.Outs, c.in.KnownCards);
    ExpectBits(p, c.probability, "probability for " + Describe(c.in));
    ExpectBits(CallEv(p, c.in.Winnings), c.call, "call EV for " + Describe(c.in));
    ExpectBits(FoldEv(c.in.MoneyToCall, p), c.fold, "fold EV for " + Describe(c.in));
  }
}

struct Fault {
  std::string what;
  std::function<double()> compute;
  const std::type_info& type;
  std::string message;
};

TEST(Ev, RaisesAFaultInsteadOfReturningAnInfinityOrNaN) {
  const Fault faults[] = {
      {"1 out, 52 known", [] { return HitProbability(1, 52); }, typeid(EZeroDivide),
       "Floating point division by zero"},
      {"0 outs, 52 known", [] { return HitProbability(0, 52); }, typeid(EInvalidOp),
       "Invalid floating point operation"},
      {"1e308 outs, 51.5 known", [] { return HitProbability(1e308, 51.5); }, typeid(EOverflow),
       "Floating point overflow"},
      {"probability 2, win 1e308", [] { return CallEv(2, 1e308); }, typeid(EOverflow),
       "Floating point overflow"},
      {"call 1e308, probability -1", [] { return FoldEv(1e308, -1); }, typeid(EOverflow),
       "Floating point overflow"},
      {"win an infinity", [] { return CallEv(0.5, INFINITY); }, typeid(EOverflow),
       "Floating point overflow"},
      {"outs a NaN", [] { return HitProbability(NAN, 5); }, typeid(EInvalidOp),
       "Invalid floating point operation"},
  };
  for (const Fault& f : faults) {
    try {
      const double value = f.compute();
      ADD_FAILURE() << f.what << ": returned " << Hex(value) << " instead of faulting";
    } catch (const Exception& e) {
      EXPECT_EQ(typeid(e), f.type) << f.what;
      EXPECT_EQ(std::string(e.what()), f.message) << f.what;
    }
  }
}

// The call EV is complete before the fold EV can fault: with 1e308 to call, 0 to win, 53
// known cards and 1 out, the call EV is a negative zero and only the fold EV overflows.
TEST(Ev, DeliversTheCallResultBeforeTheFoldResultFaults) {
  const double p = HitProbability(1, 53);
  ExpectBits(p, 0xBFF0000000000000, "probability");
  ExpectBits(CallEv(p, 0), 0x8000000000000000, "call EV");
  EXPECT_THROW(FoldEv(1e308, p), EOverflow);
}

// Whatever the caller had set (a directed rounding mode, flags already raised), each call
// computes with rounding to nearest and hands the environment back as it was, also when
// it faults: the next calculation after a fault behaves exactly like the first.
TEST(Ev, LeavesTheFloatingPointEnvironmentAsItFoundIt) {
#if defined(__EMSCRIPTEN__)
  GTEST_SKIP() << "WebAssembly has no rounding modes or status flags to leave as they were";
#else
  for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    for (int flags : {0, FE_INEXACT, FE_INVALID | FE_UNDERFLOW}) {
      const std::string context =
          "rounding mode " + std::to_string(mode) + ", flags " + std::to_string(flags);
      std::fesetround(mode);
      std::feclearexcept(FE_ALL_EXCEPT);
      if (flags) std::feraiseexcept(flags);
      // Some targets raise inexact along with underflow: compare with what is set now.
      const int flagsBefore = std::fetestexcept(FE_ALL_EXCEPT);

      EXPECT_THROW(HitProbability(1, 52), EZeroDivide) << context;
      ExpectBits(HitProbability(9, 5), 0x3FC882B931057262, context);
      ExpectBits(CallEv(0.19148936170212766, 30), 0x4016FA8D9DF51B3C, context);
      EXPECT_THROW(FoldEv(1e308, -1), EOverflow) << context;
      ExpectBits(TextToDouble("0.3"), 0x3FD3333333333334, context);
      ExpectBits(TextToDouble("1e-320"), 0x00000000000007E8, context);

      EXPECT_EQ(std::fegetround(), mode) << context;
      EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), flagsBefore) << context;
    }
  }
  std::fesetround(FE_TONEAREST);
  std::feclearexcept(FE_ALL_EXCEPT);
#endif
}

}  // namespace
