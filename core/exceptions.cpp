#include "core/exceptions.h"

#include <utility>

namespace vorn {

Exception::Exception(std::string message) : message_(std::move(message)) {}

const char* Exception::what() const noexcept {
  return message_.c_str();
}

EZeroDivide::EZeroDivide() : Exception("Floating point division by zero") {}

EInvalidOp::EInvalidOp() : Exception("Invalid floating point operation") {}

EOverflow::EOverflow() : Exception("Floating point overflow") {}

}  // namespace vorn
