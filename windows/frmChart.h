// The strategy chart window: the chart of the game's table in its sections, how often each
// line is played, how to read it and what following it costs; the line of the hand being held
// lit.
#pragma once

#include <QLabel>
#include <QTreeWidget>
#include <QWidget>
#include <vector>

#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/StrategyChart.h"

class Announcer;

class frmChart : public QWidget {
    Q_OBJECT
public:
    // `chart` and `audit` outlive the window; the audit counts the deals of each line.
    frmChart(QWidget* mainWindow, const modcards::analysis::StrategyChart& chart,
             const modcards::analysis::ChartAudit& audit);

    // Lights the line `line` (an index into the chart's lines), makes it the list's current row
    // and scrolls it into view, and says it while the window is open; -1 lights none.
    void LightLine(int line);
    // Lights `line` and shows `words` of the hand held (whether the hold follows the line),
    // saying them while the window is open when they change.
    void ShowDeal(int line, const QString& words);
    int LitLine() const { return lit_; }

    // One flat list: a title row per section, then a row per line: number, played, hold.
    QTreeWidget* lstChart() const { return lstChart_; }
    QTreeWidgetItem* LineRow(int line) const { return rows_.at(std::size_t(line)); }
    QLabel* lblCost() const { return lblCost_; }
    QLabel* lblDeal() const { return lblDeal_; }  // the line of the hand being held, in words
    const Announcer& Voice() const { return *voice_; }

public slots:
    void cmdOK_Click();  // unloads the window

private:
    void AddSections();
    // LightLine and ShowDeal: `words` empty for the line's own; said again only if `sayAgain`.
    void Light(int line, const QString& words, bool sayAgain);
    void PaintRow(int line, bool lit);
    void NameCells(QTreeWidgetItem& row) const;

    const modcards::analysis::StrategyChart& chart_;
    QTreeWidget* lstChart_ = nullptr;
    std::vector<QTreeWidgetItem*> rows_;  // by line
    QLabel* lblCost_ = nullptr;
    QLabel* lblDeal_ = nullptr;
    Announcer* voice_ = nullptr;
    int lit_ = -1;
};
