// The program-wide state of one run and the services the windows pass to the logic.
#pragma once

#include <QSettings>
#include <cstdint>
#include <filesystem>
#include <utility>

#include "accounts/AccountSeat.h"
#include "accounts/Clock.h"
#include "accounts/PlayerRecord.h"
#include "engine/PayTable.h"
#include "engine/RandomSource.h"
#include "game/Dialogs.h"

struct GameContext {
    GameContext(std::filesystem::path accountsFile, const output::Clock& clock,
                modcards::RandomSource& random, Dialogs& dialogs,
                const modcards::PayTable& payTable = modcards::GamePayTable())
        : PayTable(payTable),
          accountsFile(std::move(accountsFile)),
          clock(clock),
          random(random),
          dialogs(dialogs) {}
    GameContext(const GameContext&) = delete;
    GameContext& operator=(const GameContext&) = delete;

    output::PlayerRecord CurrentPlayer;  // the account at the table
    std::int32_t PlayerFilePos = 1;  // 1-based byte position of its record; set with CurrentPlayer
    modcards::PayTable PayTable;     // the account's table, filled when built (practice: TableHand)

    std::filesystem::path accountsFile;  // the accounts file ("Players.dat")
    const output::Clock& clock;
    modcards::RandomSource& random;
    Dialogs& dialogs;
    // Where choices such as the trainer's are kept between runs; none keeps nothing.
    QSettings* settings = nullptr;

    // The account's seat, held for this table while the player sits here, so that no other
    // copy of the game plays the same account at once.
    output::AccountSeat seat;
    // The account as this table last read or wrote it: what the file should still hold, so that
    // a save finding it changed by someone else adds only the hands played here since.
    output::PlayerRecord saved;
};
