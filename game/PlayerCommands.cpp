// New Player, Change Player and Backup Statistics.
#include "game/PlayerCommands.h"

#include <QString>
#include <filesystem>
#include <optional>
#include <system_error>

#include "accounts/AccountsFile.h"
#include "game/GameDialogs.h"

namespace output {
namespace {

// True when it went well; otherwise the player has been told why.
bool Reported(GameContext& ctx, const std::optional<FileError>& error) {
    if (!error) return true;
    ShowFileError(ctx.dialogs, *error);
    return false;
}

// The account at the table reaches the file before another one is looked up.
bool SaveCurrent(GameContext& ctx) {
    return Reported(ctx, SavePlayer(ctx.accountsFile, ctx.CurrentPlayer, ctx.PlayerFilePos));
}

void Adopt(GameContext& ctx, const SearchResult& found) {
    ctx.CurrentPlayer = found.record;
    ctx.PlayerFilePos = found.position;
}

QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}

void TellExists(GameContext& ctx, const QString& typed) {
    ShowError(ctx.dialogs, "New Player Create Failure!\r\nThe Player Named " + Quoted(typed) +
                               " Already Exists.");
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Copies beside the target first and then renames over it, so an old backup is replaced
// whole or not at all.
std::optional<FileError> CopyWhole(const std::filesystem::path& from,
                                   const std::filesystem::path& to) {
    namespace fs = std::filesystem;
    const auto fail = [&](const fs::path& path, const std::error_code& ec) {
        return FileError{"copy the accounts file to the backup", path, ec.message()};
    };
    fs::path partial = to;
    partial += ".partial";
    std::error_code ec;
    if (!fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec)) {
        // The source is named when it is the one at fault.
        return fail(fs::exists(from) ? to : from, ec);
    }
    fs::rename(partial, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return fail(to, ec);
    }
    return std::nullopt;
}

}  // namespace

bool NewPlayerCommand(GameContext& ctx) {
    const QString typed = AskPlayerName(ctx.dialogs);
    if (typed.isEmpty()) return false;
    if (!SaveCurrent(ctx)) return false;

    const std::string name = typed.toStdString();
    const SearchResult search = FindPlayer(ctx.accountsFile, name);
    if (!Reported(ctx, search.error)) return false;
    if (search.found) {
        TellExists(ctx, typed);
        return false;
    }
    // Added under a lock: another copy of the game may have taken the name meanwhile.
    const PlayerRecord fresh = NewPlayerRecord(name, kNewAccountCredits, ctx.clock);
    const SearchResult added = AddPlayer(ctx.accountsFile, fresh);
    if (!Reported(ctx, added.error)) return false;
    if (added.found) {
        TellExists(ctx, typed);
        return false;
    }
    Adopt(ctx, added);
    return true;
}

bool ChangePlayerCommand(GameContext& ctx) {
    const QString typed = AskPlayerName(ctx.dialogs);
    // Saved whatever the answer, Cancel included.
    if (!SaveCurrent(ctx)) return false;
    if (typed.isEmpty()) return false;

    const SearchResult search = FindPlayer(ctx.accountsFile, typed.toStdString());
    if (!Reported(ctx, search.error)) return false;
    if (!search.found) {
        ShowError(ctx.dialogs,
                  "Change Player Failed!\r\nThe Player Named " + Quoted(typed) + " Doesn't Exist.");
        return false;
    }
    Adopt(ctx, search);
    return true;
}

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
    // The file as last written: the account at the table is not saved first.
    Reported(ctx, CopyWhole(ctx.accountsFile, target));
}

}  // namespace output
