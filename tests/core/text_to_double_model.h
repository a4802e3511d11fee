#pragma once

#include <string>

// A second, independent reading of a field text, for checking TextToDouble: the text is
// split into digit strings first, and every rounding (to a 64-bit significand, to a
// double, to a subnormal) is done exactly on big integers, with no floating-point
// arithmetic and no x87 at all. Slow, and meant to be obviously right.
double ModelTextToDouble(const std::string& text);
