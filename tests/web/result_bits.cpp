// Prints what the calculator computes for a large fixed set of field texts and EV cases:
// each text's reading as bits, and each case's probability, results and shown texts, or
// the fault that stops it. Built natively and for WebAssembly, the two outputs must be
// identical (scripts/test-web.sh compares them). Texts are printed with their control and
// non-ASCII bytes as \xNN, which Node's output would otherwise decode.
// Usage: result_bits [TEXTS [CASES]]   (default 200000 texts, 20000 cases)

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/bit_cast.h"
#include "core/ev.h"
#include "core/exceptions.h"
#include "core/text_to_double.h"
#include "tests/core/test_support.h"
#include "tests/shared/random_texts.h"
#include "ui/float_to_str.h"

namespace {

std::uint64_t Read(const std::string& text) {
  return vorn::bit_cast<std::uint64_t>(vorn::TextToDouble(text));
}

// One click's arithmetic, reported as the window shows it.
void PrintCase(const std::string (&texts)[4]) {
  std::printf("case %s|%s|%s|%s:", Printable(texts[0]).c_str(), Printable(texts[1]).c_str(),
              Printable(texts[2]).c_str(), Printable(texts[3]).c_str());
  try {
    const double p =
        vorn::HitProbability(vorn::TextToDouble(texts[3]), vorn::TextToDouble(texts[2]));
    std::printf(" p %016" PRIX64, vorn::bit_cast<std::uint64_t>(p));
    const double call = vorn::CallEv(p, vorn::TextToDouble(texts[1]));
    std::printf(" call %016" PRIX64 " %s", vorn::bit_cast<std::uint64_t>(call),
                FloatToStr(call).c_str());
    const double fold = vorn::FoldEv(vorn::TextToDouble(texts[0]), p);
    std::printf(" fold %016" PRIX64 " %s", vorn::bit_cast<std::uint64_t>(fold),
                FloatToStr(fold).c_str());
  } catch (const vorn::Exception& fault) {
    std::printf(" fault %s", fault.what());
  }
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  const long texts = argc > 1 ? std::atol(argv[1]) : 200000;
  const long cases = argc > 2 ? std::atol(argv[2]) : 20000;
  RandomTexts random(20261209);  // fixed: both builds see the same texts
  std::printf("%s\n", random.Describe().c_str());
  for (long i = 0; i < texts; ++i) {
    const std::string text = random.Next();
    std::printf("%s %016" PRIX64 "\n", Printable(text).c_str(), Read(text));
  }
  for (long i = 0; i < cases; ++i) {
    // A braced list draws in its order.
    const std::string inputs[4] = {random.Next(), random.Next(), random.CardCount(),
                                   random.CardCount()};
    PrintCase(inputs);
  }
  return 0;
}
