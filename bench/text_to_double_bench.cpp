// Per-text cost of reading a field, against the library conversions it must not use: one
// corpus per kind of text a player types, plus the mix of all of them. Each corpus is made
// from a fixed seed, so every run reads the same texts.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/text_to_double.h"

using namespace vorn;  // the core under test

namespace {

constexpr int kTextsPerKind = 256;

enum Kind {
  kAmounts,          // 8123.45
  kSmallIntegers,    // 37
  kSeventeenDigits,  // 0.51234567890123456
  kExponentForms,    // 3.141593e-07
  kShortDecimals,    // 412.7
  kLeadingZeros,     // 0.000412, 000412
  kNineteenOrMore,   // 1234567890.123456789012
  kMix,
};
const char* const kKindNames[] = {
    "amounts",        "small_integers", "17_digits",         "exponent_forms",
    "short_decimals", "leading_zeros",  "19_or_more_digits", "mix"};

std::string Text(Kind kind, std::mt19937_64& random) {
  const auto below = [&random](std::uint64_t n) { return random() % n; };
  char buffer[64];
  switch (kind) {
    case kAmounts:
      std::snprintf(buffer, sizeof buffer, "%llu.%02llu",
                    static_cast<unsigned long long>(below(99999) + 1),
                    static_cast<unsigned long long>(below(100)));
      break;
    case kSmallIntegers:
      std::snprintf(buffer, sizeof buffer, "%llu", static_cast<unsigned long long>(below(99) + 1));
      break;
    case kSeventeenDigits:
      std::snprintf(buffer, sizeof buffer, "0.%llu",
                    static_cast<unsigned long long>(below(90000000000000000) + 10000000000000000));
      break;
    case kExponentForms:
      std::snprintf(buffer, sizeof buffer, "%e",
                    static_cast<double>(below(1000000) + 1) * std::pow(10.0, below(41) - 20.0));
      break;
    case kShortDecimals:
      std::snprintf(buffer, sizeof buffer, "%llu.%llu",
                    static_cast<unsigned long long>(below(900) + 100),
                    static_cast<unsigned long long>(below(10)));
      break;
    case kLeadingZeros:
      std::snprintf(buffer, sizeof buffer, below(2) ? "0.000%llu" : "000%llu",
                    static_cast<unsigned long long>(below(9999) + 1));
      break;
    case kNineteenOrMore:
      std::snprintf(buffer, sizeof buffer, "%llu.%llu%llu",
                    static_cast<unsigned long long>(below(9000000000) + 1000000000),
                    static_cast<unsigned long long>(below(9000000000) + 1000000000),
                    static_cast<unsigned long long>(below(1000)));
      break;
    case kMix:
      return Text(static_cast<Kind>(below(kMix)), random);
  }
  return buffer;
}

std::vector<std::string> Corpus(Kind kind) {
  std::mt19937_64 random(20261208 + kind);
  std::vector<std::string> corpus;
  for (int i = 0; i < kTextsPerKind; ++i) corpus.push_back(Text(kind, random));
  return corpus;
}

template <typename Read>
void RunCorpus(benchmark::State& state, Read read) {
  const auto kind = static_cast<Kind>(state.range(0));
  const std::vector<std::string> corpus = Corpus(kind);
  for (auto _ : state) {
    for (const std::string& text : corpus) benchmark::DoNotOptimize(read(text));
  }
  state.SetLabel(kKindNames[kind]);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corpus.size()));
}

void BM_TextViewToDouble(benchmark::State& state) {
  RunCorpus(state, [](const std::string& text) { return TextViewToDouble(text); });
}

// The interface the form uses: it takes its own copy of the text.
void BM_TextToDouble(benchmark::State& state) {
  RunCorpus(state, [](const std::string& text) { return TextToDouble(text); });
}

void BM_FromChars(benchmark::State& state) {
  RunCorpus(state, [](const std::string& text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  });
}

void BM_Strtod(benchmark::State& state) {
  RunCorpus(state, [](const std::string& text) { return std::strtod(text.c_str(), nullptr); });
}

void BM_IStringStream(benchmark::State& state) {
  RunCorpus(state, [](const std::string& text) {
    std::istringstream stream(text);
    double value = 0.0;
    stream >> value;
    return value;
  });
}

// Linear cost on a pathological paste: ten million digits.
void BM_TextToDoubleTenMillionDigits(benchmark::State& state) {
  const std::string text = "0." + std::string(10'000'000, '3');
  for (auto _ : state) benchmark::DoNotOptimize(TextToDouble(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

}  // namespace

BENCHMARK(BM_TextViewToDouble)->DenseRange(kAmounts, kMix);
BENCHMARK(BM_FromChars)->DenseRange(kAmounts, kMix);
BENCHMARK(BM_Strtod)->DenseRange(kAmounts, kMix);
BENCHMARK(BM_TextToDouble)->Arg(kMix);
BENCHMARK(BM_IStringStream)->Arg(kMix);
BENCHMARK(BM_TextToDoubleTenMillionDigits)->Unit(benchmark::kMillisecond);
