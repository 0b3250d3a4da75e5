// Where the accounts file lives: beside the program, or in the player's data folder.
#pragma once

#include <QString>
#include <filesystem>

struct AccountsLocation {
    std::filesystem::path file;  // "Players.dat" in the chosen folder
    QString notice;              // for the player, when a file beside the program was passed over
};

// "Players.dat" in the executable's folder when it can be used there: an existing file that can
// be read and written, or none yet in a folder that can be written. A folder that cannot be
// written and holds no accounts (an installed game) leads quietly to dataFolder, which is
// created. An existing file that cannot be used (unreadable, read-only, not a regular file) is
// never passed over in silence: the notice names it, says why, and says where the accounts are
// kept instead.
AccountsLocation ChooseAccountsFile(const QString& executableFolder, const QString& dataFolder);
