#include "core/ev.h"

#include <cmath>

#include "core/exceptions.h"
#include "core/extended.h"

namespace {

constexpr double kDeckSize = 52.0;

// The flags catch every fault that the arithmetic itself raises. An operand that already
// is an infinity or a NaN raises none, yet must not reach the display either.
double Finite(double value) {
  if (std::isnan(value)) throw EInvalidOp();
  if (std::isinf(value)) throw EOverflow();
  return value;
}

}  // namespace

double HitProbability(double outs, double knownCards) {
  FloatingPointScope scope;
  const Extended unseen = Extended(kDeckSize) - Extended(knownCards);
  scope.ThrowIfFaulted();
  const Extended quotient = Extended(outs) / unseen;
  scope.ThrowIfFaulted();
  // Rounded to double: the probability is kept as a double for both results.
  const double probability = quotient.ToDouble();
  scope.ThrowIfFaulted();
  return Finite(probability);
}

double CallEv(double hitProbability, double winnings) {
  FloatingPointScope scope;
  const Extended product = Extended(hitProbability) * Extended(winnings);
  scope.ThrowIfFaulted();
  // Rounded to double: this is the value the result field shows.
  const double ev = product.ToDouble();
  scope.ThrowIfFaulted();
  return Finite(ev);
}

double FoldEv(double moneyToCall, double hitProbability) {
  FloatingPointScope scope;
  const double stake = moneyToCall * -1.0;  // exact, and raises nothing even for a NaN
  const Extended miss = Extended(1.0) - Extended(hitProbability);
  scope.ThrowIfFaulted();
  const Extended product = Extended(stake) * miss;
  scope.ThrowIfFaulted();
  // Rounded to double: this is the value the result field shows.
  const double ev = product.ToDouble();
  scope.ThrowIfFaulted();
  return Finite(ev);
}
