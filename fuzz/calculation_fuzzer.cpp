// The whole calculation from four field texts, as one click runs it: reading, arithmetic,
// rendering. Each result is either a rendered finite number or one of the three faults,
// and the call result read back from its rendering stays within what 15 digits allow.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/ev.h"
#include "core/exceptions.h"
#include "core/text_to_double.h"
#include "ui/float_to_str.h"

using namespace vorn;  // the core under test

namespace {

constexpr double kLargestDouble = 1.7976931348623157e308;

// Splits the input at newlines into the four field texts, in the order the click reads them.
void SplitFields(std::string_view data, std::string (&fields)[4]) {
  for (std::string& field : fields) {
    const std::size_t end = data.find('\n');
    field = std::string(data.substr(0, end));
    data = end == std::string_view::npos ? std::string_view() : data.substr(end + 1);
  }
}

void CheckRendering(double value) {
  const std::string text = FloatToStr(value);
  if (text.find_first_of("infaINFA") != std::string::npos) std::abort();
  // 15 significant digits, at most half a unit of the 15th off, then the reading's own
  // rounding. Values that round past the largest double cannot be read back at all.
  if (std::fabs(value) > 1.797693134862315e308) return;
  const double back = TextToDouble(text);
  const double allowed = 6e-15 * std::fabs(value) + 0x1p-1073;
  if (!(std::fabs(back - value) <= allowed)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string fields[4];
  SplitFields(std::string_view(reinterpret_cast<const char*>(data), size), fields);
  EvInputs in{};
  in.MoneyToCall = TextToDouble(fields[0]);
  in.Winnings = TextToDouble(fields[1]);
  in.Outs = TextToDouble(fields[2]);
  in.KnownCards = TextToDouble(fields[3]);
  try {
    const double probability = HitProbability(in.Outs, in.KnownCards);
    const double call = CallEv(probability, in.Winnings);
    if (!std::isfinite(probability) || !std::isfinite(call)) std::abort();
    CheckRendering(call);
    const double fold = FoldEv(in.MoneyToCall, probability);
    if (!std::isfinite(fold) || std::fabs(fold) > kLargestDouble) std::abort();
    FloatToStr(fold);
  } catch (const EZeroDivide&) {
  } catch (const EInvalidOp&) {
  } catch (const EOverflow&) {
  }
  return 0;
}
