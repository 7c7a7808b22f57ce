#pragma once

#include <string>
#include <string_view>

namespace tolvane::runtime {

// The text in double quotes, as messages name a bad value: abc -> "abc".
inline std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

}  // namespace tolvane::runtime
