// Any byte string must read as a finite number (or a zero), without a crash and without
// undefined behaviour, and leave no floating-point flag behind.

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/text_to_double.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::feclearexcept(FE_ALL_EXCEPT);
  const double value = TextToDouble(std::string(reinterpret_cast<const char*>(data), size));
  if (!std::isfinite(value)) std::abort();
  if (std::fetestexcept(FE_ALL_EXCEPT) != 0) std::abort();
  return 0;
}
