#pragma once

#include <string>
#include <string_view>

namespace vorn {

// Reads the number at the start of one field text, with "." as the decimal point and no
// digit grouping whatever the locale, and ignores what follows it. Yields +0.0 when no
// number can be read (no mantissa digit, or an exponent marker without digits) and when
// the number lies beyond the double range or underflows to zero. Never throws, and leaves
// the floating-point environment as it found it.
//
// A negative power of ten is applied as a product with a rounded reciprocal, so some
// results sit one unit above the nearest double:
//   TextToDouble("124.56") == 0x1.f23d70a3d70a4p+6   (nearest)
//   TextToDouble("0.3")    == 0x1.3333333333334p-2   (nearest is ...333p-2)
//   TextToDouble("12,5")   == 12.0;  TextToDouble("1e") == 0.0;  TextToDouble("-0") == -0.0
//   TextToDouble("1e999")  == 0.0;   TextToDouble("4.9e-324") == 0x1p-1074
//
// Linear in the length of the text; allocates nothing beyond its argument.
double TextToDouble(std::string text);

// The same reading on a view of the text, for callers that hold the bytes elsewhere.
double TextViewToDouble(std::string_view text);

}  // namespace vorn
