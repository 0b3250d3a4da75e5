// The player at the table: seating, the one save path, and New Player / Change Player.
#include "game/PlayerAtTable.h"

#include <QStringList>
#include <algorithm>
#include <string>

#include "accounts/Ansi.h"
#include "accounts/NameKey.h"
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

// Puts the account as stored at `position` at the table.
void Place(GameContext& ctx, const output::PlayerRecord& stored, std::int32_t position) {
    ctx.CurrentPlayer = stored;
    ctx.saved = stored;
    ctx.PlayerFilePos = position;
}

// Seats an account the file could not take: it is played all the same, and added later.
void SeatUnplaced(GameContext& ctx, const output::PlayerRecord& fresh) {
    Place(ctx, fresh, kNoPlaceYet);
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
    // The seat goes by the name, so it is taken before the file is even read.
    const std::optional<FileError> seatError = ctx.seat.Take(ctx.accountsFile, typed);
    if (AtAnotherTable(seatError)) {
        seating.taken = true;
        return seating;
    }
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
    Place(ctx, account.record, account.position);
    // A seat that cannot be kept is told unless the file failed too, most likely for the same
    // reason (a missing folder). Either way the account is played; the next save tries again.
    if (seatError && seating.errors.empty()) seating.errors.push_back(*seatError);
    return seating;
}

// The name as asked for, when it may name an account; otherwise the player has been told.
bool Acceptable(GameContext& ctx, const QString& typed) {
    const std::optional<QString> refusal = NameRefusal(typed);
    if (refusal) ShowError(ctx.dialogs, *refusal);
    return !refusal;
}

// Asks for a name until one that may name an account is given; empty on Cancel.
QString AskAcceptableName(GameContext& ctx) {
    for (;;) {
        const QString typed = AskPlayerName(ctx.dialogs);
        if (typed.isEmpty() || Acceptable(ctx, typed)) return typed;
    }
}

void TellExists(GameContext& ctx, const QString& typed) {
    ShowError(ctx.dialogs, "New Player Create Failure!\r\nThe Player Named " + Quoted(typed) +
                               " Already Exists.");
}

// The account at the table reaches the file before another one is looked up.
bool SavedBeforeChange(GameContext& ctx) {
    return NoFileError(ctx.dialogs, SaveCurrentPlayer(ctx).error);
}

// Seats an account found for a command unless it is at another table. A seat that cannot be
// kept for another reason (a seats folder that cannot be made) is told, and the account played
// all the same, as at start-up.
bool SeatForCommand(GameContext& ctx, const SearchResult& account, const QString& typed) {
    const std::optional<FileError> error = ctx.seat.Take(ctx.accountsFile, typed.toStdString());
    if (AtAnotherTable(error)) {
        TellAtAnotherTable(ctx, typed);
        return false;
    }
    if (error) {
        ctx.seat.Leave();  // the seat of the account left behind
        ShowFileError(ctx.dialogs, *error);
    }
    Place(ctx, account.record, account.position);
    return true;
}

}  // namespace

QString PlayerNameFrom(const QString& answer) {
    return answer.isEmpty() ? kDefaultPlayerName : answer;
}

std::optional<QString> NameRefusal(const QString& typed) {
    const std::string utf8 = typed.toStdString();
    const std::vector<std::string> unstorable = output::UnstorableCharacters(utf8);
    if (!unstorable.empty()) {
        QStringList shown;
        for (const std::string& character : unstorable) shown << QString::fromStdString(character);
        return "Player Name Not Accepted!\r\nThe Accounts File Cannot Keep These Characters Of " +
               Quoted(typed) + ": " + shown.join(' ') +
               "\r\nPlease use letters, digits and signs of Western European languages.";
    }
    if (std::any_of(typed.begin(), typed.end(),
                    [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; })) {
        return "Player Name Not Accepted!\r\nA Player Name Cannot Hold Control Characters "
               "(Tabs, Line Breaks).";
    }
    // Trailing blanks are not kept, so they do not count; every other character is one byte.
    const std::size_t length = output::ToAnsi(output::TrimTrailingSpaces(utf8)).size();
    if (length > std::size_t{output::kNameLength}) {
        return QStringLiteral(
                   "Player Name Too Long!\r\nThe Name %1 Has %2 Characters; A Player Name Can "
                   "Have At Most %3.\r\nPlease enter a shorter name.")
            .arg(Quoted(typed))
            .arg(length)
            .arg(output::kNameLength);
    }
    return std::nullopt;
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
    std::optional<FileError> seatError = ctx.seat.Take(ctx.accountsFile, NameOf(ctx));
    const output::SavedHands saved =
        output::SaveHands(ctx.accountsFile, ctx.saved, ctx.CurrentPlayer, ctx.PlayerFilePos);
    if (saved.error) return {saved.error};
    Place(ctx, saved.record, saved.position);
    // A seat that could not be kept for another reason was told when the player sat down.
    if (!AtAnotherTable(seatError)) return {std::nullopt, saved.carried};
    seatError->reason += "; the hands played at this table are added to the account all the same";
    return {seatError, saved.carried};
}

bool NewPlayerCommand(GameContext& ctx) {
    const QString typed = AskAcceptableName(ctx);
    if (typed.isEmpty()) return false;
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
    const QString typed = AskAcceptableName(ctx);
    // Saved whatever the answer, Cancel included.
    if (!SavedBeforeChange(ctx)) return false;
    if (typed.isEmpty()) return false;

    const SearchResult search = output::FindPlayer(ctx.accountsFile, typed.toStdString());
    if (!NoFileError(ctx.dialogs, search.error)) return false;
    if (!search.found) {
        ShowError(ctx.dialogs,
                  "Change Player Failed!\r\nThe Player Named " + Quoted(typed) + " Doesn't Exist.");
        return false;
    }
    return SeatForCommand(ctx, search, typed);
}
