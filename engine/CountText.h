// Whole numbers as players read them, in thousands: "24,030".
#pragma once

#include <cstdint>
#include <locale>
#include <sstream>
#include <string>

namespace modcards {

// The standard library's grouping with English separators, whatever the process's locale.
inline std::string CountText(std::int64_t count) {
    struct Thousands : std::numpunct<char> {
        char do_thousands_sep() const override { return ','; }
        std::string do_grouping() const override { return "\3"; }
    };
    std::ostringstream text;
    text.imbue(std::locale(std::locale::classic(), new Thousands));
    text << count;
    return text.str();
}

}  // namespace modcards
