// The command line of deuceswild-strategy, read into one plain record.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Card.h"
#include "engine/analysis/ChartLevels.h"
#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/Pays.h"

namespace modcards::strategy {

// A command line that cannot be run; the message is one line for the user.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Command { Help, Version, DealCounts, Return, Hold, Chart, Risk, History };

struct StrategyOptions {
    Command command = Command::Help;
    bool json = false;
    unsigned threads = 2;
    analysis::Pays pays;     // the game's own table unless --pays is given
    bool paysGiven = false;  // for Command::History: only the hands at `pays`
    Hand dealt{};            // for Command::Hold, in the order written
    bool detail = false;     // for Command::Hold: each hold's final hands
    analysis::TieBreak ties = analysis::TieBreak::LowerVariance;  // for Command::Return
    std::string holdsOut;   // for Command::Chart: where to write every deal's hold, or empty
    int lines = 0;          // for Command::Chart: the most lines a chart may have, 0 for no limit
    bool frontier = false;  // for Command::Chart: the cheapest chart of every size instead
    // For Command::Risk, in whole bets; a goal of 0 is none.
    std::int64_t bankroll = -1;
    std::int64_t hands = -1;
    std::int64_t goal = 0;
    // For Command::History: the file, whose hands (every player's, a player's, or a
    // session's), and what to print: the review's figures, the leak groups, or CSV.
    std::string historyFile;
    std::string player;
    std::int64_t session = 0;
    bool leaks = false;
    bool csv = false;
};

// Reads the arguments after the program name; throws UsageError.
StrategyOptions ParseStrategyOptions(const std::vector<std::string_view>& args);

// "800,200,25,15,9,5,3,2,2,1": ten pays per unit bet for categories 1..10, each a whole
// number or a decimal with up to four places. Throws UsageError.
analysis::Pays ParsePays(std::string_view text);

// A whole number written as plain digits, from 0 to `max`. Throws UsageError naming `what`
// and the text: a sign, a space or any other character is refused the same way, and every
// number above max is "too large", however many digits it has.
// Limits that keep `risk` to a minute or so at most.
inline constexpr std::uint64_t kMaxRiskHands = 100'000;
inline constexpr std::uint64_t kMaxRiskBets = 100'000;

std::uint64_t ParseWholeNumber(std::string_view text, std::uint64_t max, std::string_view what);

std::string HelpText();

// "deuceswild-strategy 0.9.3", the first line of --version.
std::string VersionText();

}  // namespace modcards::strategy
