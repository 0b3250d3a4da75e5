// A copy of the game for BackupDialogTest: it writes to the history in the folder argv[1] and
// opens and cancels the backup dialog between hands, as a player may.
//   1 hand of Ann's, the dialog cancelled once its list is loaded, "cancelled" on stdout;
//   a line on stdin, then 3 more hands, "written" on stdout; then it waits to be killed.
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>

#include "game/history/HandHistory.h"
#include "tests/game/history/HistoryTestFiles.h"
#include "windows/QtDialogs.h"

namespace {

bool RecordAnn(history::HandHistory& history, std::int64_t session, int count) {
    for (int i = 0; i < count; ++i) {
        history::HandRecord hand =
            history_test::Hand(session, "Ah 2c 5d 9s Kh", "11001", "Ah 2c 7d Jc Kh", 5.5, 5.5);
        hand.player = "Ann";
        if (history.Record(hand)) return false;
    }
    return true;
}

// Cancels the save dialog once its list holds every entry of `folder`: by then the dialog
// has learnt all it wants to know about each file.
void CancelWhenListed(const QString& folder, int entries) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* files = dialog ? dialog->findChild<QFileSystemModel*>() : nullptr;
        if (!files || files->rowCount(files->index(folder)) < entries) return;
        dialog->reject();
        poll->deleteLater();
    });
    poll->start(10);
}

void Say(const char* word) {
    std::printf("%s\n", word);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const std::filesystem::path folder = argv[1];
    auto history = history::HandHistory::Open(folder, history_test::kNow).history;
    if (!history) return 3;
    const auto session = history->BeginSession("Ann", history_test::kNow).session;
    if (!RecordAnn(*history, session.id, 1)) return 4;

    const auto entries = std::distance(std::filesystem::directory_iterator(folder), {});
    CancelWhenListed(QString::fromStdString(folder.string()), static_cast<int>(entries));
    QtDialogs dialogs;
    dialogs.SaveFileDialog("Save Stats", QString::fromStdString((folder / "Players.dat").string()));
    Say("cancelled");

    char line[16];
    if (!std::fgets(line, sizeof line, stdin)) return 5;
    if (!RecordAnn(*history, session.id, 3)) return 6;
    Say("written");
    while (std::fgets(line, sizeof line, stdin)) {
    }
    return 0;
}
