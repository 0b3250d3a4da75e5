// The strategy chart at the table: the chart of the table in play, which the hint, the trainer
// and the analyser name lines from (a practice table's derived in the background as soon as
// the table is chosen, and kept in a cache folder); Strategy -> Strategy Chart opens it, and
// while a hand is held the line it falls under is lit, with whether the cards held follow it.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

#include "game/ChartWork.h"
#include "game/Dialogs.h"
#include "game/PerfectPlay.h"
#include "game/TableHand.h"
#include "windows/ChartWindow.h"

class frmMain;

class TableChart : public QObject {
    Q_OBJECT
public:
    // `open` is the menu entry that opens the window; the chart is saved through `dialogs`.
    // Practice tables' charts are derived on the category tables of `tables` once it has them,
    // and kept in `chartCache` (none kept when empty). The window, the hand, the entry, the
    // dialogs and the tables outlive this.
    TableChart(frmMain& window, const TableHand& hand, QAction* open, Dialogs& dialogs,
               const PerfectPlay& tables, const QString& chartCache = QString());
    ~TableChart() override;

    ChartWindow* Chart() const { return chart_; }  // the open chart window, or nullptr
    const ChartWork& Work() const { return work_; }

    // The full chart of the table in play: the game's own at the game's pays, a practice
    // table's once derived, null until then. Each stays valid while this object lives.
    const modcards::analysis::StrategyChart* ChartInPlay() const { return inPlay_; }

public slots:
    void OpenChart();

signals:
    void ChartInPlayChanged();

private:
    void FollowPays();        // the chart in play of the hand's table, asked for when not at hand
    void KeepDerivedChart();  // a practice table's full chart, once derived, and its final one
    void SetChartInPlay(const modcards::analysis::StrategyChart* chart);
    const modcards::analysis::StrategyChart* Derived(const modcards::analysis::Pays& pays) const;
    void ShowTable();        // the charts of the table in play, or the work on them
    bool ShowsWork() const;  // the window is open on the table the work is for
    void ShowCharts();       // the work's charts, new
    void ShowWork();         // how far the work has come
    void FollowTable();      // lights the line of the hand being held, none between hands

    frmMain& window_;
    const TableHand& hand_;
    Dialogs& dialogs_;
    const PerfectPlay& tables_;
    ChartWork work_;
    QPointer<ChartWindow> chart_;
    // Practice tables' full charts derived or read in this run, kept for ChartInPlay; a table's
    // last is its chart.
    std::vector<std::pair<modcards::analysis::Pays,
                          std::unique_ptr<const modcards::analysis::StrategyChart>>>
        derived_;
    const modcards::analysis::StrategyChart* inPlay_ = nullptr;
};
