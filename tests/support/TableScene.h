// A main window's surroundings for tests and showcases: a throw-away accounts file, a scripted
// deck, a fixed clock, the given dialogs, and the window set.
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "game/GameContext.h"
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
    AuxWindows aux{dialogs};
    std::unique_ptr<frmMain> window;
};
