// Putting a player at the table at start-up, and saving the player at the table.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "accounts/AccountsFile.h"
#include "game/GameContext.h"

// The account name from the name prompt's answer: "Default Player" for empty text, otherwise the
// answer as typed (surrounding blanks are kept; the accounts ignore them when searching).
QString PlayerNameFrom(const QString& answer);

// PlayerFilePos of an account that could not be added to the file: it has no place there yet,
// and the next save tries to add it again instead of writing over another account.
constexpr std::int32_t kNoPlaceYet = 0;

// Loads the named account into CurrentPlayer and PlayerFilePos, or creates it with 200 credits
// at the end of the file. The player is seated even when the file fails; the errors met are
// returned for the player to be told.
std::vector<output::FileError> LoadOrCreatePlayer(GameContext& ctx, const QString& name);

// Writes CurrentPlayer at PlayerFilePos (adding it first when it has no place yet).
std::optional<output::FileError> SaveCurrentPlayer(GameContext& ctx);
