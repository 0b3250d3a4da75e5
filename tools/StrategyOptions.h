// The command line of deuceswild-strategy, read into one plain record.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Card.h"
#include "engine/analysis/Pays.h"

namespace modcards::strategy {

// A command line that cannot be run; the message is one line for the user.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Command { Help, DealCounts, Return, Hold };

struct StrategyOptions {
    Command command = Command::Help;
    bool json = false;
    unsigned threads = 2;
    analysis::Pays pays;  // the game's own table unless --pays is given
    Hand dealt{};         // for Command::Hold, in the order written
};

// Reads the arguments after the program name; throws UsageError.
StrategyOptions ParseStrategyOptions(const std::vector<std::string_view>& args);

// "800,200,25,15,9,5,3,2,2,1": ten pays per unit bet for categories 1..10, each a whole
// number or a decimal with up to four places. Throws UsageError.
analysis::Pays ParsePays(std::string_view text);

std::string HelpText();

}  // namespace modcards::strategy
