// The backup dialog beside a history in use: another copy of the game that writes and leaves
// meanwhile, and a crash after it, lose no hand.
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>

#include "game/history/HandHistory.h"
#include "tests/game/history/HistoryTestFiles.h"

namespace {

// Reads the helper's next word, or what went wrong.
std::string NextWord(QProcess& copy) {
    if (!copy.canReadLine() && !copy.waitForReadyRead(30000))
        return "nothing: " + copy.errorString().toStdString();
    return copy.readLine().trimmed().toStdString();
}

std::size_t HandsOf(const std::filesystem::path& folder, const char* player) {
    auto history = history::HandHistory::Open(folder, history_test::kNow).history;
    return history ? history->PlayerHands(player).hands.size() : 0;
}

// Closing any descriptor of History.db drops every lock this process holds on it; the second
// copy would then believe it is the last, remove the log, and Ann's next hands would go into a
// removed file.
TEST(BackupDialog, LeavesTheHistorysLocksToSqliteSoAnotherCopyAndACrashLoseNoHand) {
    ScratchFolder folder;
    WriteAll(folder.accounts(), std::string(92, 'A'));
    QProcess ann;
    ann.start(QStringLiteral(DIALOG_BESIDE_HISTORY),
              {QString::fromStdString(folder.path().string())});
    ASSERT_EQ(NextWord(ann), "cancelled");

    {
        auto bea = history::HandHistory::Open(folder.path(), history_test::kNow).history;
        ASSERT_TRUE(bea);
        const auto session = bea->BeginSession("Bea", history_test::kNow).session;
        auto hand =
            history_test::Hand(session.id, "Ah 2c 5d 9s Kh", "11001", "Ah 2c 7d Jc Kh", 5.5, 5.5);
        hand.player = "Bea";
        ASSERT_FALSE(bea->Record(hand));
    }  // Bea leaves

    ann.write("more\n");
    ASSERT_EQ(NextWord(ann), "written");
    ann.kill();  // SIGKILL
    ann.waitForFinished();

    EXPECT_EQ(HandsOf(folder.path(), "Ann"), 4u);
    EXPECT_EQ(HandsOf(folder.path(), "Bea"), 1u);
}

}  // namespace
