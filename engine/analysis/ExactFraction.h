// Exact non-negative fractions wide enough for sums over every deal and draw.
#pragma once

#include <cstdint>
#include <string>

namespace modcards::analysis {

__extension__ typedef __int128 WideInt;

// numerator / denominator, reduced, with denominator > 0.
struct Fraction {
    WideInt numerator = 0;
    WideInt denominator = 1;

    // Reduces; throws std::invalid_argument for a zero denominator or a negative part.
    static Fraction Of(WideInt numerator, WideInt denominator);

    double ToDouble() const;
    // The value rounded to `digits` (0..30) decimals: "1.0076196".
    std::string Decimal(int digits) const;
    // "numerator/denominator".
    std::string Text() const;

    friend bool operator==(const Fraction&, const Fraction&) = default;
};

std::string WideToString(WideInt value);

}  // namespace modcards::analysis
