// Drills at the table: Strategy -> Practise My Leaks (or --drill) deals the player's own leaks,
// chosen from all deals by the exact hold values, grades each hand at once with its cost and
// keeps a tally; each group's box of spaced repetition moves with the answers. No stake, no
// statistics; the account's table comes back with Leave Drill.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QObject>
#include <memory>
#include <thread>

#include "engine/RandomSource.h"
#include "game/Dialogs.h"
#include "game/DrillDealer.h"
#include "game/HistoryRecorder.h"
#include "game/PerfectPlay.h"
#include "game/TableHand.h"
#include "game/history/ReviewReader.h"

class frmMain;

class DrillSeat : public QObject {
    Q_OBJECT
public:
    // Adds its entries to `menu`; the player's leaks and boxes are read from the recorder's file
    // on a thread of its own. Everything given outlives this object.
    DrillSeat(frmMain& window, QMenu& menu, TableHand& hand, const PerfectPlay& tables,
              const HistoryRecorder& recorder, Dialogs& dialogs, modcards::RandomSource& random);
    ~DrillSeat() override;

    // Starts the drill as soon as the history is open and the tables are ready; the player is
    // told in words when there is nothing to drill or it cannot start.
    void Start();

    std::int64_t Asked() const { return asked_; }
    std::int64_t Right() const { return right_; }
    const history::DrillPlan* Plan() const { return plan_.get(); }
    QAction* StartEntry() const { return mnuDrill_; }
    QAction* LeaveEntry() const { return mnuLeave_; }
    const QLabel& Mark() const { return *mark_; }

public slots:
    void mnuDrill_Click();
    void mnuLeave_Click();

private:
    struct Read {
        history::ReviewResult leaks;
        history::DrillStateResult boxes;
    };
    void TryStart();
    void Begin(Read read);
    void Grade(const history::SettledHand& hand);
    void FollowDrill();
    void ShowMark(const QString& verdict = {});

    frmMain& window_;
    TableHand& hand_;
    const PerfectPlay& tables_;
    const HistoryRecorder& recorder_;
    Dialogs& dialogs_;
    modcards::RandomSource& random_;
    bool waiting_ = false;  // asked for, and waiting for the history, the tables or the read
    // The tables the drill deals and grades by, kept while it lasts whatever the table does.
    std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor_;
    std::unique_ptr<history::DrillPlan> plan_;
    std::unique_ptr<DrillDealer> dealer_;
    std::int64_t asked_ = 0, right_ = 0;
    QAction* mnuDrill_ = nullptr;
    QAction* mnuLeave_ = nullptr;
    QLabel* mark_ = nullptr;
    std::jthread reading_;
};
