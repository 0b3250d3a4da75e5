// Putting a player at the table at start-up, and saving the player at the table.
#include "game/PlayerLoading.h"

#include "game/GameDialogs.h"

QString PlayerNameFrom(const QString& answer) {
    return answer.isEmpty() ? kDefaultPlayerName : answer;
}

std::vector<output::FileError> LoadOrCreatePlayer(GameContext& ctx, const QString& name) {
    std::vector<output::FileError> errors;
    const std::string typed = name.toStdString();
    output::SearchResult search = output::FindPlayer(ctx.accountsFile, typed);
    if (search.error) errors.push_back(*search.error);
    if (search.found) {
        ctx.CurrentPlayer = search.record;
        ctx.PlayerFilePos = search.position;
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
    ctx.CurrentPlayer = added.record;
    ctx.PlayerFilePos = added.position;
    return errors;
}

std::optional<output::FileError> SaveCurrentPlayer(GameContext& ctx) {
    if (ctx.PlayerFilePos == kNoPlaceYet) {
        const output::SearchResult added = output::AddPlayer(ctx.accountsFile, ctx.CurrentPlayer);
        if (added.error) return added.error;
        ctx.PlayerFilePos = added.position;
        if (!added.found) return std::nullopt;  // written by the add itself
    }
    return output::SavePlayer(ctx.accountsFile, ctx.CurrentPlayer, ctx.PlayerFilePos);
}
