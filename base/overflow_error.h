#pragma once

#include <stdexcept>
#include <string>

namespace tolvane::base {

// Raised when a value does not fit the integer type it must become: a rounded position that
// leaves the 16-bit range, a checked sum that wraps, a colour channel out of range. The message
// names the value and the target type, e.g. "overflow: 40000 does not fit int16".
class OverflowError : public std::overflow_error {
  public:
    using std::overflow_error::overflow_error;
};

}  // namespace tolvane::base
