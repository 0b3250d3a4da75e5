// The Strategy menu: a hint of the best holds between deal and draw, a trainer that questions a
// weaker hold before the draw (on or off and its threshold kept between runs), the strategy chart,
// and the table's return under perfect play in the help window.
// It attaches to a table that is already built, asks the hand at the table, and leaves the
// table's own behaviour alone.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QShortcut>
#include <array>

#include "game/Dialogs.h"
#include "game/HoldHints.h"
#include "game/PerfectPlay.h"
#include "game/TableHand.h"
#include "game/TrainerSettings.h"
#include "table/HintPanel.h"
#include "table/KeepRing.h"
#include "table/TableChart.h"
#include "windows/AnalyserWindow.h"

class AuxWindows;
class frmMain;

class StrategyMenu : public QObject {
    Q_OBJECT
public:
    // Adds the menu before Help; the hint and the trainer use `tables` once they are ready. The
    // trainer's settings are kept in `settings` when it is given, practice tables' charts in
    // the folder `chartCache`. Everything given outlives this object.
    StrategyMenu(frmMain& window, TableHand& hand, const PerfectPlay& tables, AuxWindows& aux,
                 Dialogs& dialogs, QSettings* settings = nullptr,
                 const QString& chartCache = QString());
    // Takes the menu, the hint and the draw check off the table again.
    ~StrategyMenu() override;

    QAction* Hint() const { return mnuHint_; }
    QAction* Trainer() const { return mnuTrainer_; }
    // One checkable entry per threshold of kTrainerThresholds, the one in use checked.
    QMenu* TrainerThreshold() const { return mnuThreshold_; }
    const TrainerSettings& TrainerSetting() const { return trainer_; }
    QAction* Review() const { return mnuReview_; }  // opened by the table's hand history
    QAction* ChartEntry() const { return mnuChart_; }
    QAction* AnalyseEntry() const { return mnuAnalyse_; }
    AnalyserWindow* Analyser() const { return analyse_; }    // the open analyser, or nullptr
    QAction* BankrollEntry() const { return mnuBankroll_; }  // opened by the table's history
    TableChart& Chart() const { return *chart_; }
    HintPanel& Panel() const { return *panel_; }
    const KeepRing& Ring(int slot) const { return *rings_[static_cast<std::size_t>(slot)]; }
    const PerfectPlay& Tables() const { return tables_; }
    QMenu* Menu() const { return mnuStrategy_; }

public slots:
    void ToggleHint();
    void OpenAnalyser();

private:
    void BuildMenu();
    void KeepTrainerSettings();
    void SaveTrainerSettings();
    void MarkKeptCards(const HoldHint& hold);  // rings round the cards `hold` keeps, only
    void ShowHint(bool say = true);            // said aloud unless told
    QString ChartNote(const modcards::analysis::HoldAdvisor& advisor,
                      const modcards::Hand& dealt) const;
    void HideHint();
    bool TrainerLetsDraw();
    void ShowReturnInHelp();
    void FollowTable();
    void FollowChart();

    frmMain& window_;
    TableHand& hand_;
    const PerfectPlay& tables_;
    AuxWindows& aux_;
    Dialogs& dialogs_;
    QMenu* mnuStrategy_ = nullptr;
    QAction* mnuHint_ = nullptr;
    QAction* mnuTrainer_ = nullptr;
    QMenu* mnuThreshold_ = nullptr;
    QAction* mnuReview_ = nullptr;
    QAction* mnuChart_ = nullptr;
    QAction* mnuAnalyse_ = nullptr;
    QPointer<AnalyserWindow> analyse_;
    QAction* mnuBankroll_ = nullptr;
    QShortcut* escape_ = nullptr;  // the table's Escape, which puts the hint away
    TableChart* chart_ = nullptr;
    HintPanel* panel_ = nullptr;
    std::array<KeepRing*, 5> rings_{};
    QSettings* settings_;
    TrainerSettings trainer_;  // kept in settings_ when there is one
    bool settingsErrorTold_ = false;
    bool hintWanted_ = false;  // asked for this hand; shown as soon as the tables are ready
};
