// The texts of a row of `hands`, shared by the history's reads and the review's.
#include "game/history/RowTexts.h"

#include "engine/CardText.h"
#include "game/history/Sqlite.h"

namespace history {

std::string ReadRowTexts(sqlite3_stmt* row, HandRecord& hand) {
    hand.player = sqlite::ColumnText(row, 6);
    hand.playedAt = sqlite::ColumnText(row, 7);
    try {
        hand.dealt = modcards::ParseHand(sqlite::ColumnText(row, 8));
        hand.finalHand = modcards::ParseHand(sqlite::ColumnText(row, 10));
    } catch (const modcards::CardTextError& error) {
        return error.what();
    }
    const auto held = ParseHeld(sqlite::ColumnText(row, 9));
    const auto bestHeld = ParseHeld(sqlite::ColumnText(row, 11));
    if (!held || !bestHeld) return "a hold is not five characters 0 or 1";
    hand.held = *held;
    hand.bestHeld = *bestHeld;
    hand.mode = sqlite::ColumnText(row, 12);
    hand.pays = sqlite::ColumnText(row, 13);
    return RecordProblem(hand);
}

}  // namespace history
