// The strategy chart at the table: Strategy -> Strategy Chart opens the chart of the table in
// play (a practice table's derived the first time and kept in a cache folder), and while a hand
// is held the line it falls under is lit, with whether the cards held follow it.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>

#include "game/ChartWork.h"
#include "game/Dialogs.h"
#include "game/TableHand.h"
#include "windows/ChartWindow.h"

class frmMain;

class TableChart : public QObject {
    Q_OBJECT
public:
    // `open` is the menu entry that opens the window; the chart is saved through `dialogs`.
    // Practice tables' charts are kept in `chartCache` (none kept when empty). The window,
    // the hand, the entry and the dialogs outlive this.
    TableChart(frmMain& window, const TableHand& hand, QAction* open, Dialogs& dialogs,
               const QString& chartCache = QString());
    ~TableChart() override;

    ChartWindow* Chart() const { return chart_; }  // the open chart window, or nullptr
    const ChartWork& Work() const { return work_; }

public slots:
    void OpenChart();

private:
    void ShowTable();        // the charts of the table in play, or the work on them
    bool ShowsWork() const;  // the window is open on the table the work is for
    void ShowCharts();       // the work's charts, new
    void ShowWork();         // how far the work has come
    void FollowTable();      // lights the line of the hand being held, none between hands

    frmMain& window_;
    const TableHand& hand_;
    Dialogs& dialogs_;
    ChartWork work_;
    QPointer<ChartWindow> chart_;
};
