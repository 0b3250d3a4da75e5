// Backup Statistics: a copy of the accounts file where the player chooses, and on request a
// copy of the hand history beside it ("<chosen>.history.db").
#pragma once

#include "game/GameContext.h"

// Asks for the target through ctx.dialogs; errors are told there too. The files the game
// keeps (Players.dat, History.db and SQLite's files beside it) are refused as targets.
void BackupStatisticsCommand(GameContext& ctx);
