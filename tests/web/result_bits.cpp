// Prints what the calculator computes for a large fixed set of field texts and EV cases:
// each text's reading as bits, and each case's probability, results and shown texts, or
// the fault that stops it. Built natively and for WebAssembly, the two outputs must be
// identical (scripts/test-web.sh compares them).
// Usage: result_bits [TEXTS [CASES]]   (default 200000 texts, 20000 cases)

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/bit_cast.h"
#include "core/ev.h"
#include "core/exceptions.h"
#include "core/text_to_double.h"
#include "ui/float_to_str.h"

namespace {

std::mt19937_64 engine(20261209);  // fixed: both builds see the same texts

// The engine's output is the same in every standard library; the distributions' are not,
// so none is used. The remainder's slight bias does not matter here.
std::uint64_t Uniform(std::uint64_t below) {
  return engine() % below;
}

std::string Digits(std::uint64_t count) {
  std::string digits;
  for (std::uint64_t i = 0; i < count; ++i) digits += static_cast<char>('0' + Uniform(10));
  return digits;
}

// A decimal text of the kinds a field holds: amounts, long significands, leading zeros,
// exponents up to and beyond the double range, signs, and text after the number.
std::string RandomText() {
  std::string text;
  if (Uniform(4) == 0) text += Uniform(2) ? "-" : "+";
  text += Digits(Uniform(4) == 0 ? Uniform(30) : 1 + Uniform(8));
  if (Uniform(2)) text += "." + Digits(Uniform(Uniform(5) == 0 ? 40 : 10));
  if (Uniform(3) == 0) {
    text += Uniform(2) ? "e" : "E";
    if (Uniform(2)) text += Uniform(2) ? "-" : "+";
    text += std::to_string(Uniform(Uniform(2) ? 30 : 700));
  }
  if (Uniform(10) == 0) text += ",5";
  return text;
}

// A double's shortest exact text, as a user might paste one.
std::string RandomDoubleText() {
  double value;
  do {
    value = vorn::bit_cast<double>(engine());
  } while (value != value || value - value != 0);  // finite only
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
}

std::uint64_t Read(const std::string& text) {
  return vorn::bit_cast<std::uint64_t>(vorn::TextToDouble(text));
}

// One click's arithmetic, reported as the window shows it.
void PrintCase(const std::string (&texts)[4]) {
  std::printf("case %s|%s|%s|%s:", texts[0].c_str(), texts[1].c_str(), texts[2].c_str(),
              texts[3].c_str());
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

std::string CardCount() {
  switch (Uniform(4)) {
    case 0:
      return std::to_string(Uniform(60));
    case 1: {  // each draw in its own statement: operands of + have no order
      const std::string whole = std::to_string(Uniform(53));
      return whole + "." + Digits(1 + Uniform(3));
    }
    case 2:
      return RandomText();
    default:
      return std::to_string(40 + Uniform(13));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const long texts = argc > 1 ? std::atol(argv[1]) : 200000;
  const long cases = argc > 2 ? std::atol(argv[2]) : 20000;
  for (long i = 0; i < texts; ++i) {
    const std::string text = Uniform(5) == 0 ? RandomDoubleText() : RandomText();
    std::printf("%s %016" PRIX64 "\n", text.c_str(), Read(text));
  }
  for (long i = 0; i < cases; ++i) {
    const std::string inputs[4] = {RandomText(), RandomText(), CardCount(), CardCount()};
    PrintCase(inputs);
  }
  return 0;
}
