// Practice tables: presets and typed tables read or refused in words, and practice hands that
// play their own table from their own balance and leave the account's file as it was.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "accounts/AccountsFile.h"
#include "engine/CardText.h"
#include "engine/analysis/Pays.h"
#include "game/DealSource.h"
#include "game/PracticeTable.h"
#include "game/TableHand.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedDeals.h"
#include "tests/support/ScriptedDeck.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TenCardDeals.h"
#include "tests/support/TestFiles.h"

namespace {

TEST(PracticeTables, PresetsAndTypedTablesAreRead) {
    const auto& presets = PracticePresets();
    ASSERT_GE(presets.size(), 5u);
    // The game's own table, per credit, is its table over the stake.
    EXPECT_EQ(presets[0].PayTable(), modcards::GamePayTable());
    for (const PracticeTable& preset : presets) {
        const PracticeChoice byName = ParsePracticeTable(preset.name);
        ASSERT_TRUE(byName.table) << byName.error.toStdString();
        EXPECT_EQ(*byName.table, preset);
        const PracticeChoice byPays = ParsePracticeTable(preset.PaysText());
        ASSERT_TRUE(byPays.table);
        EXPECT_EQ(byPays.table->name, preset.name);  // a preset's pays are its name
    }
    const PracticeChoice full = ParsePracticeTable(QStringLiteral(" full-PAY "));
    ASSERT_TRUE(full.table);
    EXPECT_EQ(full.table->PaysText(), "800,200,25,15,9,5,3,2,2,1");
    EXPECT_EQ(full.table->PayTable(),
              (modcards::PayTable{5, 4000, 1000, 125, 75, 45, 25, 15, 10, 10, 5}));
    // Read back from the table the hand plays, as the practice mark reads it.
    EXPECT_EQ(PracticeTableOf(full.table->name, full.table->PayTable()), *full.table);
    EXPECT_EQ(ParsePracticeTable(QStringLiteral("notsouglyducks")).table->PaysText(),
              "800,200,25,16,10,4,4,3,2,1");

    const PracticeChoice custom = ParsePracticeTable(QStringLiteral("4000,200,25,15,9,5,3,2,2,1"));
    ASSERT_TRUE(custom.table) << custom.error.toStdString();
    EXPECT_EQ(custom.table->name, "Custom");
    EXPECT_EQ(custom.table->PayTable()[1], 20000);
    EXPECT_EQ(PracticeTitle(*custom.table, 1.0123),
              "Custom (4000/200/25/15/9/5/3/2/2/1), return 101.23%");
}

TEST(PracticeTables, ABadTableIsRefusedInWords) {
    const auto refused = [](const char* text) {
        const PracticeChoice choice = ParsePracticeTable(QString::fromUtf8(text));
        EXPECT_FALSE(choice.table) << text;
        return choice.error.toStdString();
    };
    EXPECT_EQ(refused("800,200,25,15,9,5,3,2,2"),
              "\"800,200,25,15,9,5,3,2,2\" is neither a table's name nor a pay table: a pay "
              "table takes ten pays separated by commas, got 9.");
    EXPECT_EQ(refused("Fool Pay"),
              "\"Fool Pay\" is neither a table's name nor a pay table: pay \"Fool Pay\" is not "
              "a number.");
    EXPECT_EQ(refused("800,200,25,15,9,5,3,2,2,-1"),
              "\"800,200,25,15,9,5,3,2,2,-1\" is neither a table's name nor a pay table: pay "
              "\"-1\" has a sign; pays are written without one.");
    EXPECT_EQ(refused("800,200,25,15,9,5,3,2,2,0.5"),
              "Pay 10 is not a whole number: a practice table pays whole credits for each "
              "credit bet.");
    EXPECT_EQ(refused("8000,200,25,15,9,5,3,2,2,1"),
              "Pay 1 (8000) is too large: at most 6553 for each credit bet.");
    EXPECT_TRUE(ParsePracticeTable(QStringLiteral("6553,200,25,15,9,5,3,2,2,1")).table);
}

// Held 9c 9d 2s: the draw brings the other two nines, five of a kind.
constexpr std::string_view kFiveNines = "9c 9d 2s 4h Kd 3c 5c 6c 9h 9s";

class PracticeHands : public testing::Test {
protected:
    PracticeHands()
        : ctx(folder.filePath("Players.dat").toStdString(), clock, unused, dialogs),
          hand(ctx, deals) {
        ctx.CurrentPlayer = Account("Ann", 200);
        ctx.PlayerFilePos = 0;
        hand.TakeSeat();
        QObject::connect(&hand, &TableHand::Settled,
                         [this](const history::SettledHand& done) { settled.push_back(done); });
    }
    void Play(std::string_view cards, std::initializer_list<int> holds) {
        deals.Queue(cards);
        ASSERT_TRUE(hand.Deal());
        for (int slot : holds) hand.ToggleHold(slot);
        ASSERT_TRUE(hand.Draw());
    }
    QByteArray AccountsBytes() const {
        QFile file(folder.filePath("Players.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    FixedClock clock;
    ScriptedDeck unused;
    ScriptedDialogs dialogs;
    ScriptedDeals deals;
    GameContext ctx;
    TableHand hand;
    std::vector<history::SettledHand> settled;
};

TEST_F(PracticeHands, PlayTheirOwnTableFromTheirOwnBalanceAndNeverWriteTheAccounts) {
    Play(kNothing, {});  // one hand for the account: its file exists
    const QByteArray before = AccountsBytes();
    ASSERT_FALSE(before.isEmpty());
    const output::PlayerRecord account = ctx.CurrentPlayer;

    const PracticeTable fullPay = *ParsePracticeTable(QStringLiteral("full pay")).table;
    ASSERT_TRUE(hand.StartPractice(fullPay.PayTable(), kPracticeCredits));
    EXPECT_TRUE(hand.Practising());
    EXPECT_EQ(hand.ShownBalance(), 1000);
    Play(kFiveNines, {0, 1, 2});
    EXPECT_EQ(hand.ShownBalance(), 1000 - 5 + 75);  // full pay's 15 per credit
    Play(kNothing, {});
    EXPECT_EQ(hand.ShownBalance(), 1065);
    ASSERT_EQ(settled.size(), 3u);
    EXPECT_EQ(settled[0].mode, "account");
    EXPECT_EQ(settled[1].mode, "practice");
    EXPECT_EQ(settled[1].pay, 75);
    EXPECT_EQ(settled[2].mode, "practice");
    EXPECT_EQ(AccountsBytes(), before);
    EXPECT_EQ(ctx.CurrentPlayer, account);

    hand.RefillPractice(kPracticeCredits);
    EXPECT_EQ(hand.ShownBalance(), 1000);
    deals.Queue(kNothing);
    ASSERT_TRUE(hand.Deal());
    EXPECT_FALSE(hand.LeavePractice());  // the hand in play is finished first
    ASSERT_TRUE(hand.Draw());
    ASSERT_TRUE(hand.LeavePractice());
    EXPECT_FALSE(hand.Practising());
    EXPECT_EQ(hand.Pays(), modcards::GamePayTable());
    EXPECT_EQ(hand.ShownBalance(), account.Credits);
    EXPECT_EQ(AccountsBytes(), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PracticeHands, AnEmptyPracticeBalanceAsksForARefill) {
    const PracticeTable table = PracticePresets()[2];
    ASSERT_TRUE(hand.StartPractice(table.PayTable(), 4));
    deals.Queue(kNothing);
    EXPECT_FALSE(hand.Deal());
    EXPECT_FALSE(hand.InPlay());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Your practice balance is 4 credits and a deal costs 5.\r\n"
              "Refill the practice balance to play on.");
    EXPECT_EQ(ctx.CurrentPlayer.Credits, 200);
}

}  // namespace
