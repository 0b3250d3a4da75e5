// The player at the table: seated at start-up, saved after every hand and before a change, and
// New Player / Change Player. Every save of the account at the table goes through
// SaveCurrentPlayer.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "accounts/AccountsFile.h"
#include "game/GameContext.h"

// The account name from the name prompt's answer: "Default Player" for empty text, otherwise the
// answer as typed (surrounding blanks are kept; the accounts ignore them when searching).
QString PlayerNameFrom(const QString& answer);

// PlayerFilePos of an account that has no place in the file yet: the next save adds it instead
// of writing over another account.
constexpr std::int32_t kNoPlaceYet = 0;

// Loads the named account into CurrentPlayer and PlayerFilePos, or creates it with 200 credits
// at the end of the file. The player is seated even when the file fails; the errors met are
// returned for the player to be told.
std::vector<output::FileError> LoadOrCreatePlayer(GameContext& ctx, const QString& name);

// Writes CurrentPlayer at PlayerFilePos. An account without a place in the file, or whose place
// lies beyond the end of a file that has shrunk meanwhile, is found again by name or added as a
// whole record: nothing is ever written past the end of the file but a whole appended record.
std::optional<output::FileError> SaveCurrentPlayer(GameContext& ctx);

// The File menu's New Player and Change Player. Each returns true when CurrentPlayer and
// PlayerFilePos now name another account, so the window shows the new name and balance.
// Errors are told through ctx.dialogs.
bool NewPlayerCommand(GameContext& ctx);
bool ChangePlayerCommand(GameContext& ctx);
