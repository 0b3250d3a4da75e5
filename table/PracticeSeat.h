// The practice table at the table: Strategy -> Practice Table... (or --practice) seats the
// player at another pay table with a balance of its own, marked on the table with the table's
// name and exact return; Refill and Leave follow. The account's table comes back as it was.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QObject>
#include <QSettings>
#include <optional>

#include "game/Dialogs.h"
#include "game/PerfectPlay.h"
#include "game/PracticeTable.h"
#include "game/TableHand.h"

class frmMain;

class PracticeSeat : public QObject {
    Q_OBJECT
public:
    // Adds its entries to `menu`. The tables follow the hand's table; the typed table is kept in
    // `settings`. Everything given outlives this object.
    PracticeSeat(frmMain& window, QMenu& menu, TableHand& hand, PerfectPlay& tables,
                 Dialogs& dialogs, QSettings& settings);
    ~PracticeSeat() override;

    // Sits at `table` with a full practice balance; false during a hand (told in words).
    bool Sit(const PracticeTable& table);
    // The table practised at, its pays as the hand plays them; none at the account's table.
    std::optional<PracticeTable> Table() const;

    QAction* ChooseEntry() const { return chooseEntry_; }
    QAction* RefillEntry() const { return refillEntry_; }
    QAction* LeaveEntry() const { return leaveEntry_; }
    const QLabel& Mark() const { return *mark_; }

public slots:
    void ChooseTable();
    void RefillBalance();
    void LeaveTable();

private:
    void FollowTable();
    void ShowMark();
    QString AskForTable();

    frmMain& window_;
    TableHand& hand_;
    PerfectPlay& tables_;
    Dialogs& dialogs_;
    QSettings& settings_;
    QString name_;  // the practice table's name while practising
    QAction* chooseEntry_ = nullptr;
    QAction* refillEntry_ = nullptr;
    QAction* leaveEntry_ = nullptr;
    QLabel* mark_ = nullptr;
};
