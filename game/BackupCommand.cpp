// Backup Statistics: the accounts file copied whole to where the player chooses, and the hand
// history beside it when the player wants it too.
#include "game/BackupCommand.h"

#include <sys/stat.h>

#include <QString>
#include <filesystem>
#include <optional>
#include <system_error>

#include "accounts/AccountsFile.h"
#include "accounts/PosixFile.h"
#include "game/GameDialogs.h"
#include "game/PathText.h"
#include "game/history/HandHistory.h"
#include "game/history/HistoryBackup.h"

namespace {

using output::FileError;

// Copies beside the target first and then renames over it, so an old backup is replaced
// whole or not at all.
std::optional<FileError> CopyWhole(const std::filesystem::path& from,
                                   const std::filesystem::path& to) {
    namespace fs = std::filesystem;
    const std::string action = "copy the accounts file to the backup";
    const auto fail = [&](const fs::path& path, const std::error_code& ec) {
        return FileError{action, path, ec.message()};
    };
    // A device or a pipe would be replaced by the rename below: refused as it stands.
    struct stat target {};
    if (::stat(to.c_str(), &target) == 0 && !S_ISREG(target.st_mode))
        return FileError{action, to, output::NotRegularReason(target.st_mode)};
    fs::path partial = to;
    partial += ".partial";
    std::error_code ec;
    if (!fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec)) {
        // The source is named when it is the one at fault, else the temporary copy.
        if (!fs::exists(from)) return fail(from, ec);
        return FileError{"write the backup's temporary copy beside it", partial, ec.message()};
    }
    fs::rename(partial, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return fail(to, ec);
    }
    return std::nullopt;
}

// The history's files are SQLite's alone: a copy over one of them would replace the live
// history with the accounts.
bool RefusedAsHistory(GameContext& ctx, const std::filesystem::path& target) {
    if (!history::IsHistoryFile(ctx.accountsFile.parent_path(), target)) return false;
    ShowError(ctx.dialogs, "Cannot Save Backup to " + Quoted(PathText(target)) +
                               "!\nThe game keeps its hand history in that file.");
    return true;
}

// Asked after the accounts are copied: the history's copy goes beside theirs.
void OfferHistoryBackup(GameContext& ctx, const std::filesystem::path& accountsBackup) {
    const std::filesystem::path history =
        ctx.accountsFile.parent_path() / history::kHistoryFileName;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(history, ec)) return;
    const std::filesystem::path copy = history::HistoryBackupBeside(accountsBackup);
    if (RefusedAsHistory(ctx, copy)) return;
    const bool wanted = ctx.dialogs.Ask(
        "The accounts are saved. Save your hand history too, as " + Quoted(PathText(copy)) + "?",
        QStringLiteral("Save Stats"), QStringLiteral("Save History"), QStringLiteral("Not Now"));
    if (wanted) NoFileError(ctx.dialogs, history::BackUpHistory(history, copy));
}

}  // namespace

void BackupStatisticsCommand(GameContext& ctx) {
    const QString dataPath = PathText(ctx.accountsFile);
    const QString chosen = ctx.dialogs.SaveFileDialog(QStringLiteral("Save Stats"), dataPath);
    const std::filesystem::path target = chosen.toStdString();

    // Cancel returns the preset name and so ends here too. A target that names the data file
    // by another form of its path would be copied onto itself: refused the same way.
    std::error_code ec;
    const bool sameFile = chosen.toLower() == dataPath.toLower() ||
                          std::filesystem::equivalent(ctx.accountsFile, target, ec);
    if (sameFile) {
        ShowError(ctx.dialogs, "Cannot Save Backup to " + Quoted(dataPath.toLower()) + u'!');
        return;
    }
    if (RefusedAsHistory(ctx, target)) return;
    // The file as last written: the account at the table is not saved first.
    if (NoFileError(ctx.dialogs, CopyWhole(ctx.accountsFile, target)))
        OfferHistoryBackup(ctx, target);
}
