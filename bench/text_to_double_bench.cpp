// Per-text cost of reading a field, against the library conversions it must not use.
// Every reader gets the same corpus of typical field texts, one pass per iteration.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/text_to_double.h"

namespace {

const std::vector<std::string>& Corpus() {
  static const std::vector<std::string> corpus = {
      "124.56",
      "10",
      "30",
      "9",
      "5",
      "0.5",
      "2500",
      "1000000",
      "47",
      "3.75",
      "12,5",
      "1.5e3",
      "2.5E-1",
      "7e10",
      "1e-5",
      "0.1",
      "99.99",
      "12abc",
      "  42",
      "-3.5",
      "3.1415926535897931",
      "0.19148936170212766",
      "123456789012345678",
      "5.744680851063830",
      "8.0851063829787240e-3",
      "1.7976931348623157e308",
  };
  return corpus;
}

template <typename Read>
void RunCorpus(benchmark::State& state, Read read) {
  const auto& corpus = Corpus();
  for (auto _ : state) {
    for (const std::string& text : corpus) benchmark::DoNotOptimize(read(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corpus.size()));
}

void BM_TextToDouble(benchmark::State& state) {
  RunCorpus(state, [](const std::string& text) { return TextToDouble(text); });
}

// The reading without the copy of its argument that the by-value interface costs.
void BM_TextViewToDouble(benchmark::State& state) {
  RunCorpus(state, [](const std::string& text) { return TextViewToDouble(text); });
}

void BM_Strtod(benchmark::State& state) {
  RunCorpus(state, [](const std::string& text) { return std::strtod(text.c_str(), nullptr); });
}

void BM_FromChars(benchmark::State& state) {
  RunCorpus(state, [](const std::string& text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  });
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

BENCHMARK(BM_TextToDouble);
BENCHMARK(BM_TextViewToDouble);
BENCHMARK(BM_Strtod);
BENCHMARK(BM_FromChars);
BENCHMARK(BM_IStringStream);
BENCHMARK(BM_TextToDoubleTenMillionDigits)->Unit(benchmark::kMillisecond);
