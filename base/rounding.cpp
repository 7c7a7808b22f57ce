#include "base/rounding.h"

#include <cstdio>

namespace tolvane::base::detail {

std::string FormatForMessage(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

}  // namespace tolvane::base::detail
