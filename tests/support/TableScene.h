// A main window's surroundings for tests and showcases: a throw-away accounts file, a scripted
// deck, a fixed clock, the given dialogs, the hand at the table and the perfect-play tables, and
// the window set.
#pragma once

#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "game/DealSource.h"
#include "game/GameContext.h"
#include "game/PerfectPlay.h"
#include "game/TableHand.h"
#include "table/StrategyMenu.h"
#include "table/frmMain.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedDeck.h"
#include "windows/AuxWindows.h"

template <class DialogsType>
struct TableScene {
    TableScene() = default;
    TableScene(const TableScene&) = delete;
    TableScene& operator=(const TableScene&) = delete;

    QTemporaryDir dir;
    DialogsType dialogs;
    ScriptedDeck deck;
    FixedClock clock;
    GameContext ctx{dir.filePath("Players.dat").toStdString(), clock, deck, dialogs};
    RandomDealer dealer{deck};
    TableHand hand{ctx, dealer};
    PerfectPlay tables{ctx.PayTable};
    AuxWindows aux{dialogs};
    std::unique_ptr<frmMain> window;

    // The Strategy menu on the window; the tables are worked out from the next turn of the
    // event loop, as the game does.
    std::unique_ptr<StrategyMenu> AddStrategy() {
        QTimer::singleShot(0, &tables, &PerfectPlay::Start);
        return std::make_unique<StrategyMenu>(*window, hand, tables, aux, dialogs, ctx.settings);
    }
};
