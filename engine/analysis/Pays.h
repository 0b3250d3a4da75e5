// A pay table for analysis: the pay of each HandCategory per unit bet, held exactly.
#pragma once

#include <array>
#include <cstdint>

#include "engine/HandEvaluation.h"
#include "engine/PayTable.h"

namespace modcards::analysis {

// Category c pays perCategory[c] / unit times the bet. perCategory[0] (no paying hand) is 0.
struct Pays {
    std::array<std::int64_t, kCategoryCount> perCategory{};
    std::int64_t unit = 1;
    friend bool operator==(const Pays&, const Pays&) = default;
};

// Pays are bounded so that every sum the analysis forms stays exact in 64 bits.
constexpr std::int64_t kMaxPay = 1'000'000'000;

// The game's own table: PayTable[1..10] over the stake PayTable[0].
Pays GamePays(const PayTable& table);
// The same for the game's table itself (GamePayTable).
Pays GamePays();

// Ten pays per unit bet for categories 1..10, as whole numbers.
Pays PaysPerUnit(const std::array<std::int64_t, 10>& pays);

// Throws std::invalid_argument unless every pay lies in 0..kMaxPay, perCategory[0] is 0 and
// the unit lies in 1..kMaxPay.
void ValidatePays(const Pays& pays);

}  // namespace modcards::analysis
