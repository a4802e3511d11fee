#include "core/decimal_scanner.h"

#include <bit>
#include <cstring>

namespace vorn {

namespace {

constexpr int kKeptDigits = 18;
constexpr int kReadDigits = kKeptDigits + 1;  // the 19th decides the round-up
constexpr int kExponentDigits = 8;
constexpr std::uint64_t kEightZeros = 0x3030303030303030;

// Fixed byte classes: the field text is never interpreted through a locale or code page.
bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
// A digit's value; any other byte gives more than 9 (unsigned arithmetic wraps below '0').
unsigned DigitValue(char c) {
  return static_cast<unsigned char>(c) - unsigned{'0'};
}

// Eight bytes of text as one word, the first byte in the lowest bits, whatever the byte
// order of the machine.
std::uint64_t LoadEight(const char* at) {
  std::uint64_t word = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&word, at, sizeof word);
  } else {
    for (int i = 0; i < 8; ++i) {
      word |= std::uint64_t{static_cast<unsigned char>(at[i])} << (8 * i);
    }
  }
  return word;
}

// Whether all eight bytes are digits, 0x30 to 0x39: a byte passes when its high nibble is 3
// and stays 3 after adding 6 (so its low nibble is at most 9). Adding 6 carries into the
// next byte only out of a byte of 0xFA or more, whose own high nibble already fails, so a
// carry can never make the word pass.
bool AllDigits(std::uint64_t word) {
  constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0;
  return ((word & kHighNibbles) | (((word + 0x0606060606060606) & kHighNibbles) >> 4)) ==
         0x3333333333333333;
}

// The number that eight digit bytes spell, the first byte most significant. Every partial
// value fits the lane it is formed in, so no step carries into a neighbour: after the
// first step the even bytes hold the two-digit values p0..p3 (at most 99); then two
// multiplications place 10^6 p0 + 100 p2 and 10^4 p1 + p3 in the upper 32 bits, and their
// sum, at most 99,999,999, is the result. The lower halves (100 p0 + p1 at most) stay
// below 2^32 and cannot carry into it.
std::uint32_t EightDigitsValue(std::uint64_t word) {
  word -= kEightZeros;             // every byte 0..9, so no borrow
  word = word * 10 + (word >> 8);  // even bytes: 10 * first + second digit of each pair
  constexpr std::uint64_t kPairs = 0x000000FF000000FF;  // bytes 0 and 4
  word = ((word & kPairs) * (100 + (1000000ull << 32)) +
          ((word >> 16) & kPairs) * (1 + (10000ull << 32))) >>
         32;
  return static_cast<std::uint32_t>(word);
}

// Eight bytes at a time only pays where a run can be long: a typical field text is shorter
// than sixteen bytes, and a word test that fails costs it more than it saves.
bool LongRunPossible(const char* at, const char* end) {
  return end - at >= 16;
}

const char* SkipZeros(const char* at, const char* end) {
  if (at == end || *at != '0') return at;  // the usual case: no zero to skip
  if (LongRunPossible(at, end)) {
    while (end - at >= 8 && LoadEight(at) == kEightZeros) at += 8;
  }
  while (at != end && *at == '0') ++at;
  return at;
}

// Digits past the 19th are read but have no value; only their number can matter.
const char* SkipDigits(const char* at, const char* end) {
  while (end - at >= 8 && AllDigits(LoadEight(at))) at += 8;
  while (at != end && IsDigit(*at)) ++at;
  return at;
}

// Digits up to `end` or the first byte that is no digit, appended to `digits`; the caller
// makes sure they fit.
const char* AccumulateDigits(const char* at, const char* end, std::uint64_t& digits) {
  for (unsigned digit; at != end && (digit = DigitValue(*at)) <= 9; ++at) {
    digits = digits * 10 + digit;
  }
  return at;
}

// The significant digits as they are read: the first 19 in value (19 digits stay below
// 10^19 < 2^64, so it cannot overflow), and the power of ten of the last of them. The
// scale moves by at most one per byte of text, so it stays far inside 64 bits.
struct Significand {
  std::uint64_t value = 0;
  int count = 0;
  std::int64_t scale = 0;
  bool lastIsZero = false;  // whether the last digit held may be a 0, as the text shows it

  // Reads digits until the first byte that is not one or until 19 are held. While eight
  // more cannot pass the 19, eight are taken at once with no check of the limit. The work
  // is done on locals: a member written through `this` could alias the text's bytes, and
  // the compiler would store and reload it for every digit.
  const char* Read(const char* at, const char* end) {
    std::uint64_t digits = value;
    const char* const start = at;
    std::ptrdiff_t room = kReadDigits - count;
    if (at == end || !IsDigit(*at)) return at;  // no digit here: nothing to set up
    if (LongRunPossible(at, end)) {
      for (; end - at >= 8 && room >= 8; at += 8, room -= 8) {
        const std::uint64_t word = LoadEight(at);
        if (!AllDigits(word)) break;
        digits = digits * 100000000 + EightDigitsValue(word);
      }
    }
    // The limit is a place in the text, so each digit costs one comparison less.
    const char* const stop = at + (end - at < room ? end - at : room);
    at = AccumulateDigits(at, stop, digits);
    value = digits;
    count += static_cast<int>(at - start);
    if (at != start) lastIsZero = at[-1] == '0';
    return at;
  }

  // The first 18 digits, rounded up by a 19th of 5 or more (reaching 10^18 at most), and
  // without trailing zeros, which go to the exponent instead.
  DecimalNumber Finish(bool negative, std::int64_t exponent) const {
    std::uint64_t kept = value;
    std::int64_t place = scale;
    if (count == kReadDigits) {
      const bool up = kept % 10 >= 5;
      kept = kept / 10 + (up ? 1 : 0);
      ++place;
    }
    if (kept == 0) return {negative, 0, 0};
    // The text has already told whether the last digit held is a zero; asking the value
    // would put a division at the end of the chain of digit arithmetic.
    if (count < kReadDigits && !lastIsZero) return {negative, kept, place + exponent};
    while (kept % 10 == 0) {
      kept /= 10;
      ++place;
    }
    return {negative, kept, place + exponent};
  }
};

// Zeros before the first significant digit have no value; integer digits past the 19th
// raise the scale of the ones held.
const char* ScanInteger(const char* at, const char* end, Significand& s) {
  at = s.Read(SkipZeros(at, end), end);
  if (s.count < kReadDigits) return at;  // stopped at a byte that is no digit
  const char* const skipped = SkipDigits(at, end);
  s.scale += skipped - at;
  return skipped;
}

// Fraction digits held, and zeros before the first significant digit, lower the scale;
// later fraction digits are dropped.
const char* ScanFraction(const char* at, const char* end, Significand& s) {
  if (s.count == 0) {
    const char* const zeros = at;
    at = SkipZeros(at, end);
    s.scale -= at - zeros;
  }
  const char* const read = at;
  at = s.Read(at, end);
  s.scale -= at - read;
  return s.count < kReadDigits ? at : SkipDigits(at, end);
}

// Reads the exponent after its marker into `exponent` and returns the end of its digits,
// or nullptr when no digit follows. Only the first 8 digits after the leading zeros count.
const char* ScanExponent(const char* at, const char* end, std::int64_t& exponent) {
  const bool negative = at != end && *at == '-';
  if (at != end && (*at == '-' || *at == '+')) ++at;
  const char* const first = at;
  std::int64_t value = 0;
  int counted = 0;
  for (at = SkipZeros(at, end); at != end && IsDigit(*at); ++at) {
    if (counted++ < kExponentDigits) value = value * 10 + (*at - '0');
  }
  exponent = negative ? -value : value;
  return at == first ? nullptr : at;
}

// Digits and at most one point, of any length: the integer digits, then the fraction.
const char* ScanMantissa(const char* at, const char* end, Significand& s, bool& hasDigits) {
  const char* const integerStart = at;
  at = ScanInteger(at, end, s);
  hasDigits = at != integerStart;
  if (at != end && *at == '.') {
    const char* const fractionStart = ++at;
    at = ScanFraction(at, end, s);
    hasDigits = hasDigits || at != fractionStart;
  }
  return at;
}

// The same for at most 18 bytes, which is nearly every field text: they hold at most 18
// digits, all of which the significand keeps exactly, so the digits go into one word with
// no limit to check and no zeros to skip (leading zeros add nothing to the value), and
// their count and place come from pointers afterwards. The count includes any leading
// zeros; it matters only in that it stays below 19.
const char* ScanShortMantissa(const char* at, const char* end, Significand& s, bool& hasDigits) {
  std::uint64_t digits = 0;
  const char* const integerStart = at;
  at = AccumulateDigits(at, end, digits);
  const std::ptrdiff_t integerDigits = at - integerStart;
  std::ptrdiff_t fractionDigits = 0;
  if (at != end && *at == '.') {
    const char* const fractionStart = ++at;
    at = AccumulateDigits(at, end, digits);
    fractionDigits = at - fractionStart;
  }
  hasDigits = integerDigits + fractionDigits != 0;
  s.value = digits;
  s.count = static_cast<int>(integerDigits + fractionDigits);
  s.scale = -fractionDigits;
  // A point after the last digit hides it; the rare text that ends in one is then looked
  // at by value.
  s.lastIsZero = hasDigits && (at[-1] == '0' || at[-1] == '.');
  return at;
}

}  // namespace

std::optional<DecimalNumber> ScanDecimal(std::string_view text) {
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at != end && IsSpace(*at)) ++at;
  const bool negative = at != end && *at == '-';
  if (at != end && (*at == '-' || *at == '+')) ++at;

  Significand significand;
  bool hasDigits = false;
  at = end - at <= kKeptDigits ? ScanShortMantissa(at, end, significand, hasDigits)
                               : ScanMantissa(at, end, significand, hasDigits);
  if (!hasDigits) return std::nullopt;

  std::int64_t exponent = 0;
  if (at != end && (*at == 'e' || *at == 'E') && !ScanExponent(at + 1, end, exponent)) {
    return std::nullopt;
  }
  return significand.Finish(negative, exponent);
}

}  // namespace vorn
