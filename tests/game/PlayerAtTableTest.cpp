// New Player, Change Player and Backup against a real accounts file in a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "accounts/AccountsFile.h"
#include "accounts/StatsText.h"
#include "engine/CardText.h"
#include "game/BackupCommand.h"
#include "game/PlayerAtTable.h"
#include "game/history/HandHistory.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScriptedDeck.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

class AccountCommands : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        // Two accounts on file; Default Player sits at the table.
        AddAccount("Default Player");
        AddAccount("bob");
        const output::SearchResult start = output::FindPlayer(ctx.accountsFile, "Default Player");
        ctx.CurrentPlayer = ctx.saved = start.record;
        ctx.PlayerFilePos = start.position;
    }

    void AddAccount(const std::string& name) {
        const output::SearchResult added = output::AddPlayer(ctx.accountsFile, Account(name));
        ASSERT_FALSE(added.error) << added.error->Describe();
    }

    output::PlayerRecord Stored(const std::string& name) const {
        return output::FindPlayer(ctx.accountsFile, name).record;
    }

    QTemporaryDir folder;
    FixedClock clock;
    ScriptedDeck random;  // never dealt from
    ScriptedDialogs dialogs;
    GameContext ctx{fs::path(folder.filePath("Players.dat").toStdString()), clock, random, dialogs};
};

TEST_F(AccountCommands, NewPlayerWithAFreshNameAppendsItAndSitsItDown) {
    ctx.CurrentPlayer.Credits = 185;  // a stake taken since the last save
    dialogs.inputAnswers = {"Carol"};
    ASSERT_TRUE(NewPlayerCommand(ctx));

    ASSERT_EQ(dialogs.inputs.size(), 1u);  // the one name prompt, at start-up too
    const auto& prompt = dialogs.inputs[0];
    EXPECT_EQ(std::tie(prompt.prompt, prompt.title, prompt.defaultText),
              std::make_tuple("Enter Your Name", "Enter Your Name", "Default Player"));
    EXPECT_TRUE(dialogs.messages.empty());

    EXPECT_EQ(fs::file_size(ctx.accountsFile), 3u * output::kRecordSize);
    EXPECT_EQ(ctx.PlayerFilePos, 1 + 2 * output::kRecordSize);
    EXPECT_EQ(ctx.CurrentPlayer.Credits, 200);
    EXPECT_EQ(ctx.CurrentPlayer, Stored("carol"));
    EXPECT_EQ(Stored("Default Player").Credits, 185);  // the stake stays with the first player
}

TEST_F(AccountCommands, NewPlayerRefusesAnExistingNameAndKeepsThePlayer) {
    const output::PlayerRecord before = ctx.CurrentPlayer;
    dialogs.inputAnswers = {"Default Player", " BOB "};
    EXPECT_FALSE(NewPlayerCommand(ctx));
    EXPECT_FALSE(NewPlayerCommand(ctx));

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              "New Player Create Failure!\r\nThe Player Named \"Default Player\" Already Exists.");
    EXPECT_TRUE(dialogs.messages[1].text.contains("Named \" BOB \" Already"));  // as typed
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(ctx.CurrentPlayer, before);
    EXPECT_EQ(ctx.PlayerFilePos, 1);
    EXPECT_EQ(fs::file_size(ctx.accountsFile), 2u * output::kRecordSize);
}

// Nothing queued answers Cancel.
TEST_F(AccountCommands, NewPlayerCancelledSavesNothingChangePlayerCancelledStillSaves) {
    ctx.CurrentPlayer.Credits = 150;
    EXPECT_FALSE(NewPlayerCommand(ctx));
    EXPECT_EQ(Stored("Default Player").Credits, 200);
    EXPECT_FALSE(ChangePlayerCommand(ctx));
    EXPECT_EQ(Stored("Default Player").Credits, 150);
    EXPECT_EQ(ctx.PlayerFilePos, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AccountCommands, ChangePlayerFindsAnyCaseAndSpacingAndQuotesAMissingNameAsTyped) {
    ctx.CurrentPlayer.Credits = 195;
    dialogs.inputAnswers = {" Zed  ", "  BoB "};
    EXPECT_FALSE(ChangePlayerCommand(ctx));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Change Player Failed!\r\nThe Player Named \" Zed  \" Doesn't Exist.");
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(ctx.PlayerFilePos, 1);

    ASSERT_TRUE(ChangePlayerCommand(ctx));
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(ctx.PlayerFilePos, 1 + output::kRecordSize);
    EXPECT_EQ(ctx.CurrentPlayer, Stored("bob"));
    EXPECT_EQ(Stored("Default Player").Credits, 195);
}

TEST_F(AccountCommands, AnUnwritableAccountsFileIsToldInWordsAndChangesNothing) {
    ctx.accountsFile = fs::path(folder.path().toStdString());  // a folder, not a file
    const output::PlayerRecord before = ctx.CurrentPlayer;
    dialogs.inputAnswers = {"Carol", "bob"};
    EXPECT_FALSE(NewPlayerCommand(ctx));
    EXPECT_FALSE(ChangePlayerCommand(ctx));

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.contains("it is a folder"));
    EXPECT_EQ(ctx.CurrentPlayer, before);
}

// The player at the table may have no whole record on file: it could not be added at start-up,
// or an older, shorter file was put back while the game ran. Either way the account is added
// as a whole record and the commands go on.
TEST_F(AccountCommands, AnAccountNotYetOnFileIsAddedBeforeTheCommandsGoOn) {
    ctx.CurrentPlayer = Account("Dora");
    ctx.CurrentPlayer.Credits = 170;
    ctx.PlayerFilePos = kNoPlaceYet;
    dialogs.inputAnswers = {"Carol"};
    ASSERT_TRUE(NewPlayerCommand(ctx));

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Stored("dora").Credits, 170);
    EXPECT_EQ(ctx.CurrentPlayer, Stored("carol"));
    EXPECT_EQ(fs::file_size(ctx.accountsFile), 4u * output::kRecordSize);
}

TEST_F(AccountCommands, AnAccountBeyondTheEndOfAShorterFileIsAddedWhole) {
    AddAccount("Eve");
    AddAccount("Finn");
    dialogs.inputAnswers = {"finn", "bob"};
    ASSERT_TRUE(ChangePlayerCommand(ctx));
    ctx.CurrentPlayer.Credits = 95;
    fs::resize_file(ctx.accountsFile, 2u * output::kRecordSize);  // an older file put back

    ASSERT_TRUE(ChangePlayerCommand(ctx));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Stored("finn").Credits, 95);
    EXPECT_EQ(output::FindPlayer(ctx.accountsFile, "finn").position, 1 + 2 * output::kRecordSize);
    EXPECT_EQ(fs::file_size(ctx.accountsFile), 3u * output::kRecordSize);
}

// A table in another copy of the game (a child process) seated at `name`: it plays lost hands
// of 5 credits when asked, saving after each, and answers "saved" or what it was told.
class TableInChild {
public:
    TableInChild(const fs::path& accounts, const QString& name) {
        if (::pipe(orders_) != 0 || ::pipe(answers_) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::alarm(10);  // a copy that hangs, or outlives its test, ends
            // The parent's ends closed here: the parent closing its own tells the copy to leave.
            ::close(orders_[1]);
            ::close(answers_[0]);
            Serve(accounts, name);
            ::_exit(0);
        }
        ::close(orders_[0]);
        ::close(answers_[1]);
    }
    ~TableInChild() { Leave(); }

    std::string Play(int hands) {
        const char order = static_cast<char>('0' + hands);
        if (::write(orders_[1], &order, 1) != 1) return "no order";
        std::string answer;
        char c;
        while (::read(answers_[0], &c, 1) == 1 && c != '\n') answer += c;
        return answer;
    }
    // Exits as the game does, and waits for it.
    void Leave() {
        if (pid_ <= 0) return;
        ::close(orders_[1]);
        ::close(answers_[0]);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    void Serve(const fs::path& accounts, const QString& name) {
        ScriptedDialogs dialogs;
        dialogs.inputAnswers = {name};
        FixedClock clock;
        ScriptedDeck random;
        GameContext table(accounts, clock, random, dialogs);
        std::string answer = SeatAtStartUp(table) ? "saved" : "not seated";
        for (char order; ::read(orders_[0], &order, 1) == 1;) {
            for (int hand = 0; hand < order - '0'; ++hand) {
                table.CurrentPlayer.Credits -= 5;
                ++table.CurrentPlayer.HandsPlayed, ++table.CurrentPlayer.HandsLost;
                if (const SaveResult saved = SaveCurrentPlayer(table); saved.error)
                    answer = saved.error->Describe();
            }
            answer += '\n';
            (void)!::write(answers_[1], answer.data(), answer.size());
        }
    }

    pid_t pid_ = -1;
    int orders_[2] = {-1, -1};
    int answers_[2] = {-1, -1};
};

// The file replaced by a copy while Ann plays: a second copy still cannot sit at her account,
// and her 3 + 2 hands there and 1 more at the second copy after she left are all counted.
TEST_F(AccountCommands, AReplacedFileLetsNoSecondTableSitAtTheAccount) {
    AddAccount("Ann");
    TableInChild first(ctx.accountsFile, "Ann");
    ASSERT_EQ(first.Play(3), "saved");
    const fs::path copy = folder.filePath("P.new").toStdString();
    fs::copy_file(ctx.accountsFile, copy);
    fs::rename(copy, ctx.accountsFile);

    ScriptedDialogs secondDialogs;
    secondDialogs.inputAnswers = {"ann"};  // then Cancel
    GameContext second(ctx.accountsFile, clock, random, secondDialogs);
    EXPECT_FALSE(SeatAtStartUp(second));
    ASSERT_EQ(secondDialogs.messages.size(), 1u);
    EXPECT_TRUE(secondDialogs.messages[0].text.startsWith("Player At Another Table!"));

    ASSERT_EQ(first.Play(2), "saved");
    first.Leave();
    secondDialogs.inputAnswers = {"ann"};
    ASSERT_TRUE(SeatAtStartUp(second));
    second.CurrentPlayer.Credits -= 5, ++second.CurrentPlayer.HandsPlayed;
    ASSERT_FALSE(SaveCurrentPlayer(second).error);
    EXPECT_EQ(std::tuple(Stored("ann").HandsPlayed, Stored("ann").Credits), std::tuple(6, 170));
}

// One account, one table: a second copy of the game asking for it is told and asked again.
TEST_F(AccountCommands, ASecondTableAskingForTheSameAccountIsToldAndAskedAgain) {
    dialogs.inputAnswers = {"bob"};
    ASSERT_TRUE(SeatAtStartUp(ctx));
    const std::string other = RunInChild(
        [&] {
            ScriptedDialogs otherDialogs;
            otherDialogs.inputAnswers = {" BOB", "Carol"};
            GameContext otherTable(ctx.accountsFile, clock, random, otherDialogs);
            if (!SeatAtStartUp(otherTable)) return std::string("gave up");
            return output::DisplayName(otherTable.CurrentPlayer).toStdString() + "|" +
                   otherDialogs.messages.at(0).text.toStdString();
        },
        false);
    EXPECT_EQ(other,
              "Carol|Player At Another Table!\r\nThe Player Named \" BOB\" Is Playing In "
              "Another Copy Of The Game.");

    ctx.CurrentPlayer.Credits = 150;  // this table plays on, and its hands are kept
    EXPECT_FALSE(SaveCurrentPlayer(ctx).error);
    EXPECT_EQ(Stored("bob").Credits, 150);
}

TEST_F(AccountCommands, AFileReplacedUnderTheTableKeepsEveryOtherAccount) {
    dialogs.inputAnswers = {"bob"};
    ASSERT_TRUE(SeatAtStartUp(ctx));
    // A backup of other accounts is put back while bob plays: carol now stands at bob's place.
    const fs::path backup = folder.filePath("backup.dat").toStdString();
    WriteAll(backup, AccountsBytes({Account("dora", 9999), Account("carol", 9999)}));
    fs::rename(backup, ctx.accountsFile);
    const std::string before = ReadAll(ctx.accountsFile);

    ctx.CurrentPlayer.Credits = 150;
    EXPECT_FALSE(SaveCurrentPlayer(ctx).error);
    EXPECT_EQ(ReadAll(ctx.accountsFile).substr(0, before.size()), before);
    EXPECT_EQ(Stored("bob").Credits, 150);
    EXPECT_EQ(ctx.PlayerFilePos, 1 + 2 * output::kRecordSize);
}

// Seats that cannot be kept (here a file stands where their folder goes) are told once, at
// sitting down; the player plays and changes accounts all the same.
TEST_F(AccountCommands, SeatsThatCannotBeKeptAreToldAtSittingDownOnly) {
    WriteAll(output::SeatsFolder(ctx.accountsFile), "not a folder");
    dialogs.inputAnswers = {"bob", "Default Player"};
    ASSERT_TRUE(SeatAtStartUp(ctx));
    ctx.CurrentPlayer.Credits = 150;
    EXPECT_FALSE(SaveCurrentPlayer(ctx).error);
    ASSERT_TRUE(ChangePlayerCommand(ctx));
    EXPECT_EQ(Stored("bob").Credits, 150);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const auto& message : dialogs.messages)
        EXPECT_TRUE(message.text.contains("at this table.\n")) << message.text.toStdString();
}

// A table that could not add its account at start-up, while another copy added the same name:
// both tables' hands end on the one account, and a table without the seat is told so.
TEST_F(AccountCommands, AnAccountAddedMeanwhileByAnotherTableGetsThisTablesHandsToo) {
    const output::PlayerRecord fresh = Account("Sam");
    ctx.CurrentPlayer = ctx.saved = fresh;
    ctx.PlayerFilePos = kNoPlaceYet;
    ctx.CurrentPlayer.Credits = 190;  // two hands lost, then a royal flush
    ctx.CurrentPlayer.HandsPlayed = 3, ctx.CurrentPlayer.HandsLost = 2;
    ctx.CurrentPlayer.HandsWon = ctx.CurrentPlayer.RoyalFlushes = 1;
    ctx.CurrentPlayer.LastRoyalFlush = 45001;

    output::PlayerRecord elsewhere = Account("sam", 500);
    elsewhere.HandsPlayed = elsewhere.HandsWon = elsewhere.Flushes = 10;
    ASSERT_FALSE(output::AddPlayer(ctx.accountsFile, elsewhere).error);
    output::AccountSeat otherTable;
    ASSERT_FALSE(otherTable.Take(ctx.accountsFile, "sam"));

    const SaveResult merged = SaveCurrentPlayer(ctx);
    ASSERT_TRUE(merged.error);
    EXPECT_EQ(merged.error->fault, output::FileFault::AtAnotherTable);
    EXPECT_NE(merged.error->Describe().find("added to the account all the same"),
              std::string::npos);
    EXPECT_TRUE(merged.merged);
    output::PlayerRecord both = elsewhere;
    both.Credits = 490, both.HandsPlayed = 13, both.HandsWon = 11, both.HandsLost = 2;
    both.RoyalFlushes = 1, both.LastRoyalFlush = 45001;
    EXPECT_EQ(Stored("sam"), both);
    EXPECT_EQ(ctx.CurrentPlayer, both);

    otherTable.Leave();
    ctx.CurrentPlayer.Credits -= 5;
    const SaveResult seated = SaveCurrentPlayer(ctx);
    EXPECT_FALSE(seated.error);
    EXPECT_FALSE(seated.merged);
    EXPECT_EQ(Stored("sam").Credits, 485);
}

// Someone else changed the stored account since this table saved it (a backup put back, an
// older copy restored at another place): only the hands played here since go onto it.
TEST_F(AccountCommands, AnAccountChangedBySomeoneElseGetsOnlyThisTablesHands) {
    dialogs.inputAnswers = {"bob"};
    ASSERT_TRUE(SeatAtStartUp(ctx));
    const std::string older = ReadAll(ctx.accountsFile);
    ctx.CurrentPlayer.HandsPlayed = 2, ctx.CurrentPlayer.Credits = 190;
    ASSERT_FALSE(SaveCurrentPlayer(ctx).error);

    output::PlayerRecord changed = Stored("bob");
    changed.HandsPlayed += 10, changed.Credits += 100;
    ASSERT_FALSE(output::SavePlayer(ctx.accountsFile, changed, ctx.PlayerFilePos));
    ctx.CurrentPlayer.HandsPlayed += 1, ctx.CurrentPlayer.Credits -= 5;
    const SaveResult carried = SaveCurrentPlayer(ctx);
    EXPECT_FALSE(carried.error);
    EXPECT_TRUE(carried.merged);
    EXPECT_EQ(std::tuple(Stored("bob").HandsPlayed, Stored("bob").Credits), std::tuple(13, 285));
    EXPECT_EQ(ctx.CurrentPlayer, Stored("bob"));

    // The file from before those hands, bob now second to last: one more hand lands on it.
    const fs::path backup = folder.filePath("backup.dat").toStdString();
    WriteAll(backup, AccountsBytes({Account("dora")}) + older.substr(output::kRecordSize));
    fs::rename(backup, ctx.accountsFile);
    ctx.CurrentPlayer.HandsPlayed += 1, ctx.CurrentPlayer.Credits -= 5;
    EXPECT_TRUE(SaveCurrentPlayer(ctx).merged);
    EXPECT_EQ(std::tuple(Stored("bob").HandsPlayed, Stored("bob").Credits), std::tuple(1, 195));
    EXPECT_EQ(Stored("dora"), Account("dora"));
}

// A name the file would store as another (with "?" or cut at 30 characters) is refused in
// words, and the name asked for again, at start-up and in both commands.
TEST_F(AccountCommands, ANameTheFileCannotHoldIsRefusedAndAskedAgain) {
    const QString longName = "Alexander Christopher Montgomerie-Smythe";  // 40 characters
    AddAccount("Alexander Christopher Montgome");  // someone else's, what the cut would reach
    const std::string before = ReadAll(ctx.accountsFile);
    dialogs.inputAnswers = {"\u7530\u4e2d", longName, "Ann"};
    ASSERT_TRUE(NewPlayerCommand(ctx));
    EXPECT_EQ(output::DisplayName(ctx.CurrentPlayer), "Ann");
    dialogs.inputAnswers = {longName, "bob" + QString(28, ' ')};  // trailing blanks are not kept
    ASSERT_TRUE(ChangePlayerCommand(ctx));
    EXPECT_EQ(ctx.CurrentPlayer, Stored("bob"));
    dialogs.inputAnswers = {"\U0001F600\U0001F600", "Tab\tName", longName};  // then Cancel
    EXPECT_FALSE(SeatAtStartUp(ctx));

    const QString tooLong = "Player Name Too Long!\r\nThe Name \"" + longName +
                            "\" Has 40 Characters; A Player Name Can Have At Most 30.\r\n"
                            "Please enter a shorter name.";
    ASSERT_EQ(dialogs.messages.size(), 6u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("\u7530 \u4e2d"));
    EXPECT_EQ(dialogs.messages[1].text, tooLong);
    EXPECT_EQ(dialogs.messages[2].text, tooLong);
    EXPECT_TRUE(dialogs.messages[3].text.contains("\U0001F600"));
    EXPECT_TRUE(dialogs.messages[4].text.contains("Control Characters"));
    EXPECT_EQ(dialogs.messages[5].text, tooLong);
    EXPECT_EQ(dialogs.messages[5].title, "Error");
    EXPECT_EQ(dialogs.inputs.size(), 9u);  // the last one cancelled
    EXPECT_EQ(ReadAll(ctx.accountsFile).substr(0, before.size()), before);
    EXPECT_FALSE(NameRefusal(" " + QString(29, u'\u00e9') + "  "));
    EXPECT_TRUE(NameRefusal(QString(31, u'\u00e9')));
}

TEST_F(AccountCommands, BackupCopiesTheFileAsLastWritten) {
    ctx.CurrentPlayer.Credits = 5;  // not saved by the backup
    const fs::path target = folder.filePath("backup.dat").toStdString();
    std::ofstream(target) << "an older backup, longer than nothing";
    dialogs.saveAnswers = {QString::fromStdString(target.string())};
    BackupStatisticsCommand(ctx);

    EXPECT_EQ(dialogs.saveDialogs, std::vector<QString>{"Save Stats"});
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ReadAll(target), ReadAll(ctx.accountsFile));
    EXPECT_EQ(Stored("Default Player").Credits, 200);
}

TEST_F(AccountCommands, BackupOntoTheDataFileItselfIsRefused) {
    const QString data = QString::fromStdString(ctx.accountsFile.string());
    const QString expected = "Cannot Save Backup to \"" + data.toLower() + "\"!";
    const std::string before = ReadAll(ctx.accountsFile);
    // Typed in capitals, then Cancel (the preset), then another spelling of the same path.
    dialogs.saveAnswers = {data.toUpper(), data, folder.filePath("./Players.dat")};
    for (int i = 0; i < 3; ++i) BackupStatisticsCommand(ctx);

    ASSERT_EQ(dialogs.messages.size(), 3u);
    for (const auto& message : dialogs.messages) EXPECT_EQ(message.text, expected);
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(ReadAll(ctx.accountsFile), before);
}

TEST_F(AccountCommands, AFailedBackupIsToldInWordsAndAPipeIsNeverOpened) {
    const fs::path pipe = folder.filePath("pipe").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    dialogs.saveAnswers = {folder.filePath("no such folder/backup.dat"),
                           QString::fromStdString(pipe.string())};
    BackupStatisticsCommand(ctx);
    BackupStatisticsCommand(ctx);

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("no such folder/backup.dat"));
    EXPECT_TRUE(dialogs.messages[1].text.contains("named pipe"))
        << dialogs.messages[1].text.toStdString();
    EXPECT_TRUE(fs::is_fifo(pipe));
}

// History.db and SQLite's files beside it hold the live history: a copy of the accounts over
// one of them would lose every hand.
TEST_F(AccountCommands, BackupOntoTheHistorysFilesIsRefusedInWords) {
    const fs::path folderPath = folder.path().toStdString();
    auto history = history::HandHistory::Open(folderPath, "2024-05-01T14:03:22").history;
    ASSERT_TRUE(history);
    const std::string before = ReadAll(folderPath / "History.db");
    const std::vector<QString> targets = {folder.filePath("History.db"),
                                          folder.filePath("history.DB-wal"),
                                          folder.filePath("./History.db-shm")};
    dialogs.saveAnswers.assign(targets.begin(), targets.end());
    for (std::size_t i = 0; i < targets.size(); ++i) BackupStatisticsCommand(ctx);

    ASSERT_EQ(dialogs.messages.size(), targets.size());
    for (std::size_t i = 0; i < targets.size(); ++i) {
        EXPECT_EQ(dialogs.messages[i].text,
                  "Cannot Save Backup to \"" + targets[i] +
                      "\"!\nThe game keeps its hand history in that file.");
    }
    EXPECT_EQ(ReadAll(folderPath / "History.db"), before);
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(AccountCommands, BackupOffersTheHistoryAsASecondFileBesideTheAccounts) {
    const fs::path folderPath = folder.path().toStdString();
    auto history = history::HandHistory::Open(folderPath, "2024-05-01T14:03:22").history;
    const auto session = history->BeginSession("bob", "2024-05-01T14:03:22").session;
    history::HandRecord hand;
    hand.session = session.id;
    hand.player = "bob";
    hand.playedAt = "2024-05-01T14:03:22";
    hand.dealt = modcards::ParseHand("Ah 2c 5d 9s Kh");
    hand.finalHand = modcards::ParseHand("Ah 2c 7d Jc Kh");
    for (int i = 0; i < 2; ++i) ASSERT_FALSE(history->Record(hand));

    const QString backup = folder.filePath("backup.dat");
    dialogs.saveAnswers = {backup, backup};
    dialogs.askAnswers = {false, true};
    BackupStatisticsCommand(ctx);  // declined
    EXPECT_FALSE(fs::exists(fs::path(backup.toStdString() + ".history.db")));
    BackupStatisticsCommand(ctx);  // taken, while the history is open for writing

    ASSERT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(
        dialogs.questions[1].text,
        "The accounts are saved. Save your hand history too, as \"" + backup + ".history.db\"?");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    const fs::path elsewhere = folderPath / "restored";
    fs::create_directory(elsewhere);
    fs::copy_file(backup.toStdString() + ".history.db", elsewhere / "History.db");
    const auto restored = history::HandHistory::Open(elsewhere, "2024-05-01T14:03:22");
    ASSERT_TRUE(restored.history);
    EXPECT_EQ(restored.history->PlayerHands("bob").hands.size(), 2u);
}

}  // namespace
