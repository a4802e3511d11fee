#pragma once

namespace vorn {

// The four numbers the player typed, as read from their fields.
struct EvInputs {
  double MoneyToCall;
  double Winnings;
  double Outs;
  double KnownCards;
};

// Chance that the next card is an out: outs / (52 - knownCards), the difference and the
// quotient held with a 64-bit significand, the quotient then rounded to double. Card counts
// are taken as they are: fractional, negative or too many are all computed.
//
//   HitProbability(9, 5)  == 9/47 rounded (0x1.8826a439f656fp-3)
//   HitProbability(1, 52) throws EZeroDivide; HitProbability(0, 52) throws EInvalidOp
//   HitProbability(1e308, 51.5) throws EOverflow
double HitProbability(double outs, double knownCards);

// Expected value of calling: hitProbability * winnings, rounded to double.
//
//   CallEv(2, 1e308) throws EOverflow
double CallEv(double hitProbability, double winnings);

// Value shown for folding: -moneyToCall * (1 - hitProbability), the complement held with a
// 64-bit significand and the product rounded to double.
//
//   FoldEv(0, 0)  == -0.0
//   FoldEv(1e308, -1) throws EOverflow
double FoldEv(double moneyToCall, double hitProbability);

// Each function raises EZeroDivide, EInvalidOp or EOverflow at the operation that faults,
// never returns an infinity or a NaN, and leaves the caller's floating-point environment
// (modes and status flags) as it found it.

}  // namespace vorn
