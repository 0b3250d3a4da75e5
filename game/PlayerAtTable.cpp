// The player at the table: seating, the one save path, and New Player / Change Player.
#include "game/PlayerAtTable.h"

#include <QStringList>
#include <string>

#include "accounts/Ansi.h"
#include "accounts/Statistics.h"
#include "game/GameDialogs.h"

namespace {

using output::FileError;
using output::FileFault;
using output::SearchResult;

std::string NameOf(const GameContext& ctx) {
    return ctx.CurrentPlayer.PlayerName;
}

bool AtAnotherTable(const std::optional<FileError>& error) {
    return error && error->fault == FileFault::AtAnotherTable;
}

void TellAtAnotherTable(GameContext& ctx, const QString& typed) {
    ShowError(ctx.dialogs, "Player At Another Table!\r\nThe Player Named " + Quoted(typed) +
                               " Is Playing In Another Copy Of The Game.");
}

// Takes the seat of the account found and puts it at the table.
std::optional<FileError> SeatFound(GameContext& ctx, const SearchResult& found,
                                   const std::string& name) {
    if (auto error = ctx.seat.Take(ctx.accountsFile, found.position, name)) return error;
    ctx.CurrentPlayer = found.record;
    ctx.PlayerFilePos = found.position;
    return std::nullopt;
}

// Seats an account the file could not take: it is played all the same, and added later.
void SeatUnplaced(GameContext& ctx, const output::PlayerRecord& fresh) {
    ctx.seat.Leave();
    ctx.CurrentPlayer = fresh;
    ctx.unplaced = fresh;
    ctx.PlayerFilePos = kNoPlaceYet;
}

// The account had a place, but the record there is not its own any more: find it by name (an
// older copy of it, put back) and write this table's account there, or add it whole.
SaveResult SaveElsewhere(GameContext& ctx) {
    const std::string name = NameOf(ctx);
    SearchResult found = output::FindPlayer(ctx.accountsFile, name);
    if (found.error) return {found.error};
    if (!found.found) {
        const SearchResult added = output::AddPlayer(ctx.accountsFile, ctx.CurrentPlayer);
        if (added.error) return {added.error};
        if (!added.found) {
            ctx.PlayerFilePos = added.position;
            return {ctx.seat.Take(ctx.accountsFile, added.position, name)};
        }
        found = added;
    }
    if (auto error = ctx.seat.Take(ctx.accountsFile, found.position, name)) return {error};
    ctx.PlayerFilePos = found.position;
    return {output::SavePlayer(ctx.accountsFile, ctx.CurrentPlayer, found.position)};
}

// The account had no place: add it now. When another copy of the game added an account of
// the same name meanwhile, this table's hands are carried onto that account, once its seat
// is free, so neither table loses a hand.
SaveResult SaveUnplaced(GameContext& ctx) {
    const std::string name = NameOf(ctx);
    const SearchResult added = output::AddPlayer(ctx.accountsFile, ctx.CurrentPlayer);
    if (added.error) return {added.error};
    if (auto error = ctx.seat.Take(ctx.accountsFile, added.position, name)) {
        // Added by us but not seated: saves go on at its place; the next one takes the seat.
        if (!added.found) ctx.PlayerFilePos = added.position;
        return {error};
    }
    ctx.PlayerFilePos = added.position;
    if (!added.found) return {};  // written whole by the add itself

    output::PlayerRecord merged = added.record;
    output::CarryHands(merged, ctx.unplaced, ctx.CurrentPlayer);
    if (auto error = output::SavePlayer(ctx.accountsFile, merged, added.position)) {
        ctx.PlayerFilePos = kNoPlaceYet;  // still to be carried over
        return {error};
    }
    ctx.CurrentPlayer = merged;
    return {std::nullopt, true};
}

// Finds or creates the named account and seats it. Returns the errors met; `taken` is set
// when the account is at another table (then nobody new is seated).
struct Seating {
    std::vector<FileError> errors;
    bool taken = false;
};

Seating LoadOrCreatePlayer(GameContext& ctx, const QString& name) {
    Seating seating;
    const std::string typed = name.toStdString();
    SearchResult account = output::FindPlayer(ctx.accountsFile, typed);
    if (account.error) seating.errors.push_back(*account.error);
    const output::PlayerRecord fresh =
        output::NewPlayerRecord(typed, output::kNewAccountCredits, ctx.clock);
    if (!account.found) {
        // Adding re-checks the name under the file's lock, so a copy of the game that added
        // the same name meanwhile is found rather than duplicated.
        account = output::AddPlayer(ctx.accountsFile, fresh);
        if (account.error) {
            seating.errors.push_back(*account.error);
            SeatUnplaced(ctx, fresh);
            return seating;
        }
    }
    if (auto error = SeatFound(ctx, account, typed)) {
        if (AtAnotherTable(error)) {
            seating.taken = true;
            return seating;
        }
        // Not seated, but the account is known: it is played at its place, and the next save
        // tries the seat again.
        seating.errors.push_back(*error);
        ctx.CurrentPlayer = account.record;
        ctx.PlayerFilePos = account.position;
    }
    return seating;
}

// The name as asked for, when it may name an account; otherwise the player has been told.
bool Acceptable(GameContext& ctx, const QString& typed) {
    const std::optional<QString> refusal = NameRefusal(typed);
    if (refusal) ShowError(ctx.dialogs, *refusal);
    return !refusal;
}

void TellExists(GameContext& ctx, const QString& typed) {
    ShowError(ctx.dialogs, "New Player Create Failure!\r\nThe Player Named " + Quoted(typed) +
                               " Already Exists.");
}

// The account at the table reaches the file before another one is looked up.
bool SavedBeforeChange(GameContext& ctx) {
    return NoFileError(ctx.dialogs, SaveCurrentPlayer(ctx).error);
}

// Seats an account found for a command, telling why when it cannot be.
bool SeatForCommand(GameContext& ctx, const SearchResult& account, const QString& typed) {
    const std::optional<FileError> error = SeatFound(ctx, account, typed.toStdString());
    if (AtAnotherTable(error)) {
        TellAtAnotherTable(ctx, typed);
        return false;
    }
    return NoFileError(ctx.dialogs, error);
}

}  // namespace

QString PlayerNameFrom(const QString& answer) {
    return answer.isEmpty() ? kDefaultPlayerName : answer;
}

std::optional<QString> NameRefusal(const QString& typed) {
    const std::vector<std::string> unstorable = output::UnstorableCharacters(typed.toStdString());
    if (unstorable.empty()) return std::nullopt;
    QStringList shown;
    for (const std::string& character : unstorable) shown << QString::fromStdString(character);
    return "Player Name Not Accepted!\r\nThe Accounts File Cannot Keep These Characters Of " +
           Quoted(typed) + ": " + shown.join(' ') +
           "\r\nPlease use letters, digits and signs of Western European languages.";
}

bool SeatAtStartUp(GameContext& ctx) {
    bool refused = false;
    for (;;) {
        const QString answer = AskPlayerName(ctx.dialogs);
        if (answer.isEmpty() && refused) return false;
        const QString name = PlayerNameFrom(answer);
        if (!Acceptable(ctx, name)) {
            refused = true;
            continue;
        }
        const Seating seating = LoadOrCreatePlayer(ctx, name);
        for (const FileError& error : seating.errors) ShowFileError(ctx.dialogs, error);
        if (!seating.taken) return true;
        TellAtAnotherTable(ctx, name);
        refused = true;
    }
}

SaveResult SaveCurrentPlayer(GameContext& ctx) {
    if (ctx.PlayerFilePos == kNoPlaceYet) return SaveUnplaced(ctx);
    std::optional<FileError> error =
        ctx.seat.Take(ctx.accountsFile, ctx.PlayerFilePos, NameOf(ctx));
    if (!error) error = output::SavePlayer(ctx.accountsFile, ctx.CurrentPlayer, ctx.PlayerFilePos);
    if (error && error->fault == FileFault::AccountNotHere) return SaveElsewhere(ctx);
    return {error};
}

bool NewPlayerCommand(GameContext& ctx) {
    const QString typed = AskPlayerName(ctx.dialogs);
    if (typed.isEmpty() || !Acceptable(ctx, typed)) return false;
    if (!SavedBeforeChange(ctx)) return false;

    const std::string name = typed.toStdString();
    const SearchResult search = output::FindPlayer(ctx.accountsFile, name);
    if (!NoFileError(ctx.dialogs, search.error)) return false;
    if (search.found) {
        TellExists(ctx, typed);
        return false;
    }
    // Added under a lock: another copy of the game may have taken the name meanwhile.
    const output::PlayerRecord fresh =
        output::NewPlayerRecord(name, output::kNewAccountCredits, ctx.clock);
    const SearchResult added = output::AddPlayer(ctx.accountsFile, fresh);
    if (!NoFileError(ctx.dialogs, added.error)) return false;
    if (added.found) {
        TellExists(ctx, typed);
        return false;
    }
    return SeatForCommand(ctx, added, typed);
}

bool ChangePlayerCommand(GameContext& ctx) {
    const QString typed = AskPlayerName(ctx.dialogs);
    // Saved whatever the answer, Cancel included.
    if (!SavedBeforeChange(ctx)) return false;
    if (typed.isEmpty() || !Acceptable(ctx, typed)) return false;

    const SearchResult search = output::FindPlayer(ctx.accountsFile, typed.toStdString());
    if (!NoFileError(ctx.dialogs, search.error)) return false;
    if (!search.found) {
        ShowError(ctx.dialogs,
                  "Change Player Failed!\r\nThe Player Named " + Quoted(typed) + " Doesn't Exist.");
        return false;
    }
    return SeatForCommand(ctx, search, typed);
}
