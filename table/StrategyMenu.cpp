// The Strategy menu: hint, trainer, strategy chart and the table's return under perfect play.
#include "table/StrategyMenu.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

#include "game/GameDialogs.h"
#include "game/HintTexts.h"
#include "game/HoldHints.h"
#include "game/PracticeTable.h"
#include "table/TableVoice.h"
#include "table/frmMain.h"
#include "windows/AuxWindows.h"
#include "windows/HelpTexts.h"
#include "windows/frmhelp.h"

namespace {
constexpr std::size_t kHintRows = 5;
}  // namespace

StrategyMenu::StrategyMenu(frmMain& window, TableHand& hand, const PerfectPlay& tables,
                           AuxWindows& aux, Dialogs& dialogs, QSettings* settings,
                           const QString& chartCache)
    : window_(window),
      hand_(hand),
      tables_(tables),
      aux_(aux),
      dialogs_(dialogs),
      settings_(settings) {
    BuildMenu();
    KeepTrainerSettings();
    const TableControls& c = window_.Controls();
    QWidget* table = window_.centralWidget();
    for (std::size_t i = 0; i < 5; ++i) rings_[i] = new KeepRing(c.pHand[i]);
    panel_ = new HintPanel(table, hand_.Stake());
    chart_ = new TableChart(window_, hand_, mnuChart_, dialogs_, tables_, chartCache);

    hand_.SetDrawCheck([this] { return TrainerLetsDraw(); });
    connect(&hand_, &TableHand::DrawStarting, this, &StrategyMenu::HideHint);
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
    connect(&hand_, &TableHand::TableChanged, this, &StrategyMenu::FollowTable);
    connect(chart_, &TableChart::ChartInPlayChanged, this, &StrategyMenu::FollowChart);
}

StrategyMenu::~StrategyMenu() {
    hand_.SetDrawCheck({});
    delete analyse_.data();  // before the chart it names lines from
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
    mnuThreshold_ = mnuStrategy_->addMenu(QStringLiteral("Trainer Thr&eshold"));
    mnuThreshold_->setToolTipsVisible(true);
    auto* thresholds = new QActionGroup(mnuThreshold_);
    for (double threshold : kTrainerThresholds) {
        QAction* choice = mnuThreshold_->addAction(ThresholdText(threshold));
        choice->setCheckable(true);
        choice->setData(threshold);
        choice->setToolTip(
            QStringLiteral("The trainer questions a hold worth %1 or more less than the best")
                .arg(ThresholdText(threshold)));
        thresholds->addAction(choice);
    }
    mnuChart_ = mnuStrategy_->addAction(QStringLiteral("Strategy &Chart"));
    mnuChart_->setToolTip(
        QStringLiteral("The chart of this table: which hold to play, line by line, and its cost"));
    mnuAnalyse_ = mnuStrategy_->addAction(QStringLiteral("&Analyse a Hand\u2026"));
    mnuAnalyse_->setToolTip(
        QStringLiteral("Any five cards: every hold's exact value and how its draws end"));
    connect(mnuAnalyse_, &QAction::triggered, this, &StrategyMenu::OpenAnalyser);
    mnuReview_ = mnuStrategy_->addAction(QStringLiteral("Session &Review"));
    mnuReview_->setToolTip(
        QStringLiteral("How well this session and every session went: mistakes, luck, balance"));
    mnuBankroll_ = mnuStrategy_->addAction(QStringLiteral("&Bankroll\u2026"));
    mnuBankroll_->setToolTip(QStringLiteral(
        "Your chance of lasting some hands and of reaching a goal, beside perfect play's"));
    connect(mnuHint_, &QAction::triggered, this, &StrategyMenu::ToggleHint);
    // H and Escape are the table's own keys: typed in a window over the table they do nothing
    // here. The table carries the entry too, so that its key follows the table's focus.
    window_.addAction(mnuHint_);
    mnuHint_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &window_);
    escape_->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape_, &QShortcut::activated, this, &StrategyMenu::HideHint);
    connect(mnuTrainer_, &QAction::toggled, &window_.Voice(), &TableVoice::SayTrainer);
}

// The trainer as it was left last time, and each change kept at once.
void StrategyMenu::KeepTrainerSettings() {
    if (settings_) trainer_ = ReadTrainerSettings(*settings_);
    {
        const QSignalBlocker quiet(mnuTrainer_);  // as it was left: nothing to announce
        mnuTrainer_->setChecked(trainer_.on);
    }
    for (QAction* choice : mnuThreshold_->actions())
        choice->setChecked(choice->data().toDouble() == trainer_.threshold);
    connect(mnuTrainer_, &QAction::toggled, this, [this](bool on) {
        trainer_.on = on;
        SaveTrainerSettings();
    });
    connect(mnuThreshold_, &QMenu::triggered, this, [this](QAction* choice) {
        trainer_.threshold = choice->data().toDouble();
        SaveTrainerSettings();
    });
}

// A settings file that cannot be written is told once; the trainer works on regardless.
void StrategyMenu::SaveTrainerSettings() {
    if (!settings_) return;
    const QString error = WriteTrainerSettings(*settings_, trainer_);
    if (error.isEmpty() || settingsErrorTold_) return;
    settingsErrorTold_ = true;
    ShowError(dialogs_, error);
}

// Between deal and draw only; at other times there is no hand to advise on. Asked again, the
// hint goes away.
void StrategyMenu::ToggleHint() {
    if (!panel_->isHidden()) {
        HideHint();
        return;
    }
    if (!hand_.InPlay()) return;
    hintWanted_ = true;
    ShowHint();
}

void StrategyMenu::MarkKeptCards(const HoldHint& hold) {
    for (int slot = 0; slot < 5; ++slot)
        rings_[static_cast<std::size_t>(slot)]->setVisible(hold.Keeps(slot));
}

// Under the hint: the chart's exception on this deal, or why no chart lines are named.
QString StrategyMenu::ChartNote(const modcards::analysis::HoldAdvisor& advisor,
                                const modcards::Hand& dealt) const {
    if (const auto* chart = chart_->ChartInPlay())
        return AsSentence(ChartExceptionText(dealt, JudgeChart(advisor, chart, dealt)));
    if (!chart_->Work().Failure().isEmpty())
        return QStringLiteral("This table's chart could not be derived: no lines are named.");
    return QStringLiteral(
        "This table's chart is still being derived: its lines are named once it is ready.");
}

void StrategyMenu::ShowHint(bool say) {
    MarkKeptCards(HoldHint{});
    if (const auto* advisor = tables_.Advisor()) {
        const modcards::Hand dealt = hand_.Cards();  // in table order until the draw
        const std::vector<HoldHint> top = TopHolds(*advisor, dealt, kHintRows);
        MarkKeptCards(top.front());
        panel_->ShowHolds(dealt, top, chart_->ChartInPlay(), ChartNote(*advisor, dealt));
    } else if (!tables_.Failure().isEmpty()) {
        panel_->ShowFailure(tables_.Failure());
    } else {
        panel_->ShowPending();
    }
    panel_->show();
    panel_->raise();
    if (say) window_.Voice().SayHint(*panel_, hand_.Cards());
}

void StrategyMenu::HideHint() {
    hintWanted_ = false;
    panel_->hide();
    MarkKeptCards(HoldHint{});
}

// A mistake is questioned, a close call is not; the chart's own hold where the chart errs is
// shown as its exception, not as a mistake. Choosing to change the hold leaves the draw
// undone. Until the tables are ready the trainer lets every draw go.
bool StrategyMenu::TrainerLetsDraw() {
    const auto* advisor = tables_.Advisor();
    if (!mnuTrainer_->isChecked() || !advisor) return true;
    const modcards::Hand dealt = hand_.Cards();
    const HoldVerdict verdict =
        JudgeHold(*advisor, chart_->ChartInPlay(), dealt, hand_.Held(), trainer_.threshold);
    if (!verdict.IsMistake() && !verdict.IsChartException()) return true;
    // The best hold stands marked on the table while the question is asked; the list of holds
    // follows when the player goes back to change the hold.
    MarkKeptCards(verdict.best);
    const TrainerQuestion question = AskAboutHold(dealt, verdict, trainer_.threshold);
    if (dialogs_.Ask(question.text, question.title, question.drawAnyway, question.changeHold))
        return true;
    hintWanted_ = true;
    ShowHint();
    return false;
}

// One window at most, brought to the front when open already. It shares the table's hold values
// when they are ready, and works its own out otherwise.
void StrategyMenu::OpenAnalyser() {
    if (!analyse_) {
        analyse_ = new AnalyserWindow(
            &window_, {modcards::analysis::GamePays(hand_.Pays()), hand_.Pays()[0],
                       chart_->ChartInPlay(), tables_.SharedAdvisor(), TableName(hand_.Pays())});
    }
    analyse_->show();
    analyse_->raise();
    analyse_->activateWindow();
}

// The analyser shows one table: at another, it opens afresh. The chart follows by itself.
void StrategyMenu::FollowTable() {
    delete analyse_.data();
    HideHint();
}

// A practice table's chart, derived after the hint or the analyser was shown, names their lines
// from then on; the hint is not said again.
void StrategyMenu::FollowChart() {
    if (analyse_) analyse_->SetChart(chart_->ChartInPlay());
    if (!panel_->isHidden() && hand_.InPlay()) ShowHint(false);
}

void StrategyMenu::ShowReturnInHelp() {
    if (frmhelp* help = aux_.Help(); help && tables_.Return())
        help->ShowReturn(helptexts::PerfectPlayReturn(*tables_.Return()));
}
