#pragma once

#include <bit>
#include <type_traits>

namespace vorn {

// std::bit_cast where the standard library has it; the compiler's own builtin, which the
// library's is made of, where it does not yet (libc++ 13, as the WebAssembly toolchain
// ships it). Both work at compile time.
#if defined(__cpp_lib_bit_cast)
using std::bit_cast;
#else
template <typename To, typename From>
requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
         std::is_trivially_copyable_v<From>) constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}
#endif

}  // namespace vorn
