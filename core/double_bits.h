#pragma once

#include <cstdint>

#include "core/binary64.h"

namespace vorn {

// Exact integer operations on the binary form of doubles. None of them touches the
// floating-point unit, so none depends on its rounding mode or sets its status flags.

// The double nearest to value, ties to even.
//
//   RoundToDouble(9007199254740993) == 0x1p53   (tie, to the even neighbour)
//   RoundToDouble(9007199254740995) == 0x1.0000000000002p53
double RoundToDouble(std::uint64_t value);

// A finite nonzero value split as fraction * 2^exponent with 0.5 <= |fraction| < 1;
// subnormal values are normalised first.
//
//   SplitBinary(12.0) == {0.75, 4};   SplitBinary(0x1p-1074) == {0.5, -1073}
struct BinarySplit {
  double fraction;
  std::int64_t exponent;
};
BinarySplit SplitBinary(double value);

// Whether value is a zero or an infinity. Read from the bits: comparing a subnormal value
// on x86 would raise the denormal-operand flag, and the reading leaves no flag behind.
//
//   IsZeroOrInfinite(-0.0) == true;   IsZeroOrInfinite(0x1p-1074) == false
bool IsZeroOrInfinite(double value);

// value * 2^exponent for a normal double: beyond the largest double the result is an
// infinity of value's sign; below the smallest normal double it is rounded to the nearest
// subnormal, ties to even, and may become a zero.
//
//   ScaleByPowerOfTwo(0.75, 4) == 12.0
//   ScaleByPowerOfTwo(0x1.8p-1, -1074) == 0x1p-1074   (0.75 * 2^-1074, rounds up)
//   ScaleByPowerOfTwo(0.5, -1074) == 0.0               (tie, to even)
double ScaleByPowerOfTwo(double value, std::int64_t exponent);

}  // namespace vorn
