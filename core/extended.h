#pragma once

#include <limits>

namespace vorn {

// Every intermediate of the calculator's arithmetic carries a 64-bit significand and is
// rounded to double only at chosen points. This path is built for x86 only, where the x87
// long double is exactly that format; a toolchain with another long double would silently
// compute different bits, so it must not build at all.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must have a 64-bit significand (x87 extended precision)");

// A value with a 64-bit significand. Every operation rounds its exact result to 64 bits,
// to nearest with ties to even; ToDouble() rounds once more, to a double.
//
// Operations are only meaningful inside a FloatingPointScope, which guarantees that
// precision and rounding mode, and makes faults visible as status flags instead of traps.
//
//   FloatingPointScope scope;
//   (Extended(3.0) * Extended(0.1)).ToDouble()   // == 0x1.3333333333334p-2
class Extended {
 public:
  explicit Extended(double value);  // exact: every double fits in 64 bits

  friend Extended operator-(Extended a, Extended b);
  friend Extended operator*(Extended a, Extended b);
  friend Extended operator/(Extended a, Extended b);

  double ToDouble() const;

 private:
  explicit Extended(long double value) : value_(value) {}

  long double value_;
};

// Owns the floating-point environment for the span of one computation.
//
// The constructor saves the caller's environment (control modes and status flags) and
// selects 64-bit precision, rounding to nearest and all exceptions masked, with clear
// status flags. The destructor restores the caller's environment exactly, also while an
// exception unwinds, so a computation that faulted leaves no trace for the next one.
class FloatingPointScope {
 public:
  FloatingPointScope();
  ~FloatingPointScope();

  FloatingPointScope(const FloatingPointScope&) = delete;
  FloatingPointScope& operator=(const FloatingPointScope&) = delete;

  // Throws EInvalidOp, EZeroDivide or EOverflow (in that priority) when an operation since
  // the scope began raised the matching flag. Underflow and inexact results stay silent.
  void ThrowIfFaulted() const;

 private:
  unsigned short x87Control_ = 0;
  unsigned short x87Status_ = 0;
  unsigned int mxcsr_ = 0;
};

}  // namespace vorn
