// New Player, Change Player and Backup Statistics: the File menu's account commands.
#pragma once

#include "game/GameContext.h"

namespace output {

// Each returns true when CurrentPlayer and PlayerFilePos now name another account,
// so the window shows the new name and balance. Errors are told through ctx.dialogs.
bool NewPlayerCommand(GameContext& ctx);
bool ChangePlayerCommand(GameContext& ctx);
void BackupStatisticsCommand(GameContext& ctx);

}  // namespace output
