// Drills at the table: reading the leaks, dealing them, grading each answer.
#include "table/DrillSeat.h"

#include <QMetaObject>

#include "engine/analysis/GameChart.h"
#include "engine/analysis/Pays.h"
#include "game/DrillTexts.h"
#include "game/GameDialogs.h"
#include "game/TableMessages.h"
#include "table/frmMain.h"

DrillSeat::DrillSeat(frmMain& window, QMenu& menu, TableHand& hand, const PerfectPlay& tables,
                     const HistoryRecorder& recorder, Dialogs& dialogs,
                     modcards::RandomSource& random)
    : window_(window),
      hand_(hand),
      tables_(tables),
      recorder_(recorder),
      dialogs_(dialogs),
      random_(random) {
    mnuDrill_ = menu.addAction(QStringLiteral("Practise &My Leaks"));
    mnuDrill_->setToolTip(
        QStringLiteral("Drill the deals of your own costliest mistakes; your account is not "
                       "touched"));
    mnuLeave_ = menu.addAction(QStringLiteral("Leave &Drill"));
    mnuLeave_->setToolTip(QStringLiteral("Back to your account's deals"));
    connect(mnuDrill_, &QAction::triggered, this, &DrillSeat::mnuDrill_Click);
    connect(mnuLeave_, &QAction::triggered, this, &DrillSeat::mnuLeave_Click);

    mark_ = new QLabel(window_.centralWidget());
    mark_->setObjectName(QStringLiteral("drillMark"));
    // Over the banner: the verdict needs room, and the cards and pay chart stay in sight.
    mark_->setGeometry(QRect(40, 32, 566, 142));
    mark_->setAlignment(Qt::AlignCenter);
    mark_->setWordWrap(true);
    mark_->setStyleSheet(QStringLiteral(
        "QLabel { background: rgb(0, 60, 110); color: #fff3c4; border: 2px solid #e6b63c;"
        " border-radius: 6px; padding: 1px 4px; }"));
    mark_->hide();

    connect(&hand_, &TableHand::DrillChanged, this, &DrillSeat::FollowDrill);
    // The leak groups are the game chart's lines: drills are offered at the account's table only.
    connect(&hand_, &TableHand::TableChanged, this,
            [this] { mnuDrill_->setEnabled(!hand_.Practising()); });
    mnuDrill_->setEnabled(!hand_.Practising());
    connect(&hand_, &TableHand::Settled, this, &DrillSeat::Grade);
    connect(&hand_, &TableHand::Dealt, this, [this] {
        if (hand_.Drilling()) ShowMark();
    });
    // Another player's leaks are not this drill's.
    connect(&hand_, &TableHand::Seated, this, [this] { hand_.LeaveDrill(); });
    connect(&tables_, &PerfectPlay::AdvisorReady, this, &DrillSeat::TryStart);
    connect(&recorder_, &HistoryRecorder::Opened, this, &DrillSeat::TryStart);
    FollowDrill();
}

DrillSeat::~DrillSeat() {
    if (reading_.joinable()) reading_.join();
    delete mark_;
    delete mnuDrill_;
    delete mnuLeave_;
}

void DrillSeat::mnuDrill_Click() {
    Start();
}

void DrillSeat::mnuLeave_Click() {
    if (hand_.InPlay()) {
        ShowError(dialogs_, FinishPracticeHandFirstText());
        return;
    }
    hand_.LeaveDrill();
}

void DrillSeat::Start() {
    if (hand_.InPlay()) {
        ShowError(dialogs_, FinishPracticeHandFirstText());
        return;
    }
    if (hand_.Practising()) {
        ShowError(dialogs_, QStringLiteral("Drills deal the game's own table: leave the practice "
                                           "table first (Strategy \u2192 Leave Practice Table)."));
        return;
    }
    waiting_ = true;
    TryStart();
}

// The leaks are read from every session of the player's, with their boxes, off the table's
// thread: a long history takes a while.
void DrillSeat::TryStart() {
    if (!waiting_ || reading_.joinable()) return;
    if (!recorder_.History()) {
        if (recorder_.Problem().isEmpty()) return;  // still being opened
        waiting_ = false;
        ShowError(dialogs_, recorder_.Problem());
        return;
    }
    const modcards::analysis::HoldAdvisor* advisor = tables_.Advisor();
    if (!advisor || !(advisor->pays() == modcards::analysis::GamePays(hand_.Pays()))) return;
    reading_ = std::jthread([this, file = recorder_.History()->file(), player = recorder_.Player(),
                             stake = recorder_.Stake()] {
        history::ReviewReader reader(file, &modcards::analysis::GameChart());
        Read read{reader.Review({player, 0}, stake), reader.Drills(player)};
        QMetaObject::invokeMethod(
            this,
            [this, read = std::move(read)]() mutable {
                reading_.join();
                Begin(std::move(read));
            },
            Qt::QueuedConnection);
    });
}

void DrillSeat::Begin(Read read) {
    waiting_ = false;
    const auto& error = read.leaks.error ? read.leaks.error : read.boxes.error;
    if (error) {
        ShowError(dialogs_, QString::fromStdString(error->Describe()));
        return;
    }
    if (read.leaks.leaks.groups.empty()) {
        dialogs_.MessageBox(NoLeaksText(), QStringLiteral("Practise My Leaks"));
        return;
    }
    // A hand dealt meanwhile is finished first, and a practice table left; the player may ask
    // again.
    auto advisor = tables_.SharedAdvisor();
    if (hand_.InPlay() || hand_.Practising() || !advisor) return;
    hand_.LeaveDrill();
    advisor_ = std::move(advisor);
    plan_ = std::make_unique<history::DrillPlan>(read.leaks.leaks.WorstFirst(), read.boxes.state);
    dealer_ =
        std::make_unique<DrillDealer>(*plan_, *advisor_, modcards::analysis::GameChart(), random_);
    asked_ = right_ = 0;
    hand_.StartDrill(*dealer_);
}

// Graded at once on the table's own tables; the history records the same answer with the hand.
void DrillSeat::Grade(const history::SettledHand& hand) {
    if (!hand_.Drilling() || !hand.drill || !plan_) return;
    const HoldVerdict verdict =
        JudgeHold(*advisor_, &modcards::analysis::GameChart(), hand.dealt, hand.held);
    const bool right = !verdict.IsMistake();
    plan_->Answer(*hand.drill, right);
    ++asked_;
    if (right) ++right_;
    ShowMark(DrillVerdictText(hand.dealt, verdict));
}

void DrillSeat::FollowDrill() {
    const bool drilling = hand_.Drilling();
    mnuLeave_->setEnabled(drilling);
    if (!drilling) {
        dealer_.reset();
        plan_.reset();
        advisor_.reset();
        mark_->hide();
        return;
    }
    ShowMark();
}

void DrillSeat::ShowMark(const QString& verdict) {
    const QString tally = DrillTallyText(right_, asked_);
    mark_->setText(verdict.isEmpty() ? QStringLiteral("DRILL \u2014 your leaks, no stake\n") + tally
                                     : tally + u'\n' + verdict);
    mark_->setAccessibleName(mark_->text());
    mark_->show();
    mark_->raise();
}
