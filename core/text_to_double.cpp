#include "core/text_to_double.h"

#include "core/decimal_scaling.h"
#include "core/decimal_scanner.h"

namespace vorn {

double TextToDouble(std::string text) {
  return TextViewToDouble(text);
}

double TextViewToDouble(std::string_view text) {
  const std::optional<DecimalNumber> number = ScanDecimal(text);
  return number ? DecimalToDouble(*number) : 0.0;
}

}  // namespace vorn
