// The strategy chart window: the chart of the table in play in its sections, at the level the
// player chooses, how often each line is played and what it is worth, how to read it and what
// following it costs, the cost of every chart size in a plot; the line of the hand being held
// lit. The chart can be saved as a PDF to print or as text. A chart still being derived shows
// how far the work has come.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <vector>

#include "engine/analysis/ChartAudit.h"
#include "engine/analysis/ChartLevels.h"
#include "engine/analysis/StrategyChart.h"
#include "game/Dialogs.h"
#include "windows/FrontierPlot.h"

class Announcer;

class ChartWindow : public QWidget {
    Q_OBJECT
public:
    // The levels to choose from, shortest first, the full chart last and shown first; the
    // frontier they were picked from.
    ChartWindow(QWidget* mainWindow, std::vector<modcards::analysis::ChartLevel> levels,
                std::vector<modcards::analysis::FrontierPoint> frontier);
    // One chart only, as its one level; the audit counts the deals of each line.
    ChartWindow(QWidget* mainWindow, const modcards::analysis::StrategyChart& chart,
                const modcards::analysis::ChartAudit& audit);
    // No chart yet: SetCharts gives it, ShowProgress says how far its work has come.
    explicit ChartWindow(QWidget* mainWindow);

    // Shows these levels instead (as the first constructor takes them), the full chart first,
    // for the table named `table` ("Full Pay"; empty for this game's own).
    void SetCharts(std::vector<modcards::analysis::ChartLevel> levels,
                   std::vector<modcards::analysis::FrontierPoint> frontier,
                   const QString& table = QString());
    bool HasChart() const { return !levels_.empty(); }
    const QString& TableName() const { return table_; }
    // `words` above a progress bar at `done` of `total` (a busy bar when total is 0).
    void ShowProgress(const QString& words, int done, int total);
    void HideProgress();
    QLabel* progressLabel() const { return progressLabel_; }
    QProgressBar* progressBar() const { return progressBar_; }

    // Offers the save buttons: the file is asked through `dialogs` (which outlives the
    // window), starting in `folder`; a failed write is told through them too.
    void AllowSaving(Dialogs& dialogs, const QString& folder);

    // The chart shown: that of the chosen level. Only with HasChart().
    const modcards::analysis::StrategyChart& Chart() const;
    const modcards::analysis::ChartAudit& Audit() const;
    // "Beginner", "Intermediate", "Advanced" and "Full" with four levels.
    QString LevelName(int level) const;
    void ChooseLevel(int level);
    int Level() const { return level_; }

    // Lights the line `line` (an index into the chart's lines), makes it the list's current row
    // and scrolls it into view, and says it while the window is open; -1 lights none.
    void LightLine(int line);
    // Lights `line` and shows `words` of the hand held (whether the hold follows the line),
    // saying them while the window is open when they change.
    void ShowDeal(int line, const QString& words);
    int LitLine() const { return lit_; }

    // One flat list: a title row per section, then a row per line: number, played, hold, worth.
    QTreeWidget* chartList() const { return chartList_; }
    QTreeWidgetItem* LineRow(int line) const { return rows_.at(std::size_t(line)); }
    QLabel* costLabel() const { return costLabel_; }
    QLabel* dealLabel() const { return dealLabel_; }  // the line of the hand being held, in words
    const Announcer& Voice() const { return *voice_; }
    QComboBox* levelChoice() const { return levelChoice_; }
    FrontierPlot* plotFrontier() const { return plotFrontier_; }
    QPushButton* savePdfButton() const { return savePdfButton_; }
    QPushButton* saveTextButton() const { return saveTextButton_; }

signals:
    void LevelChosen();  // the chart shown changed: its lines are numbered afresh

public slots:
    void SavePdf();
    void SaveText();

private:
    void AddLevels();
    void AddSections();
    // LightLine and ShowDeal: `words` empty for the line's own; said again only if `sayAgain`.
    void Light(int line, const QString& words, bool sayAgain);
    void FillRows();
    void PaintRow(int line, bool lit);
    void NameCells(QTreeWidgetItem& row) const;
    void Save(bool pdf);

    std::vector<modcards::analysis::ChartLevel> levels_;
    int level_ = 0;
    QString table_;
    QLabel* titleLabel_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QComboBox* levelChoice_ = nullptr;
    FrontierPlot* plotFrontier_ = nullptr;
    QTreeWidget* chartList_ = nullptr;
    std::vector<QTreeWidgetItem*> rows_;  // by line
    QLabel* costLabel_ = nullptr;
    QLabel* dealLabel_ = nullptr;
    Announcer* voice_ = nullptr;
    QPushButton* savePdfButton_ = nullptr;
    QPushButton* saveTextButton_ = nullptr;
    Dialogs* dialogs_ = nullptr;  // set by AllowSaving
    QString saveFolder_;
    int lit_ = -1;
};
