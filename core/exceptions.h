#pragma once

#include <exception>
#include <string>

namespace vorn {

// The program's one exception family. A report shows what() to the user, so the text is
// a complete sentence-like message and never empty except where the caller wants that.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message);

  const char* what() const noexcept override;

 private:
  std::string message_;
};

// Raised by the arithmetic when a quotient has a zero divisor and a nonzero dividend.
class EZeroDivide : public Exception {
 public:
  EZeroDivide();
};

// Raised by the arithmetic for 0 / 0 and for any operation without a meaningful result.
class EInvalidOp : public Exception {
 public:
  EInvalidOp();
};

// Raised when a result rounded to double lies beyond the largest finite double.
class EOverflow : public Exception {
 public:
  EOverflow();
};

}  // namespace vorn
