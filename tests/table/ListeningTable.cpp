// The game as main() builds it, but on a throw-away accounts file, a fixed clock and a scripted
// deck, so a screen reader's client can play a known hand: listen_to_the_table.py and Orca
// (orca_at_the_table.sh) drive it.
// The first deal is "3h 9c 5h 7h Kh", its replacements "2s Jh 8h Qh 4h": holding the three of
// hearts draws a flush.
#include <QApplication>

#include "assets/Fonts.h"
#include "table/StrategyMenu.h"
#include "table/frmMain.h"
#include "tests/support/TableScene.h"
#include "windows/QtDialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TableScene<QtDialogs> scene;
    scene.deck.Queue("3h 9c 5h 7h Kh 2s Jh 8h Qh 4h");
    scene.window = std::make_unique<frmMain>(scene.ctx, scene.hand, scene.aux);
    const auto strategy = scene.AddStrategy();
    fonts::LoadEmbeddedFonts();
    scene.dialogs.SetParentWindow(scene.window.get());
    scene.window->show();
    scene.window->activateWindow();
    return app.exec();
}
