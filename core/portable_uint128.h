#pragma once

#include <compare>
#include <cstdint>

namespace vorn {

// An unsigned 128-bit integer from two 64-bit words, for compilers without a built-in one
// (unsigned __int128 is a GCC and Clang extension). It offers exactly the operations the
// exact double arithmetic uses, with the built-in type's meaning: arithmetic wraps modulo
// 2^128, shifts take counts from 0 to 127, and everything can run at compile time.
//
//   PortableUInt128{1} << 64 == PortableUInt128(1, 0)
//   (PortableUInt128{1} << 116) / 10 == PortableUInt128(0x0001999999999999, 0x9999999999999999)
class PortableUInt128 {
 public:
  constexpr PortableUInt128() = default;
  constexpr PortableUInt128(std::uint64_t low) : low_(low) {}  // NOLINT: like a built-in
  constexpr PortableUInt128(std::uint64_t high, std::uint64_t low) : high_(high), low_(low) {}

  explicit constexpr operator std::uint64_t() const { return low_; }
  explicit constexpr operator bool() const { return (high_ | low_) != 0; }
  constexpr std::uint64_t High() const { return high_; }

  friend constexpr bool operator==(PortableUInt128, PortableUInt128) = default;
  friend constexpr std::strong_ordering operator<=>(PortableUInt128 a, PortableUInt128 b) {
    return a.high_ != b.high_ ? a.high_ <=> b.high_ : a.low_ <=> b.low_;
  }

  friend constexpr PortableUInt128 operator+(PortableUInt128 a, PortableUInt128 b) {
    const std::uint64_t low = a.low_ + b.low_;
    return {a.high_ + b.high_ + (low < a.low_ ? 1 : 0), low};  // carry when the sum wrapped
  }
  friend constexpr PortableUInt128 operator-(PortableUInt128 a, PortableUInt128 b) {
    return {a.high_ - b.high_ - (a.low_ < b.low_ ? 1 : 0), a.low_ - b.low_};
  }
  friend constexpr PortableUInt128 operator*(PortableUInt128 a, PortableUInt128 b) {
    PortableUInt128 product = FullProduct(a.low_, b.low_);
    product.high_ += a.high_ * b.low_ + a.low_ * b.high_;  // the rest wraps beyond 2^128
    return product;
  }
  friend constexpr PortableUInt128 operator/(PortableUInt128 a, PortableUInt128 b);
  friend constexpr PortableUInt128 operator%(PortableUInt128 a, PortableUInt128 b);

  friend constexpr PortableUInt128 operator&(PortableUInt128 a, PortableUInt128 b) {
    return {a.high_ & b.high_, a.low_ & b.low_};
  }
  friend constexpr PortableUInt128 operator|(PortableUInt128 a, PortableUInt128 b) {
    return {a.high_ | b.high_, a.low_ | b.low_};
  }
  friend constexpr PortableUInt128 operator<<(PortableUInt128 a, std::int64_t n) {
    if (n == 0) return a;
    if (n >= 64) return {a.low_ << (n - 64), 0};
    return {a.high_ << n | a.low_ >> (64 - n), a.low_ << n};
  }
  friend constexpr PortableUInt128 operator>>(PortableUInt128 a, std::int64_t n) {
    if (n == 0) return a;
    if (n >= 64) return {0, a.high_ >> (n - 64)};
    return {a.high_ >> n, a.low_ >> n | a.high_ << (64 - n)};
  }
  constexpr PortableUInt128& operator>>=(std::int64_t n) { return *this = *this >> n; }
  constexpr PortableUInt128& operator++() { return *this = *this + 1; }

 private:
  struct Division;

  // a * b in full, from four 32-bit partial products, none of which can overflow.
  static constexpr PortableUInt128 FullProduct(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t aLow = a & 0xFFFFFFFF, aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xFFFFFFFF, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t middle1 = aHigh * bLow + (lowLow >> 32);
    const std::uint64_t middle2 = aLow * bHigh + (middle1 & 0xFFFFFFFF);
    return {aHigh * bHigh + (middle1 >> 32) + (middle2 >> 32),
            middle2 << 32 | (lowLow & 0xFFFFFFFF)};
  }

  // Schoolbook binary long division, for divisors below 2^127: one quotient bit a step,
  // from the top. Slow next to
  // hardware division, but the calculator divides once a click and the tables are built
  // at compile time.
  static constexpr Division DivideWithRemainder(PortableUInt128 a, PortableUInt128 b);

  std::uint64_t high_ = 0;
  std::uint64_t low_ = 0;
};

struct PortableUInt128::Division {
  PortableUInt128 quotient;
  PortableUInt128 remainder;
};

constexpr PortableUInt128::Division PortableUInt128::DivideWithRemainder(PortableUInt128 a,
                                                                         PortableUInt128 b) {
  Division result;
  for (int bit = 127; bit >= 0; --bit) {
    result.remainder = result.remainder << 1 | ((a >> bit) & 1);
    if (result.remainder >= b) {
      result.remainder = result.remainder - b;
      result.quotient = result.quotient | (PortableUInt128{1} << bit);
    }
  }
  return result;
}

constexpr PortableUInt128 operator/(PortableUInt128 a, PortableUInt128 b) {
  return PortableUInt128::DivideWithRemainder(a, b).quotient;
}

constexpr PortableUInt128 operator%(PortableUInt128 a, PortableUInt128 b) {
  return PortableUInt128::DivideWithRemainder(a, b).remainder;
}

}  // namespace vorn
