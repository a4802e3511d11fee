// The only place that touches 80-bit arithmetic or the floating-point environment.

#include "core/extended.h"

#include <cstring>

#include "core/exceptions.h"

namespace vorn {

#if !defined(__x86_64__) && !defined(__i386__)
#error "the extended-precision arithmetic is written for the x87 unit"
#endif

namespace {

// x87 control word: all six exceptions masked, precision control 64-bit significand,
// rounding to nearest. Faults are read back from the status flags instead of trapping.
constexpr unsigned short kComputeControl = 0x037F;
constexpr unsigned short kX87FlagMask = 0x003F;
constexpr unsigned short kInvalidFlag = 0x0001;
constexpr unsigned short kZeroDivideFlag = 0x0004;
constexpr unsigned short kOverflowFlag = 0x0008;
constexpr int kStatusWordOffset = 4;  // within the 28-byte fnstenv image

unsigned short ReadX87Control() {
  unsigned short cw;
  asm volatile("fnstcw %0" : "=m"(cw));
  return cw;
}

void WriteX87Control(unsigned short cw) {
  asm volatile("fldcw %0" : : "m"(cw));
}

unsigned short ReadX87Status() {
  unsigned short sw;
  asm volatile("fnstsw %0" : "=m"(sw));
  return sw;
}

unsigned int ReadMxcsr() {
  unsigned int csr;
  asm volatile("stmxcsr %0" : "=m"(csr));
  return csr;
}

void WriteMxcsr(unsigned int csr) {
  asm volatile("ldmxcsr %0" : : "m"(csr));
}

// The status flags cannot be written directly; a caller who had flags set gets them back
// through a full environment image. Rare: the program itself never leaves flags set.
void RestoreX87Flags(unsigned short flags) {
  if (flags == 0) {
    asm volatile("fnclex");
    return;
  }
  unsigned char image[28];
  asm volatile("fnstenv %0" : "=m"(image));
  unsigned short sw;
  std::memcpy(&sw, image + kStatusWordOffset, sizeof sw);
  sw = static_cast<unsigned short>((sw & ~kX87FlagMask) | flags);
  std::memcpy(image + kStatusWordOffset, &sw, sizeof sw);
  asm volatile("fldenv %0" : : "m"(image));
}

// Forces a result to be complete before the next statement, so that the flag reads that
// follow an operation cannot be scheduled ahead of it.
template <typename T>
T Settled(T value) {
  asm volatile("" : "+m"(value));
  return value;
}

}  // namespace

Extended::Extended(double value) : value_(value) {}

// Each operator below rounds its exact result to a 64-bit significand (precision control).
Extended operator-(Extended a, Extended b) {
  return Extended(Settled(a.value_ - b.value_));
}

Extended operator*(Extended a, Extended b) {
  return Extended(Settled(a.value_ * b.value_));
}

Extended operator/(Extended a, Extended b) {
  return Extended(Settled(a.value_ / b.value_));
}

// Rounded to double here: the x87 store to a 64-bit memory operand rounds to nearest-even.
double Extended::ToDouble() const {
  return Settled(static_cast<double>(value_));
}

FloatingPointScope::FloatingPointScope()
    : x87Control_(ReadX87Control()), x87Status_(ReadX87Status()), mxcsr_(ReadMxcsr()) {
  if (x87Control_ != kComputeControl) WriteX87Control(kComputeControl);
  if (x87Status_ & kX87FlagMask) asm volatile("fnclex");
}

FloatingPointScope::~FloatingPointScope() {
  const unsigned short flags = x87Status_ & kX87FlagMask;
  if ((ReadX87Status() & kX87FlagMask) != flags) RestoreX87Flags(flags);
  if (x87Control_ != kComputeControl) WriteX87Control(x87Control_);
  // Only x87 instructions run in the scope, but a compiler may still pick SSE for a
  // conversion; restoring MXCSR keeps the caller's SSE flags untouched either way.
  if (ReadMxcsr() != mxcsr_) WriteMxcsr(mxcsr_);
}

void FloatingPointScope::ThrowIfFaulted() const {
  const unsigned short status = ReadX87Status();
  if (status & kInvalidFlag) throw EInvalidOp();
  if (status & kZeroDivideFlag) throw EZeroDivide();
  if (status & kOverflowFlag) throw EOverflow();
}

}  // namespace vorn
