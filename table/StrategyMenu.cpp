// The Strategy menu: hint, trainer, strategy chart and the table's return under perfect play.
#include "table/StrategyMenu.h"

#include <QMenuBar>
#include <QShortcut>
#include <QTimer>

#include "game/HintTexts.h"
#include "game/HoldHints.h"
#include "table/frmMain.h"
#include "windows/AuxWindows.h"
#include "windows/HelpTexts.h"
#include "windows/frmhelp.h"

namespace {
constexpr std::size_t kHintRows = 5;
}  // namespace

StrategyMenu::StrategyMenu(frmMain& window, AuxWindows& aux, GameContext& ctx)
    : window_(window), aux_(aux), ctx_(ctx), tables_(ctx.PayTable) {
    BuildMenu();
    const TableControls& c = window_.Controls();
    QWidget* table = window_.centralWidget();
    for (std::size_t i = 0; i < 5; ++i) rings_[i] = new KeepRing(c.pHand[i]);
    panel_ = new HintPanel(table, ctx_.PayTable[0]);
    chart_ = new TableChart(window_, mnuChart_, ctx_.dialogs);

    window_.SetDrawCheck([this] { return TrainerLetsDraw(); });
    connect(&window_, &frmMain::DrawStarting, this, &StrategyMenu::HideHint);
    connect(panel_, &HintPanel::Dismissed, this, &StrategyMenu::HideHint);
    // Connected after the window's own handler, so the help window is open by then.
    connect(c.Mnuplayin, &QAction::triggered, this, &StrategyMenu::ShowReturnInHelp);
    connect(&tables_, &PerfectPlay::AdvisorReady, this, [this] {
        if (hintWanted_) ShowHint();
    });
    connect(&tables_, &PerfectPlay::Failed, this, [this] {
        if (hintWanted_) ShowHint();
    });
    connect(&tables_, &PerfectPlay::ReturnReady, this, &StrategyMenu::ShowReturnInHelp);
    // The work starts when the event loop first runs: after the window is shown.
    QTimer::singleShot(0, &tables_, &PerfectPlay::Start);
}

StrategyMenu::~StrategyMenu() {
    window_.SetDrawCheck({});
    delete chart_;
    delete escape_;
    delete mnuStrategy_;
    delete panel_;
    for (KeepRing* ring : rings_) delete ring;
}

void StrategyMenu::BuildMenu() {
    mnuStrategy_ = new QMenu(QStringLiteral("&Strategy"), &window_);
    mnuStrategy_->setToolTipsVisible(true);
    window_.menuBar()->insertMenu(window_.Controls().mnuHelp->menuAction(), mnuStrategy_);
    mnuHint_ = mnuStrategy_->addAction(QStringLiteral("&Hint"));
    mnuHint_->setShortcut(QKeySequence(Qt::Key_H));
    mnuHint_->setToolTip(QStringLiteral("Show the best holds of the hand on the table (H)"));
    mnuTrainer_ = mnuStrategy_->addAction(QStringLiteral("&Trainer"));
    mnuTrainer_->setCheckable(true);
    mnuTrainer_->setToolTip(
        QStringLiteral("Before the draw, say when a hold pays less on average than the best"));
    mnuChart_ = mnuStrategy_->addAction(QStringLiteral("Strategy &Chart"));
    mnuChart_->setToolTip(
        QStringLiteral("The chart of this table: which hold to play, line by line, and its cost"));
    mnuReview_ = mnuStrategy_->addAction(QStringLiteral("Session &Review"));
    mnuReview_->setToolTip(
        QStringLiteral("How well this session and every session went: mistakes, luck, balance"));
    mnuBankroll_ = mnuStrategy_->addAction(QStringLiteral("&Bankroll\u2026"));
    mnuBankroll_->setToolTip(QStringLiteral(
        "Your chance of lasting some hands and of reaching a goal, beside perfect play's"));
    connect(mnuHint_, &QAction::triggered, this, &StrategyMenu::mnuHint_Click);
    // H and Escape are the table's own keys: typed in a window over the table they do nothing
    // here. The table carries the entry too, so that its key follows the table's focus.
    window_.addAction(mnuHint_);
    mnuHint_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &window_);
    escape_->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape_, &QShortcut::activated, this, &StrategyMenu::HideHint);
}

// Between deal and draw only; at other times there is no hand to advise on. Asked again, the
// hint goes away.
void StrategyMenu::mnuHint_Click() {
    if (!panel_->isHidden()) {
        HideHint();
        return;
    }
    if (!window_.InDrawPhase()) return;
    hintWanted_ = true;
    ShowHint();
}

modcards::Hand StrategyMenu::TableHand() const {
    return window_.HandCards().Hand;  // in table order until the draw
}

void StrategyMenu::MarkKeptCards(const HoldHint& hold) {
    for (int slot = 0; slot < 5; ++slot)
        rings_[static_cast<std::size_t>(slot)]->setVisible(hold.Keeps(slot));
}

void StrategyMenu::ShowHint() {
    MarkKeptCards(HoldHint{});
    if (const auto* advisor = tables_.Advisor()) {
        const modcards::Hand dealt = TableHand();
        const std::vector<HoldHint> top = TopHolds(*advisor, dealt, kHintRows);
        MarkKeptCards(top.front());
        panel_->ShowHolds(dealt, top);
    } else if (!tables_.Failure().isEmpty()) {
        panel_->ShowFailure(tables_.Failure());
    } else {
        panel_->ShowPending();
    }
    panel_->show();
    panel_->raise();
}

void StrategyMenu::HideHint() {
    hintWanted_ = false;
    panel_->hide();
    MarkKeptCards(HoldHint{});
}

// A mistake is questioned, a close call is not; choosing to change the hold leaves the draw
// undone. Until the tables are ready the trainer lets every draw go.
bool StrategyMenu::TrainerLetsDraw() {
    const auto* advisor = tables_.Advisor();
    if (!mnuTrainer_->isChecked() || !advisor) return true;
    std::uint8_t held = 0;
    for (int slot = 0; slot < 5; ++slot)
        if (window_.Controls().chkHold[static_cast<std::size_t>(slot)]->Value() == 1)
            held |= static_cast<std::uint8_t>(1u << slot);
    const modcards::Hand dealt = TableHand();
    const HoldVerdict verdict = JudgeHold(*advisor, dealt, held);
    if (!verdict.IsMistake()) return true;
    // The best hold stands marked on the table while the question is asked; the list of holds
    // follows when the player goes back to change the hold.
    MarkKeptCards(verdict.best);
    const TrainerQuestion question = AskAboutHold(dealt, verdict);
    if (ctx_.dialogs.Ask(question.text, question.title, question.drawAnyway, question.changeHold))
        return true;
    hintWanted_ = true;
    ShowHint();
    return false;
}

void StrategyMenu::ShowReturnInHelp() {
    if (frmhelp* help = aux_.Help(); help && tables_.Return())
        help->ShowReturn(helptexts::PerfectPlayReturn(*tables_.Return()));
}
