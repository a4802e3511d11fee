#include "core/ev.h"

#include "core/ev_formulas.h"

// Where the processor has the x87 unit and the compiler reaches it (GCC and Clang, through
// long double and inline assembly) its extended precision is used directly; elsewhere the
// integer emulation gives the same bits.
#if VORN_HAS_X87
#include "core/extended.h"
#else
#include "core/soft_extended.h"
#endif

namespace vorn {

#if VORN_HAS_X87
using PlatformValue = Extended;
using PlatformScope = FloatingPointScope;
#else
using PlatformValue = SoftExtended;
using PlatformScope = SoftExtendedScope;
#endif

double HitProbability(double outs, double knownCards) {
  return ev_formulas::HitProbability<PlatformValue, PlatformScope>(outs, knownCards);
}

double CallEv(double hitProbability, double winnings) {
  return ev_formulas::CallEv<PlatformValue, PlatformScope>(hitProbability, winnings);
}

double FoldEv(double moneyToCall, double hitProbability) {
  return ev_formulas::FoldEv<PlatformValue, PlatformScope>(moneyToCall, hitProbability);
}

}  // namespace vorn
