// Exact fractions: reduction and decimal text.
#include "engine/analysis/ExactFraction.h"

#include <algorithm>
#include <stdexcept>

namespace modcards::analysis {

namespace {

WideInt Gcd(WideInt a, WideInt b) {
    while (b != 0) {
        const WideInt r = a % b;
        a = b;
        b = r;
    }
    return a;
}

}  // namespace

Fraction Fraction::Of(WideInt numerator, WideInt denominator) {
    if (denominator <= 0 || numerator < 0)
        throw std::invalid_argument("a fraction needs a positive denominator and no negative part");
    const WideInt common = std::max<WideInt>(1, Gcd(numerator, denominator));
    return Fraction{numerator / common, denominator / common};
}

double Fraction::ToDouble() const {
    const WideInt whole = numerator / denominator;
    const WideInt rest = numerator % denominator;
    return static_cast<double>(whole) + static_cast<double>(static_cast<long double>(rest) /
                                                            static_cast<long double>(denominator));
}

std::string Fraction::Decimal(int digits) const {
    if (digits < 0 || digits > 30) throw std::invalid_argument("0 to 30 decimals");
    // Long division, one digit at a time so nothing overflows, then round half up.
    std::string text = WideToString(numerator / denominator);
    WideInt rest = numerator % denominator;
    std::string tail;
    for (int i = 0; i < digits; ++i) {
        rest *= 10;
        tail += static_cast<char>('0' + static_cast<int>(rest / denominator));
        rest %= denominator;
    }
    if (2 * rest >= denominator) {
        std::string all = "0" + text + tail;  // room for a carry out of the top digit
        for (auto digit = all.rbegin(); digit != all.rend(); ++digit) {
            if (*digit != '9') {
                ++*digit;
                break;
            }
            *digit = '0';
        }
        if (all.front() == '0') all.erase(0, 1);
        text = all.substr(0, all.size() - tail.size());
        tail = all.substr(all.size() - tail.size());
    }
    return digits > 0 ? text + "." + tail : text;
}

std::string Fraction::Text() const {
    return WideToString(numerator) + "/" + WideToString(denominator);
}

std::string WideToString(WideInt value) {
    if (value == 0) return "0";
    const bool negative = value < 0;
    std::string digits;
    while (value != 0) {
        const int digit = static_cast<int>(value % 10);
        digits += static_cast<char>('0' + (negative ? -digit : digit));
        value /= 10;
    }
    if (negative) digits += '-';
    return {digits.rbegin(), digits.rend()};
}

}  // namespace modcards::analysis
