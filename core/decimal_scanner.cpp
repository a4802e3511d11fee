#include "core/decimal_scanner.h"

namespace {

constexpr int kKeptDigits = 18;
constexpr int kExponentDigits = 8;

// Fixed byte classes: the field text is never interpreted through a locale or code page.
bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The mantissa as it is read: the kept digits, the first dropped one, and the place of the
// last kept digit. 18 digits stay below 10^18 < 2^63, so the value cannot overflow; the
// place moves by at most one per byte of text, so it stays far inside 64 bits.
struct Mantissa {
  std::uint64_t digits = 0;
  int kept = 0;
  int roundDigit = -1;
  std::int64_t place = 0;

  // Returns false once the digit no longer fits among the kept ones.
  bool Keep(char digit) {
    if (kept == kKeptDigits) {
      if (roundDigit < 0) roundDigit = digit - '0';
      return false;
    }
    digits = digits * 10 + static_cast<std::uint64_t>(digit - '0');
    ++kept;
    return true;
  }

  DecimalNumber Finish(bool negative, std::int64_t exponent) const {
    std::uint64_t significand = digits + (roundDigit >= 5 ? 1 : 0);  // may reach 10^18
    if (significand == 0) return {negative, 0, 0};
    std::int64_t last = place;
    while (significand % 10 == 0) {
      significand /= 10;
      ++last;
    }
    return {negative, significand, last + exponent};
  }
};

const char* SkipZeros(const char* at, const char* end) {
  while (at != end && *at == '0') ++at;
  return at;
}

// Zeros before the first significant digit have no value to keep; dropped digits before
// the point move the place of the kept ones up.
const char* ScanInteger(const char* at, const char* end, Mantissa& m) {
  for (at = SkipZeros(at, end); at != end && IsDigit(*at); ++at) {
    if (!m.Keep(*at)) ++m.place;
  }
  return at;
}

// Every digit after the point that is kept, or a zero before the first significant one,
// moves the place down; later digits are dropped.
const char* ScanFraction(const char* at, const char* end, Mantissa& m) {
  if (m.kept == 0) {
    const char* const start = at;
    at = SkipZeros(at, end);
    m.place -= at - start;
  }
  for (; at != end && IsDigit(*at); ++at) {
    if (m.Keep(*at)) --m.place;
  }
  return at;
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

}  // namespace

std::optional<DecimalNumber> ScanDecimal(std::string_view text) {
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at != end && IsSpace(*at)) ++at;
  const bool negative = at != end && *at == '-';
  if (at != end && (*at == '-' || *at == '+')) ++at;

  Mantissa mantissa;
  const char* const integerStart = at;
  at = ScanInteger(at, end, mantissa);
  bool hasDigits = at != integerStart;
  if (at != end && *at == '.') {
    const char* const fractionStart = ++at;
    at = ScanFraction(at, end, mantissa);
    hasDigits = hasDigits || at != fractionStart;
  }
  if (!hasDigits) return std::nullopt;

  std::int64_t exponent = 0;
  if (at != end && (*at == 'e' || *at == 'E') && !ScanExponent(at + 1, end, exponent)) {
    return std::nullopt;
  }
  return mantissa.Finish(negative, exponent);
}
