#include "core/decimal_scanner.h"

namespace {

constexpr int kKeptDigits = 18;
constexpr int kExponentDigits = 8;
constexpr std::uint64_t kRoundedUpLimit = 1'000'000'000'000'000'000;  // 10^18

// Fixed byte classes: the field text is never interpreted through a locale or code page.
bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The mantissa as it is read: the kept digits, the first dropped one, and the place of the
// last kept digit. An 18-digit value is below 10^18 < 2^63, so nothing here can overflow;
// the place moves by one per byte of text, so it stays far inside 64 bits.
class Mantissa {
 public:
  void AddIntegerDigit(int digit) {
    if (!Keep(digit)) ++place_;
  }

  void AddFractionDigit(int digit) {
    if (kept_ < kKeptDigits) --place_;
    Keep(digit);
  }

  bool HasDigits() const { return hasDigits_; }

  DecimalNumber Finish(bool negative, std::int64_t exponent) const {
    std::uint64_t significand = digits_ + (roundDigit_ >= 5 ? 1 : 0);  // may reach 10^18
    if (significand == 0) return {negative, 0, 0};
    std::int64_t place = place_;
    while (significand % 10 == 0) {
      significand /= 10;
      ++place;
    }
    return {negative, significand, place + exponent};
  }

 private:
  // Returns whether the digit went into the kept digits; leading zeros count as kept since
  // only their place matters.
  bool Keep(int digit) {
    hasDigits_ = true;
    if (kept_ == 0 && digit == 0) return true;
    if (kept_ < kKeptDigits) {
      digits_ = digits_ * 10 + static_cast<std::uint64_t>(digit);
      ++kept_;
      return true;
    }
    if (roundDigit_ < 0) roundDigit_ = digit;
    return false;
  }

  std::uint64_t digits_ = 0;
  int kept_ = 0;
  int roundDigit_ = -1;
  std::int64_t place_ = 0;
  bool hasDigits_ = false;
};

static_assert(kRoundedUpLimit < (std::uint64_t{1} << 63));

// Reads the exponent after its marker. Returns false when no digit follows; otherwise
// consumes every digit but lets only the first 8 after the leading zeros count.
bool ScanExponent(std::string_view text, std::size_t& at, std::int64_t& exponent) {
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const std::size_t first = at;
  while (at < text.size() && text[at] == '0') ++at;
  std::int64_t value = 0;
  for (int counted = 0; at < text.size() && IsDigit(text[at]); ++at) {
    if (counted++ < kExponentDigits) value = value * 10 + (text[at] - '0');
  }
  exponent = negative ? -value : value;
  return at > first;
}

}  // namespace

std::optional<DecimalNumber> ScanDecimal(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';

  Mantissa mantissa;
  for (; at < text.size() && IsDigit(text[at]); ++at) mantissa.AddIntegerDigit(text[at] - '0');
  if (at < text.size() && text[at] == '.') {
    for (++at; at < text.size() && IsDigit(text[at]); ++at) {
      mantissa.AddFractionDigit(text[at] - '0');
    }
  }
  if (!mantissa.HasDigits()) return std::nullopt;

  std::int64_t exponent = 0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (!ScanExponent(text, at, exponent)) return std::nullopt;
  }
  return mantissa.Finish(negative, exponent);
}
