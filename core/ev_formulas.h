#pragma once

#include <cmath>

#include "core/exceptions.h"

namespace vorn {

// The three formulas, written once for either 64-bit-significand arithmetic: the x87 unit
// (Value = Extended, Scope = FloatingPointScope) or the integer emulation (SoftExtended,
// SoftExtendedScope). Scope::ThrowIfFaulted() after each step raises a fault at the
// operation that caused it; the emulation raises its faults inside the operation itself.

namespace ev_formulas {

constexpr double kDeckSize = 52.0;

// The fault checks catch every fault the arithmetic raises. An operand that already is an
// infinity or a NaN raises none, yet must not reach the display either.
inline double Finite(double value) {
  if (std::isnan(value)) throw EInvalidOp();
  if (std::isinf(value)) throw EOverflow();
  return value;
}

template <typename Value, typename Scope>
double HitProbability(double outs, double knownCards) {
  Scope scope;
  const Value unseen = Value(kDeckSize) - Value(knownCards);
  scope.ThrowIfFaulted();
  const Value quotient = Value(outs) / unseen;
  scope.ThrowIfFaulted();
  // Rounded to double: the probability is kept as a double for both results.
  const double probability = quotient.ToDouble();
  scope.ThrowIfFaulted();
  return Finite(probability);
}

template <typename Value, typename Scope>
double CallEv(double hitProbability, double winnings) {
  Scope scope;
  const Value product = Value(hitProbability) * Value(winnings);
  scope.ThrowIfFaulted();
  // Rounded to double: this is the value the result field shows.
  const double ev = product.ToDouble();
  scope.ThrowIfFaulted();
  return Finite(ev);
}

template <typename Value, typename Scope>
double FoldEv(double moneyToCall, double hitProbability) {
  Scope scope;
  const double stake = moneyToCall * -1.0;  // exact, and raises nothing even for a NaN
  const Value miss = Value(1.0) - Value(hitProbability);
  scope.ThrowIfFaulted();
  const Value product = Value(stake) * miss;
  scope.ThrowIfFaulted();
  // Rounded to double: this is the value the result field shows.
  const double ev = product.ToDouble();
  scope.ThrowIfFaulted();
  return Finite(ev);
}

}  // namespace ev_formulas

}  // namespace vorn
