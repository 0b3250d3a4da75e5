// The pay tables a player may practise at: the presets, a custom table typed as ten pays, and
// the table the practice plays (a stake of 5 credits, like the account's).
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "engine/PayTable.h"

// One practice table: its name and the pay per credit bet of categories 1..10.
struct PracticeTable {
    QString name;
    std::array<int, 10> pays{};

    // The table the hand plays: a 5-credit stake and each pay in credits for it.
    modcards::PayTable PayTable() const;
    // "800,200,25,15,9,5,3,2,2,1".
    QString PaysText() const;
    friend bool operator==(const PracticeTable&, const PracticeTable&) = default;
};

// The table that plays `payTable`, named `name`: each pay per credit of its stake.
PracticeTable PracticeTableOf(const QString& name, const modcards::PayTable& payTable);

// A practice balance starts, and is refilled, at this many credits.
inline constexpr int kPracticeCredits = 1000;
// The stake of a practice hand, as at the account's table.
inline constexpr int kPracticeStake = 5;
// The largest pay per credit: its credits for the stake must fit the table (32767).
inline constexpr int kMostPracticePay = 6553;

// The game's own table first, then full pay, Not So Ugly Ducks and other common tables.
const std::vector<PracticeTable>& PracticePresets();

struct PracticeChoice {
    std::optional<PracticeTable> table;  // set when the text names or spells a table
    QString error;                       // why it does not, in words
};

// A preset's name (case, blanks and hyphens aside: "full-pay", "Not So Ugly Ducks") or ten
// pays per credit bet separated by commas, read by the analyser's parser. A table that is not
// a preset's is named "Custom". Every pay must be whole credits for the 5-credit stake, at most
// kMostPracticePay per credit.
PracticeChoice ParsePracticeTable(const QString& text);

// A table by its pays per credit bet as the history keeps them ("800,200,25,15,9,5,3,2,2,1"):
// the preset's name when it is one ("Full Pay"), else the pays ("800/200/25/15/9/5/3/2/2/1").
QString TableName(const QString& paysText);
// The same for the table a hand plays.
QString TableName(const modcards::PayTable& table);

// "Full Pay (800/200/25/15/9/5/3/2/2/1)", and its return once known: "Full Pay ... 100.76%".
QString PracticeTitle(const PracticeTable& table, std::optional<double> returnPerCredit);
