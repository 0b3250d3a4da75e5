// Text as a JSON string, for the analyser's reports.
#pragma once

#include <string>
#include <string_view>

namespace modcards::strategy {

// `text` in double quotes, with every quote and backslash escaped.
inline std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace modcards::strategy
