// The stake and the pay of each paying hand, in credits.
#pragma once

#include <array>
#include <cstdint>

#include "engine/HandEvaluation.h"

namespace modcards {

// Entry 0 is the stake of one deal; entries 1..10 the pay of HandCategory 1..10.
using PayTable = std::array<std::int16_t, 11>;

// Fills the game's table: 5, then 3000, 1000, 125, 80, 50, 20, 20, 15, 10, 5.
void InitTables(PayTable& table);

// The game's table as a value, for code that only reads it.
PayTable GamePayTable();

// What a hand of `code` is paid at `table`: its entry for codes 1..10, nothing for any other.
int PayOf(const PayTable& table, HandCategory code);

}  // namespace modcards
