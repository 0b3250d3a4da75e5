// The player at the table: seated at start-up, saved after every hand and before a change, and
// New Player / Change Player. Every save of the account at the table goes through
// SaveCurrentPlayer, and while a player sits at the table no other copy of the game can take
// the same account.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "accounts/AccountsFile.h"
#include "game/GameContext.h"

// The account name from the name prompt's answer: "Default Player" for empty text, otherwise the
// answer as typed (surrounding blanks are kept; the accounts ignore them when searching).
QString PlayerNameFrom(const QString& answer);

// Why a typed name cannot name an account, in words for the "Error" box; nothing when it can.
// The accounts file keeps names of at most 30 Windows-1252 characters: a name with other
// characters would be stored with "?" in their place, and a longer one cut, each meeting other
// names stored the same way. Control characters are refused too.
std::optional<QString> NameRefusal(const QString& typed);

// PlayerFilePos of an account that has no place in the file yet: the next save adds it instead
// of writing over another account.
constexpr std::int32_t kNoPlaceYet = 0;

// Asks for the player's name until an account can be seated: a name the file cannot hold, or
// an account at another table, is told and asked again. The seat goes by the name, whatever
// becomes of the file. Cancel at the first prompt seats
// "Default Player"; Cancel after a refusal answers false (the player gave up: nobody sits).
// When the file fails, the player is seated all the same with no place yet, and told why.
bool SeatAtStartUp(GameContext& ctx);

struct SaveResult {
    std::optional<output::FileError> error;
    // Someone else had changed the stored account since this table last saved it (another copy
    // added it, the file was restored): CurrentPlayer now holds the stored account with this
    // table's hands on it.
    bool merged = false;
};

// Saves the hands played since the last save onto the account's record (SaveHands), taking its
// seat again first. When the record at PlayerFilePos is not this account's any more (the file
// was replaced, or shrank), the account is found again by name, or added as a whole record;
// nothing is ever written over another account. A seat lost to another copy of the game is told
// in the error, the hands saved all the same.
SaveResult SaveCurrentPlayer(GameContext& ctx);

// The File menu's New Player and Change Player. Each returns true when CurrentPlayer and
// PlayerFilePos now name another account, so the window shows the new name and balance. A name
// that cannot name an account is told and asked again. Errors are told through ctx.dialogs.
bool NewPlayerCommand(GameContext& ctx);
bool ChangePlayerCommand(GameContext& ctx);
