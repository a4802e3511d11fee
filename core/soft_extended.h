#pragma once

#include <cstdint>

namespace vorn {

// A value with a 64-bit significand computed exactly in integers: every operation rounds
// its exact result to 64 bits (to nearest, ties to even) and ToDouble() rounds that to a
// double, into the subnormal range when it must. The same bits as the x87 unit at 64-bit
// precision, on any processor, and no floating-point state is read or written.
//
// Faults are raised where the operation happens: EZeroDivide for x / 0, EInvalidOp for
// 0 / 0 and for a NaN operand, EOverflow when a result rounded to double is out of range
// (and for an infinite operand, which the x87 unit would carry on with; no field text
// ever reads as one).
//
//   (SoftExtended(52.0) - SoftExtended(5.0)).ToDouble()  == 47.0
//   (SoftExtended(9.0) / SoftExtended(47.0)).ToDouble()  == 0x1.882b931057262p-3
class SoftExtended {
 public:
  explicit SoftExtended(double value);

  friend SoftExtended operator-(SoftExtended a, SoftExtended b);
  friend SoftExtended operator*(SoftExtended a, SoftExtended b);
  friend SoftExtended operator/(SoftExtended a, SoftExtended b);

  double ToDouble() const;

 private:
  SoftExtended(bool negative, std::uint64_t significand, std::int64_t exponent)
      : negative_(negative), significand_(significand), exponent_(exponent) {}

  friend SoftExtended Add(SoftExtended a, SoftExtended b);
  bool IsZero() const { return significand_ == 0; }

  bool negative_ = false;
  std::uint64_t significand_ = 0;  // 0 for a zero, else its top bit is set
  std::int64_t exponent_ = 0;      // the value is significand * 2^exponent
};

// The integer arithmetic raises its faults itself; this stands where the x87 path keeps
// its floating-point environment, so both paths read the same.
struct SoftExtendedScope {
  void ThrowIfFaulted() const {}
};

}  // namespace vorn
