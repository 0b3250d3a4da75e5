// Reading a pay table written as text: ten pays per unit bet separated by commas.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "engine/analysis/Pays.h"

namespace modcards::analysis {

// Why a text is no pay table, in words a player can act on.
class PaysTextError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// "800,200,25,15,9,5,3,2,2,1": ten pays per unit bet for categories 1..10, each a whole
// number or a decimal with up to four places. Throws PaysTextError.
Pays ParsePays(std::string_view text);

// A whole number written as plain digits, from 0 to `max`. Throws PaysTextError naming `what`
// and the text: a sign, a space or any other character is refused the same way, and every
// number above max is "too large", however many digits it has.
std::uint64_t ParseWholeNumber(std::string_view text, std::uint64_t max, std::string_view what);

}  // namespace modcards::analysis
