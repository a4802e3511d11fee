#include "tests/core/text_to_double_model.h"

#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

using boost::multiprecision::cpp_int;
using boost::multiprecision::msb;

// m * 2^e with m >= 0; a zero has m == 0.
struct BinaryFloat {
  cpp_int m;
  long e = 0;
};

// (num / den) * 2^e rounded to a significand of `bits` bits, ties to even, no exponent limit.
BinaryFloat Round(const cpp_int& num, const cpp_int& den, long e, unsigned bits) {
  if (num == 0) return {0, 0};
  long shift =
      static_cast<long>(bits) - 1 - (static_cast<long>(msb(num)) - static_cast<long>(msb(den)));
  auto divide = [&](long s, cpp_int& q, cpp_int& r) {
    cpp_int n = num, d = den;
    if (s >= 0)
      n <<= s;
    else
      d <<= -s;
    divide_qr(n, d, q, r);
    return d;
  };
  cpp_int q, r;
  cpp_int d = divide(shift, q, r);
  if (msb(q) + 1 < bits) d = divide(++shift, q, r);
  const cpp_int twice = r * 2;
  if (twice > d || (twice == d && bit_test(q, 0))) ++q;
  if (msb(q) + 1 > bits) {  // carried into a new bit; q is even now
    q >>= 1;
    --shift;
  }
  return {q, e - shift};
}

// What the arithmetic does: a 64-bit significand first, then a double.
BinaryFloat Twice(const cpp_int& num, const cpp_int& den, long e) {
  const BinaryFloat x = Round(num, den, e, 64);
  return Round(x.m, 1, x.e, 53);
}

BinaryFloat Product(const BinaryFloat& a, const BinaryFloat& b) {
  return Twice(a.m * b.m, 1, a.e + b.e);
}

BinaryFloat Reciprocal(const BinaryFloat& a) {
  return Twice(1, a.m, -a.e);
}

long Log2(const BinaryFloat& x) {
  return static_cast<long>(msb(x.m)) + x.e;
}

struct Value {
  BinaryFloat x;
  bool infinite = false;
};

cpp_int RoundQuotient(const cpp_int& num, const cpp_int& den) {
  cpp_int q, r;
  divide_qr(num, den, q, r);
  const cpp_int twice = r * 2;
  if (twice > den || (twice == den && bit_test(q, 0))) ++q;
  return q;
}

// The product with the result's exponent range applied afterwards: infinite from 2^1024
// up, and rounded once more to the 2^-1074 grid below 2^-1022.
Value ScaledProduct(const BinaryFloat& x, const BinaryFloat& y) {
  BinaryFloat p = Product(x, y);
  if (Log2(p) >= 1024) return {{}, true};
  if (Log2(p) < -1022 && p.e < -1074) p = {RoundQuotient(p.m, cpp_int(1) << (-1074 - p.e)), -1074};
  return {p, false};
}

double ToDouble(const BinaryFloat& x) {
  if (x.m == 0) return 0.0;
  return std::ldexp(static_cast<double>(x.m.convert_to<std::uint64_t>()), static_cast<int>(x.e));
}

struct Parts {
  bool negative = false;
  std::string integer, fraction, exponent;
  bool exponentNegative = false;
};

bool Digit(char c) {
  return c >= '0' && c <= '9';
}

std::string Digits(const std::string& text, std::size_t& at) {
  const std::size_t from = at;
  while (at < text.size() && Digit(text[at])) ++at;
  return text.substr(from, at - from);
}

std::optional<Parts> Split(const std::string& text) {
  Parts parts;
  std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
  if (at == std::string::npos) return std::nullopt;
  if (text[at] == '+' || text[at] == '-') parts.negative = text[at++] == '-';
  parts.integer = Digits(text, at);
  if (at < text.size() && text[at] == '.') parts.fraction = Digits(text, ++at);
  if (parts.integer.empty() && parts.fraction.empty()) return std::nullopt;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
      parts.exponentNegative = text[at++] == '-';
    parts.exponent = Digits(text, at);
    if (parts.exponent.empty()) return std::nullopt;
  }
  return parts;
}

}  // namespace

double ModelTextToDouble(const std::string& text) {
  const std::optional<Parts> parts = Split(text);
  if (!parts) return 0.0;
  const std::string all = parts->integer + parts->fraction;
  const std::size_t first = all.find_first_not_of('0');
  if (first == std::string::npos) return parts->negative ? -0.0 : 0.0;

  // Decimal significand: 18 digits, the 19th rounds them up.
  const std::string significant = all.substr(first);
  const std::size_t kept = std::min<std::size_t>(significant.size(), 18);
  cpp_int d(significant.substr(0, kept));
  if (significant.size() > 18 && significant[18] >= '5') ++d;
  long long e = static_cast<long long>(significant.size() - kept) -
                static_cast<long long>(parts->fraction.size());
  const std::size_t expFirst =
      std::min(parts->exponent.find_first_not_of('0'), parts->exponent.size());
  const std::string expDigits = parts->exponent.substr(expFirst, 8);
  const long long expValue = expDigits.empty() ? 0 : std::stoll(expDigits);
  e += parts->exponentNegative ? -expValue : expValue;
  while (d % 10 == 0) {
    d /= 10;
    ++e;
  }

  Value x{Round(d, 1, 0, 53)};
  if (e != 0) {
    unsigned long long m = static_cast<unsigned long long>(e < 0 ? -e : e);
    BinaryFloat factor{1, 0};
    for (unsigned i = 0; i < 8 && m > 0; ++i, m >>= 1) {
      const BinaryFloat power = Round(boost::multiprecision::pow(cpp_int(10), 1u << i), 1, 0, 53);
      if (m & 1) factor = Product(factor, power);
    }
    x = ScaledProduct(x.x, e > 0 ? factor : Reciprocal(factor));
    const BinaryFloat large = Round(boost::multiprecision::pow(cpp_int(10), 256), 1, 0, 53);
    const BinaryFloat step = e > 0 ? large : Reciprocal(large);
    for (; m > 0 && !x.infinite && x.x.m != 0; --m) x = ScaledProduct(x.x, step);
    if (x.infinite || x.x.m == 0) return 0.0;
  }
  const double value = ToDouble(x.x);
  return parts->negative ? -value : value;
}
