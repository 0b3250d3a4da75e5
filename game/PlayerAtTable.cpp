// The player at the table: seating, the one save path, and New Player / Change Player.
#include "game/PlayerAtTable.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "accounts/RecordCodec.h"
#include "game/GameDialogs.h"

namespace {

void Seat(GameContext& ctx, const output::SearchResult& found) {
    ctx.CurrentPlayer = found.record;
    ctx.PlayerFilePos = found.position;
}

// True when the file still reaches past the whole record at PlayerFilePos.
bool HasPlaceInFile(const GameContext& ctx) {
    if (ctx.PlayerFilePos == kNoPlaceYet) return false;
    std::error_code ec;
    const auto size = std::filesystem::file_size(ctx.accountsFile, ec);
    if (ec) return false;
    return static_cast<std::uintmax_t>(ctx.PlayerFilePos - 1) + output::kRecordSize <= size;
}

void TellExists(GameContext& ctx, const QString& typed) {
    ShowError(ctx.dialogs, "New Player Create Failure!\r\nThe Player Named " + Quoted(typed) +
                               " Already Exists.");
}

}  // namespace

QString PlayerNameFrom(const QString& answer) {
    return answer.isEmpty() ? kDefaultPlayerName : answer;
}

std::vector<output::FileError> LoadOrCreatePlayer(GameContext& ctx, const QString& name) {
    std::vector<output::FileError> errors;
    const std::string typed = name.toStdString();
    output::SearchResult search = output::FindPlayer(ctx.accountsFile, typed);
    if (search.error) errors.push_back(*search.error);
    if (search.found) {
        Seat(ctx, search);
        return errors;
    }
    // Adding re-checks the name under the file's lock, so a copy of the game that added the
    // same name meanwhile is found rather than duplicated.
    const output::PlayerRecord fresh =
        output::NewPlayerRecord(typed, output::kNewAccountCredits, ctx.clock);
    const output::SearchResult added = output::AddPlayer(ctx.accountsFile, fresh);
    if (added.error) {
        errors.push_back(*added.error);
        ctx.CurrentPlayer = fresh;
        ctx.PlayerFilePos = kNoPlaceYet;
        return errors;
    }
    Seat(ctx, added);
    return errors;
}

std::optional<output::FileError> SaveCurrentPlayer(GameContext& ctx) {
    if (!HasPlaceInFile(ctx)) {
        const output::SearchResult added = output::AddPlayer(ctx.accountsFile, ctx.CurrentPlayer);
        if (added.error) return added.error;
        ctx.PlayerFilePos = added.position;
        if (!added.found) return std::nullopt;  // written by the add itself
    }
    return output::SavePlayer(ctx.accountsFile, ctx.CurrentPlayer, ctx.PlayerFilePos);
}

bool NewPlayerCommand(GameContext& ctx) {
    const QString typed = AskPlayerName(ctx.dialogs);
    if (typed.isEmpty()) return false;
    // The account at the table reaches the file before another one is looked up.
    if (!NoFileError(ctx.dialogs, SaveCurrentPlayer(ctx))) return false;

    const std::string name = typed.toStdString();
    const output::SearchResult search = output::FindPlayer(ctx.accountsFile, name);
    if (!NoFileError(ctx.dialogs, search.error)) return false;
    if (search.found) {
        TellExists(ctx, typed);
        return false;
    }
    // Added under a lock: another copy of the game may have taken the name meanwhile.
    const output::PlayerRecord fresh =
        output::NewPlayerRecord(name, output::kNewAccountCredits, ctx.clock);
    const output::SearchResult added = output::AddPlayer(ctx.accountsFile, fresh);
    if (!NoFileError(ctx.dialogs, added.error)) return false;
    if (added.found) {
        TellExists(ctx, typed);
        return false;
    }
    Seat(ctx, added);
    return true;
}

bool ChangePlayerCommand(GameContext& ctx) {
    const QString typed = AskPlayerName(ctx.dialogs);
    // Saved whatever the answer, Cancel included.
    if (!NoFileError(ctx.dialogs, SaveCurrentPlayer(ctx))) return false;
    if (typed.isEmpty()) return false;

    const output::SearchResult search = output::FindPlayer(ctx.accountsFile, typed.toStdString());
    if (!NoFileError(ctx.dialogs, search.error)) return false;
    if (!search.found) {
        ShowError(ctx.dialogs,
                  "Change Player Failed!\r\nThe Player Named " + Quoted(typed) + " Doesn't Exist.");
        return false;
    }
    Seat(ctx, search);
    return true;
}
