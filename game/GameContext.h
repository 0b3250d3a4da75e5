// The program-wide state of one run and the services the windows pass to the logic.
#pragma once

#include <cstdint>
#include <filesystem>

#include "accounts/Clock.h"
#include "accounts/PlayerRecord.h"
#include "engine/PayTable.h"
#include "engine/RandomSource.h"
#include "game/Dialogs.h"

struct GameContext {
    output::PlayerRecord CurrentPlayer;  // the account at the table
    std::int32_t PlayerFilePos = 1;  // 1-based byte position of its record; set with CurrentPlayer
    modcards::PayTable PayTable{};   // filled once at start-up

    std::filesystem::path accountsFile;  // the accounts file ("Players.dat")
    const output::Clock& clock;
    modcards::RandomSource& random;
    Dialogs& dialogs;
};
