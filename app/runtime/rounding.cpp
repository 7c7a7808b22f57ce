#include "app/runtime/rounding.h"

#include <cstdio>

namespace tolvane::runtime::detail {

std::string FormatForMessage(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

}  // namespace tolvane::runtime::detail
