#pragma once

#include <cstdint>

#include "core/decimal_scanner.h"

namespace vorn {

// x * 10^exponent for a positive finite x, formed the way the field texts are read: the
// power assembled from the eight table entries 10^1 ... 10^128 (each product with a 64-bit
// significand, then rounded to double), applied as one scaled product with the power or
// with its rounded reciprocal, then steps of 10^256 or its rounded reciprocal while the
// value stays finite and nonzero. A result beyond the double range is an infinity, one
// below it a zero; neither raises a floating-point fault.
//
// The result is not always the double nearest to the decimal value:
//   ScaleByPowerOfTen(3, -1)   == 0x1.3333333333334p-2   (nearest is ...333p-2)
//   ScaleByPowerOfTen(1823638315573279, -16) == 0x1.757b2b241886ep-3
//   ScaleByPowerOfTen(1, 999)  == +infinity;   ScaleByPowerOfTen(2, -324) == 0.0
double ScaleByPowerOfTen(double x, std::int64_t exponent);

// The double a scanned number reads as: its significand rounded to a double, scaled as
// above when neither the significand nor the exponent is zero, +0.0 when that scaling
// leaves the double range (whatever the sign), and the sign applied last.
//
//   DecimalToDouble({false, 3, -1})  == 0x1.3333333333334p-2
//   DecimalToDouble({true, 0, 5})    == -0.0       DecimalToDouble({true, 1, 999}) == +0.0
double DecimalToDouble(const DecimalNumber& number);

}  // namespace vorn
