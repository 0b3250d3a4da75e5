// Reading pay tables and whole numbers written as text.
#include "engine/analysis/PaysParsing.h"

#include <algorithm>
#include <string>
#include <vector>

namespace modcards::analysis {
namespace {

constexpr int kMaxDecimals = 4;

struct PayText {
    std::int64_t digits = 0;  // the number with its decimal point taken out
    int decimals = 0;
};

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted.append(text);
    return quoted += '"';
}

PayText ParseOnePay(std::string_view text) {
    const std::string what = "pay " + Quoted(text);
    PayText pay;
    const std::size_t point = text.find('.');
    std::string digits(text.substr(0, point));
    if (point != std::string_view::npos) {
        const std::string_view fraction = text.substr(point + 1);
        pay.decimals = static_cast<int>(fraction.size());
        digits += fraction;
        if (pay.decimals == 0 || pay.decimals > kMaxDecimals)
            throw PaysTextError(what + " needs 1 to 4 decimals after '.'");
    }
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        throw PaysTextError(what + " has a sign; pays are written without one");
    pay.digits = static_cast<std::int64_t>(
        ParseWholeNumber(digits, static_cast<std::uint64_t>(kMaxPay), what));
    return pay;
}

std::int64_t PowerOfTen(int exponent) {
    std::int64_t power = 1;
    for (int i = 0; i < exponent; ++i) power *= 10;
    return power;
}

}  // namespace

std::uint64_t ParseWholeNumber(std::string_view text, std::uint64_t max, std::string_view what) {
    const std::string name(what);
    if (text.empty()) throw PaysTextError(name + " is not a number");
    if (text.front() == '-' || text.front() == '+')
        throw PaysTextError(name + " has a sign; write the number without one");
    std::uint64_t value = 0;
    bool tooLarge = false;
    for (const char c : text) {
        if (c < '0' || c > '9') throw PaysTextError(name + " is not a number");
        const auto digit = static_cast<std::uint64_t>(c - '0');
        tooLarge = tooLarge || value > (max - digit) / 10;
        if (!tooLarge) value = value * 10 + digit;
    }
    if (tooLarge) throw PaysTextError(name + " is too large (at most " + std::to_string(max) + ")");
    return value;
}

Pays ParsePays(std::string_view text) {
    std::vector<PayText> parsed;
    std::size_t at = 0;
    while (true) {
        const std::size_t comma = text.find(',', at);
        parsed.push_back(ParseOnePay(text.substr(at, comma - at)));
        if (comma == std::string_view::npos) break;
        at = comma + 1;
    }
    if (parsed.size() != 10)
        throw PaysTextError("a pay table takes ten pays separated by commas, got " +
                            std::to_string(parsed.size()));
    int decimals = 0;
    for (const auto& pay : parsed) decimals = std::max(decimals, pay.decimals);
    Pays pays;
    pays.unit = PowerOfTen(decimals);
    for (int c = 1; c <= 10; ++c) {
        const PayText& pay = parsed[static_cast<std::size_t>(c - 1)];
        pays.perCategory[c] = pay.digits * PowerOfTen(decimals - pay.decimals);
        if (pays.perCategory[c] > kMaxPay)
            throw PaysTextError("pay " + std::to_string(c) + " is too large once every pay has " +
                                std::to_string(decimals) + " decimals (at most " +
                                std::to_string(kMaxPay) + " in units of the last one)");
    }
    return pays;
}

}  // namespace modcards::analysis
