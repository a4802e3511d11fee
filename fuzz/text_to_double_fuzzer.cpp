// Any byte string must read as a finite number (or a zero), without a crash and without
// undefined behaviour, leave no floating-point flag behind, and give the same bits as the
// exact model of the reading that the tests use.

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/text_to_double.h"
#include "tests/core/text_to_double_model.h"

using namespace vorn;  // the core under test

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::feclearexcept(FE_ALL_EXCEPT);
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double value = TextToDouble(text);
  if (!std::isfinite(value)) std::abort();
  if (std::fetestexcept(FE_ALL_EXCEPT) != 0) std::abort();
  const double model = ModelTextToDouble(text);
  if (std::memcmp(&value, &model, sizeof value) != 0) std::abort();
  return 0;
}
