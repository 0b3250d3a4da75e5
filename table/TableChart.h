// The strategy chart at the table: Strategy -> Strategy Chart opens the chart of the game's
// table, and while a hand is held the line it falls under is lit, with whether the cards held
// follow it.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>

#include "game/Dialogs.h"
#include "game/TableHand.h"
#include "windows/ChartWindow.h"

class frmMain;

class TableChart : public QObject {
    Q_OBJECT
public:
    // `open` is the menu entry that opens the window; the chart is saved through `dialogs`.
    // The window, the hand, the entry and the dialogs outlive this.
    TableChart(frmMain& window, const TableHand& hand, QAction* open, Dialogs& dialogs);
    ~TableChart() override;

    ChartWindow* Chart() const { return chart_; }  // the open chart window, or nullptr

public slots:
    void OpenChart();

private:
    void FollowTable();  // lights the line of the hand being held, none between hands

    frmMain& window_;
    const TableHand& hand_;
    Dialogs& dialogs_;
    QPointer<ChartWindow> chart_;
};
