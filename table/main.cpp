// The game's entry point: a display check, the application, and one session.
#include <QApplication>
#include <cstdio>
#include <optional>

#include "game/PracticeTable.h"

#include "table/GameSession.h"
#include "table/frmMain.h"
#include "version.h"
#include "windows/QtDialogs.h"

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fputs(
            "deuceswild: no display to open the game on (neither DISPLAY nor "
            "WAYLAND_DISPLAY is set); start it from a desktop session.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // --practice PAYS: ten pays per credit bet, or a practice table's name.
    std::optional<PracticeTable> practice;
    const QStringList arguments = app.arguments();
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--practice")); at >= 0) {
        const PracticeChoice choice = ParsePracticeTable(arguments.value(at + 1));
        if (!choice.table) {
            std::fprintf(stderr, "deuceswild: --practice: %s\n", qPrintable(choice.error));
            return 2;
        }
        practice = choice.table;
    }
    // --drill: the player's own leaks, once seated.
    const bool drill = arguments.contains(QStringLiteral("--drill"));
    if (drill && practice) {
        std::fputs("deuceswild: --drill and --practice cannot be played at once.\n", stderr);
        return 2;
    }
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DW_APP_ID));
    QtDialogs dialogs;
    GameSession session(dialogs, practice, drill);
    if (!session.MainWindow().HasPlayer()) return 0;  // gave up at the name prompt
    dialogs.SetParentWindow(&session.MainWindow());
    session.MainWindow().show();
    // The name prompt had the focus; the keys that play the game need the table active.
    session.MainWindow().activateWindow();
    return app.exec();
}
