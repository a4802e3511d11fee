// The two-word 128-bit integer against the compiler's own, on operands shaped like the
// arithmetic's: full 64-bit significands, their products, and carries across the words.

#include "core/portable_uint128.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

using namespace vorn;  // the core under test

namespace {

__extension__ typedef unsigned __int128 Native;

Native ToNative(PortableUInt128 value) {
  return Native{value.High()} << 64 | static_cast<std::uint64_t>(value);
}

PortableUInt128 FromNative(Native value) {
  return {static_cast<std::uint64_t>(value >> 64), static_cast<std::uint64_t>(value)};
}

std::string Hex(Native value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%016llX%016llX",
                static_cast<unsigned long long>(value >> 64),
                static_cast<unsigned long long>(value));
  return buffer;
}

TEST(PortableUInt128, AgreesWithTheBuiltInType) {
  std::mt19937_64 random(1287);
  const auto operand = [&random] {
    switch (random() % 4) {
      case 0:
        return Native{random()};  // one word
      case 1:
        return Native{random()} * random();  // a full product
      case 2:
        return Native{~std::uint64_t{0}} << (random() % 65);  // carries at the seam
      default:
        return Native{random()} << 64 | random();
    }
  };
  for (int i = 0; i < 200000; ++i) {
    const Native a = operand(), b = operand();
    const auto divisor = static_cast<std::uint64_t>(b) | 1;  // the arithmetic's divisors
    const int shift = static_cast<int>(random() % 128);
    const PortableUInt128 pa = FromNative(a), pb = FromNative(b);
    const std::string context = Hex(a) + " " + Hex(b) + " shift " + std::to_string(shift);
    ASSERT_EQ(Hex(ToNative(pa + pb)), Hex(a + b)) << context;
    ASSERT_EQ(Hex(ToNative(pa - pb)), Hex(a - b)) << context;
    ASSERT_EQ(Hex(ToNative(pa * pb)), Hex(a * b)) << context;
    ASSERT_EQ(Hex(ToNative(pa / divisor)), Hex(a / divisor)) << context;
    ASSERT_EQ(Hex(ToNative(pa % divisor)), Hex(a % divisor)) << context;
    ASSERT_EQ(Hex(ToNative(pa << shift)), Hex(a << shift)) << context;
    ASSERT_EQ(Hex(ToNative(pa >> shift)), Hex(a >> shift)) << context;
    ASSERT_EQ(pa < pb, a < b) << context;
    ASSERT_EQ(pa == pb, a == b) << context;
  }
}

}  // namespace
