#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/bit_cast.h"

// Failure messages show doubles as their bit pattern, which is what the tests compare.
inline std::string Hex(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%016llX (%.17g)",
                static_cast<unsigned long long>(vorn::bit_cast<std::uint64_t>(value)), value);
  return buffer;
}

inline std::uint64_t Bits(double value) {
  return vorn::bit_cast<std::uint64_t>(value);
}

inline double FromBits(std::uint64_t bits) {
  return vorn::bit_cast<double>(bits);
}

// Shows control bytes of a field text as \xNN so a failing case can be typed in again.
inline std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
      out += buffer;
    }
  }
  return '"' + out + '"';
}
