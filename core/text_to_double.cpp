#include "core/text_to_double.h"

#include "core/decimal_scaling.h"
#include "core/decimal_scanner.h"
#include "core/double_bits.h"

double TextToDouble(std::string text) {
  return TextViewToDouble(text);
}

double TextViewToDouble(std::string_view text) {
  const std::optional<DecimalNumber> number = ScanDecimal(text);
  if (!number) return 0.0;
  double x = RoundToDouble(number->significand);
  if (number->significand != 0 && number->exponent != 0) {
    x = ScaleByPowerOfTen(x, number->exponent);
    // Out of range either way reads as a plain zero, whatever the sign of the text.
    if (IsZeroOrInfinite(x)) return 0.0;
  }
  return number->negative ? -x : x;
}
