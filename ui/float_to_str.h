#pragma once

#include <string>

// The text a result field shows for a value: 15 significant digits, rounded to nearest
// (ties to even) from the exact binary value, trailing zeros and a bare point removed.
// Fixed notation from 0.00001 up to below 10^15, otherwise digits, "E" and the exponent.
// "." is the decimal point whatever the locale; both zeros read "0". The calculator passes
// doubles only, and widening one to extended precision is exact, so the rendering takes
// the double itself. Infinities read "INF" and "-INF", and a NaN "NAN".
//
//   FloatToStr(9.0 / 47 * 30)  == "5.74468085106383"
//   FloatToStr(0.00001)        == "0.00001"      FloatToStr(1e-6)  == "1E-6"
//   FloatToStr(1e15)           == "1E15"         FloatToStr(-0.0)  == "0"
//   FloatToStr(0x1p-1074)      == "4.94065645841247E-324"
std::string FloatToStr(double value);
