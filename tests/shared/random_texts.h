#pragma once

// Random field texts for the sweeps, from a fixed seed. Every shape a field's reading tells
// apart: white space, signs, long significands, runs of 9s and of 0s, exponents near the
// ends of the double range and far beyond it, text after the number, a double's full
// text, card counts about 52, and raw bytes. The engine's output is the same in every
// standard library; the distributions' are not, so none is used, and a seed gives the
// same texts natively, under Wine and in WebAssembly. A sweep names its seed on failure
// (Describe()), so that a failing text can be drawn again.

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "core/bit_cast.h"

class RandomTexts {
 public:
  // `longest`: the most digits in a run, up to a field's limit where a sweep can afford it.
  explicit RandomTexts(std::uint64_t seed, int longest = 40) : seed_(seed), longest_(longest) {}

  std::string Describe() const { return "random texts from seed " + std::to_string(seed_); }

  std::string Next() {
    const int kind = Uniform(0, 99);
    if (kind < 3) return Bytes();
    if (kind < 6) return Edge();
    if (kind < 16) return CardCount();
    if (kind < 30) return DoubleText();
    if (kind < 31) return DigitRun(Uniform(1, longest_));
    return Decimal();
  }

  // A count of cards, often about the 52 that leave none to draw.
  std::string CardCount() {
    if (Chance(30)) return std::to_string(Uniform(48, 53));
    if (Chance(30)) {  // each draw in its own statement: the operands of + have no order
      const std::string whole = std::to_string(Uniform(0, 52));
      return whole + "." + DigitRun(Uniform(1, 3));
    }
    return std::to_string(Uniform(-5, 60));
  }

 private:
  // The remainder's slight bias does not matter here.
  int Uniform(int low, int high) {
    return low + static_cast<int>(engine_() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool Chance(int percent) { return Uniform(0, 99) < percent; }
  char Pick(const std::string& from) { return from[Uniform(0, static_cast<int>(from.size()) - 1)]; }

  // Weighted towards the places where the reading rounds.
  std::string Decimal() {
    std::string text;
    if (Chance(10)) text += Pick(" \t\n\v\f\r");
    if (Chance(30)) text += Pick("+-");
    text += DigitRun(Chance(25) ? Uniform(0, 30) : Uniform(0, 19));
    if (Chance(60)) text += '.' + DigitRun(Uniform(0, 22));
    if (Chance(60)) text += Exponent();
    if (Chance(15)) text += Pick(",. e-+xE0\xA0");
    return text;
  }

  std::string DigitRun(int length) {
    std::string digits;
    const bool nines = Chance(5);   // runs of 9s carry on rounding
    const bool zeros = Chance(20);  // leading and trailing zeros move the exponent
    for (int i = 0; i < length; ++i)
      digits += nines ? '9' : zeros && Chance(50) ? '0' : static_cast<char>('0' + Uniform(0, 9));
    return digits;
  }

  std::string Exponent() {
    std::string text(1, Pick("eE"));
    if (Chance(60)) text += Pick("+-");
    if (Chance(5)) return text;  // no digits: the whole number is rejected
    if (Chance(5)) text += std::string(Uniform(1, 12), '0');
    const int magnitude = Chance(50) ? Uniform(280, 345) : Uniform(0, Chance(10) ? 99999999 : 400);
    return text + std::to_string(magnitude);
  }

  // A finite double in full, as a user might paste one.
  std::string DoubleText() {
    std::uint64_t bits;
    do bits = engine_();
    while ((bits >> 52 & 0x7FF) == 0x7FF);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", vorn::bit_cast<double>(bits));
    return buffer;
  }

  std::string Edge() {
    static const char* const kEdges[] = {"",         "-0",    "1e308",    "-1e308",       "1e-320",
                                         "4.9e-324", "12,5",  "1e",       "2.5e-",        "abc",
                                         "  7",      "1e999", "\xC3\xA9", "5\xE2\x82\xAC"};
    return kEdges[Uniform(0, static_cast<int>(std::size(kEdges)) - 1)];
  }

  std::string Bytes() {
    std::string text(static_cast<std::size_t>(Uniform(0, 12)), '\0');
    for (char& c : text) c = static_cast<char>(Uniform(0, 255));
    return text;
  }

  std::uint64_t seed_;
  int longest_;
  std::mt19937_64 engine_{seed_};
};
