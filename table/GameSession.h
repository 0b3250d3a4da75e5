// One run of the game, wired in one place: the services, the program-wide state at its pay
// table, the hand at the table, the perfect-play tables, and the windows that use them.
#pragma once

#include <QSettings>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

#include "accounts/Clock.h"
#include "engine/RandomSource.h"
#include "game/DealSource.h"
#include "game/Dialogs.h"
#include "game/GameContext.h"
#include "game/PerfectPlay.h"
#include "game/PracticeTable.h"
#include "game/TableHand.h"

class AuxWindows;
class DrillSeat;
class PracticeSeat;
class frmMain;
class StrategyMenu;
class TableHistory;

// Whether Qt has a display to open windows on: DISPLAY, WAYLAND_DISPLAY, or a platform chosen
// with QT_QPA_PLATFORM (such as offscreen).
bool DisplayAvailable();

class GameSession {
public:
    // Needs the QApplication. Builds the main window, whose start-up asks for the player's name
    // through `dialogs`, and loads the game's fonts; the window is not shown yet. The tables
    // are worked out once the event loop runs.
    // With `practice`, the player is seated at that practice table after the name prompt; with
    // `drill`, at a drill of their leaks once the history and the tables are ready.
    explicit GameSession(Dialogs& dialogs,
                         const std::optional<PracticeTable>& practice = std::nullopt,
                         bool drill = false);
    ~GameSession();

    frmMain& MainWindow() { return *window_; }
    PracticeSeat& Practice() { return *practice_; }
    DrillSeat& Drill() { return *drill_; }

private:
    output::SystemClock clock_;
    std::unique_ptr<modcards::RandomSource> random_;
    GameContext context_;
    std::unique_ptr<QSettings> settings_;  // kept past the windows that use it
    RandomDealer dealer_;
    TableHand hand_;
    PerfectPlay tables_;
    std::unique_ptr<AuxWindows> aux_;
    std::unique_ptr<frmMain> window_;
    std::unique_ptr<StrategyMenu> strategy_;  // goes before the window it is attached to
    std::unique_ptr<TableHistory> history_;
    std::unique_ptr<PracticeSeat> practice_;
    std::unique_ptr<DrillSeat> drill_;
};
