// The local date and time as the hand history writes it: ISO 8601 to the second.
#pragma once

#include <string>
#include <string_view>

#include "accounts/PlayerRecord.h"

namespace history {

// "2024-05-01T14:03:22" for the OLE date the game's clock gives (rounded to the second);
// empty for a date before 1900 or after 9999.
std::string LocalTimeText(output::OleDate date);

// Whether `text` has the form "YYYY-MM-DDTHH:MM:SS" with a real month, day and time of day.
bool IsLocalTimeText(std::string_view text);

}  // namespace history
