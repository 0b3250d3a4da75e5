// Backup Statistics: a copy of the accounts file where the player chooses.
#pragma once

#include "game/GameContext.h"

// Asks for the target through ctx.dialogs; errors are told there too.
void BackupStatisticsCommand(GameContext& ctx);
