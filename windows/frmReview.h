// The session review window: for the player at the table, this session or all sessions: the
// figures, skill and luck in one sentence, the mistakes worst first with the close calls apart,
// the deal of the one selected, and the balance beside perfect play's.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QWidget>
#include <array>
#include <functional>

#include "engine/analysis/HoldAdvisor.h"
#include "game/ReviewTexts.h"
#include "game/history/LeakGroups.h"
#include "game/history/SessionReview.h"
#include "windows/BalancePlot.h"
#include "windows/LeakTrendPlot.h"
#include "windows/ReviewDealPanel.h"
#include "windows/ReviewHandsModel.h"

// What the window shows for one scope.
struct ReviewPage {
    QString player;                 // the player at the table, as shown
    history::SessionReview review;  // of the hands that could be read
    QString problem;                // why hands are missing, in words; empty when none are
    // The tables the deal panel values holds with; null while they are being worked out.
    const modcards::analysis::HoldAdvisor* advisor = nullptr;
    history::Leaks leaks;  // the mistakes grouped, and their cost session by session
    // The chart the holds were graded and the mistakes grouped by, and its table.
    history::GradingChart grading = history::GameGrading();
};

// Asks for the page of a scope when the window is refreshed or switches scope; the page comes
// through ShowPage, at once or later.
using ReviewSource = std::function<void(ReviewScope)>;
// Exports the hands of a scope as CSV, asking where.
using ReviewExport = std::function<void(ReviewScope)>;

class frmReview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFigureCount = 7;

    // `stake` is the credits one hand costs. Shows this session once refreshed.
    frmReview(QWidget* mainWindow, int stake, ReviewSource source);

    // Asks for the page of the scope shown, busy until it comes.
    void Refresh();
    // The page asked for last; the selected hand stays selected when it is still listed.
    void ShowPage(ReviewPage page);
    // Folds the hands recorded since the page's last hand into its figures; `problem` says why
    // hands are missing, when it is not empty.
    void AddHands(const std::vector<history::HandRecord>& hands, const QString& problem);
    // The page's leaks with the hands since folded in, given before those hands.
    void ShowLeaks(history::Leaks leaks);
    // The tables to choose from, each with its label and its key for the source: the one
    // chosen stays chosen when its key is still offered, else the first is. A choice the
    // player makes refreshes the window.
    void SetTables(const QStringList& labels, const QStringList& keys);
    QString TableKey() const;  // the key of the table chosen; empty before SetTables
    // Offers Export…; without it the button stays disabled.
    void SetExport(ReviewExport exportHands);
    // Between Refresh and ShowPage: the figures are being read.
    bool Busy() const { return busy_; }
    ReviewScope Scope() const;
    const ReviewPage& Page() const { return page_; }

    QTabBar* tabScope() const { return tabScope_; }
    QComboBox* cboTable() const { return cboTable_; }
    QLabel* lblpname() const { return lblpname_; }
    QLabel* lblFigure(int index) const { return figures_.at(std::size_t(index)); }  // values
    QLabel* lblSentence() const { return lblSentence_; }
    // One row per hand: the deal, the hold taken, the best hold, the cost.
    QTreeView* lstMistakes() const { return lstMistakes_; }
    QTreeView* lstCloseCalls() const { return lstCloseCalls_; }
    QTreeView* lstChartExceptions() const { return lstChartExceptions_; }
    BalancePlot* Plot() const { return plot_; }
    // The balance, the leak groups and the trend, one at a time.
    QTabWidget* Views() const { return views_; }
    // One row per leak group, the costliest first; each row's tip is its costliest deal.
    QListWidget* lstLeaks() const { return lstLeaks_; }
    LeakTrendPlot* Trend() const { return trend_; }
    QPushButton* cmdExport() const { return cmdExport_; }
    ReviewDealPanel* Deal() const { return deal_; }

signals:
    void FiguresShown();  // a page was shown or hands were added to it

public slots:
    void ScopeChanged(int index);
    void ExportHands();

private:
    QTreeView* AddHandList(ReviewHandsModel* rows, const QString& name,
                           const QString& accessibleName);
    // Every column in sight: the table's `tableWidth` wide (0 without it), then the others.
    void FitColumns(QTreeView* list, int tableWidth);
    int TableColumnWidth() const;   // room for the longest name of the page's tables
    void Fill(bool grown = false);  // `grown`: the page's hands were added to
    void ShowBusy();
    void ShowSentence(const QString& sentence);
    void FillLeaks();
    void SelectHand(std::int64_t id);
    std::int64_t SelectedHand() const;  // 0 for none
    void ShowSelected(QTreeView* list);
    std::array<QTreeView*, 3> HandLists() const;  // mistakes, close calls, chart's exceptions

    ReviewSource source_;
    const int stake_;
    ReviewPage page_;
    bool busy_ = false;
    std::int64_t selected_ = 0;  // the hand to select again when the page comes
    QLabel* lblpname_ = nullptr;
    QTabBar* tabScope_ = nullptr;
    QComboBox* cboTable_ = nullptr;
    std::array<QLabel*, kFigureCount> captions_{};
    std::array<QLabel*, kFigureCount> figures_{};
    QLabel* lblSentence_ = nullptr;
    QLabel* lblMistakes_ = nullptr;
    ReviewHandsModel mistakes_;
    ReviewHandsModel closeCalls_;
    ReviewHandsModel chartExceptions_;
    QTreeView* lstMistakes_ = nullptr;
    QTreeView* lstCloseCalls_ = nullptr;
    QTreeView* lstChartExceptions_ = nullptr;
    BalancePlot* plot_ = nullptr;
    QTabWidget* views_ = nullptr;
    QListWidget* lstLeaks_ = nullptr;
    LeakTrendPlot* trend_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
    ReviewExport export_;
    ReviewDealPanel* deal_ = nullptr;
};
