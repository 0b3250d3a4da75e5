// The Strategy menu: a hint of the best holds between deal and draw, a trainer that questions a
// weaker hold before the draw, the strategy chart, and the table's return under perfect play in
// the help window.
// It attaches to a table that is already built and leaves the table's own behaviour alone.
#pragma once

#include <QAction>
#include <QObject>
#include <QShortcut>
#include <array>

#include "game/GameContext.h"
#include "game/HoldHints.h"
#include "game/PerfectPlay.h"
#include "table/HintPanel.h"
#include "table/KeepRing.h"
#include "table/TableChart.h"

class AuxWindows;
class frmMain;

class StrategyMenu : public QObject {
    Q_OBJECT
public:
    // Adds the menu before Help and starts working out the tables once the event loop runs,
    // after the window is shown. The window, the small windows and `ctx` outlive this object.
    StrategyMenu(frmMain& window, AuxWindows& aux, GameContext& ctx);
    // Takes the menu, the hint and the draw check off the table again.
    ~StrategyMenu() override;

    QAction* Hint() const { return mnuHint_; }
    QAction* Trainer() const { return mnuTrainer_; }
    QAction* Review() const { return mnuReview_; }  // opened by the table's hand history
    QAction* ChartEntry() const { return mnuChart_; }
    QAction* BankrollEntry() const { return mnuBankroll_; }  // opened by the table's history
    TableChart& Chart() const { return *chart_; }
    HintPanel& Panel() const { return *panel_; }
    const KeepRing& Ring(int slot) const { return *rings_[static_cast<std::size_t>(slot)]; }
    const PerfectPlay& Tables() const { return tables_; }

public slots:
    void mnuHint_Click();

private:
    void BuildMenu();
    void MarkKeptCards(const HoldHint& hold);  // rings round the cards `hold` keeps, only
    void ShowHint();
    void HideHint();
    bool TrainerLetsDraw();
    void ShowReturnInHelp();
    modcards::Hand TableHand() const;

    frmMain& window_;
    AuxWindows& aux_;
    GameContext& ctx_;
    PerfectPlay tables_;
    QMenu* mnuStrategy_ = nullptr;
    QAction* mnuHint_ = nullptr;
    QAction* mnuTrainer_ = nullptr;
    QAction* mnuReview_ = nullptr;
    QAction* mnuChart_ = nullptr;
    QAction* mnuBankroll_ = nullptr;
    QShortcut* escape_ = nullptr;  // the table's Escape, which puts the hint away
    TableChart* chart_ = nullptr;
    HintPanel* panel_ = nullptr;
    std::array<KeepRing*, 5> rings_{};
    bool hintWanted_ = false;  // asked for this hand; shown as soon as the tables are ready
};
