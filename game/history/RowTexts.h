// Reading the texts of a row of `hands` selected with the history's column order: player,
// played_at, dealt, held, final, best_held, mode and pays in columns 6 to 13.
#pragma once

#include <sqlite3.h>

#include <string>

#include "game/history/HandRecord.h"

namespace history {

// Fills the texts of `hand` from `row` and checks the whole hand (RecordProblem); returns why it
// cannot be read, in words, or empty.
std::string ReadRowTexts(sqlite3_stmt* row, HandRecord& hand);

}  // namespace history
