// The game's entry point: a display check, the application, and one session.
#include <QApplication>
#include <cstdio>

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
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DW_APP_ID));
    QtDialogs dialogs;
    GameSession session(dialogs);
    if (!session.MainWindow().HasPlayer()) return 0;  // gave up at the name prompt
    dialogs.SetParentWindow(&session.MainWindow());
    session.MainWindow().show();
    // The name prompt had the focus; the keys that play the game need the table active.
    session.MainWindow().activateWindow();
    return app.exec();
}
