// The hand history at the table: the table's signals to the recorder, the review window and
// the bankroll window.
#include "table/TableHistory.h"

#include <QEvent>

#include "table/StrategyMenu.h"
#include "table/frmMain.h"

namespace {
// Hands queued before the tables were ready are written in a burst; the review is read again
// once after it, not once a hand.
constexpr int kRefreshDelayMs = 150;
}  // namespace

TableHistory::TableHistory(frmMain& window, StrategyMenu& strategy, GameContext& ctx)
    : window_(window), tables_(strategy.Tables()), recorder_(ctx) {
    const PerfectPlay& tables = strategy.Tables();
    const auto giveTables = [this, &tables] { recorder_.SetAdvisor(tables.SharedAdvisor()); };
    if (tables.Advisor()) giveTables();
    connect(&tables, &PerfectPlay::AdvisorReady, this, giveTables);
    connect(&tables, &PerfectPlay::Failed, this,
            [this, &tables] { recorder_.TablesFailed(tables.Failure()); });

    connect(&window_, &frmMain::HandSettled, &recorder_, &HistoryRecorder::Record);
    connect(&window_, &frmMain::PlayerSeated, &recorder_, &HistoryRecorder::BeginSession);
    connect(strategy.Review(), &QAction::triggered, this, &TableHistory::mnuReview_Click);
    connect(strategy.BankrollEntry(), &QAction::triggered, this, &TableHistory::mnuBankroll_Click);
    for (auto news :
         {&HistoryRecorder::Opened, &HistoryRecorder::SessionBegun, &HistoryRecorder::HandWritten})
        connect(&recorder_, news, this, &TableHistory::RefreshReview);
    refresh_.setSingleShot(true);
    refresh_.setInterval(kRefreshDelayMs);
    connect(&refresh_, &QTimer::timeout, this, [this] {
        if (review_ && review_->isVisible()) review_->Refresh();
    });
    window_.installEventFilter(this);
}

TableHistory::~TableHistory() {
    window_.removeEventFilter(this);
    delete review_.data();
    delete bankroll_.data();
}

// Shown like the statistics: one window at most, brought to the front when open already.
void TableHistory::mnuReview_Click() {
    if (!review_) {
        review_ = new frmReview(&window_, recorder_.Stake(),
                                [this](ReviewScope scope) { return PageOf(scope); });
    } else {
        review_->Refresh();
    }
    review_->show();
    review_->raise();
    review_->activateWindow();
}

// The player's measured play from every session of theirs, read now; the window works the
// figures out on its own thread.
void TableHistory::mnuBankroll_Click() {
    if (!bankroll_) {
        BankrollSetup setup;
        setup.player = QString::fromStdString(recorder_.Player());
        setup.advisor = tables_.SharedAdvisor();
        if (recorder_.History()) {
            const history::ReviewResult read = recorder_.Review(ReviewScope::AllSessions);
            setup.handsMeasured = read.review.handsPlayed;
            if (setup.handsMeasured > 0)
                setup.costPerHand = (read.review.perfectExpected - read.review.heldExpected) /
                                    double(setup.handsMeasured);
            if (read.error) setup.problem = QString::fromStdString(read.error->Describe());
        } else {
            setup.problem = recorder_.Problem().isEmpty()
                                ? QStringLiteral("The hand history is still being opened.")
                                : recorder_.Problem();
        }
        bankroll_ = new frmBankroll(&window_, std::move(setup));
    }
    bankroll_->show();
    bankroll_->raise();
    bankroll_->activateWindow();
}

ReviewPage TableHistory::PageOf(ReviewScope scope) const {
    ReviewPage page;
    page.player = QString::fromStdString(recorder_.Player());
    page.advisor = recorder_.Advisor();
    if (!recorder_.History()) {
        page.review = history::ReviewHands({}, recorder_.Stake());
        page.problem = recorder_.Problem().isEmpty()
                           ? QStringLiteral("The hand history is being opened\u2026")
                           : recorder_.Problem();
        return page;
    }
    history::ReviewResult read = recorder_.Review(scope);
    page.review = std::move(read.review);
    // A failure of the run's writes says why hands may be missing.
    page.problem =
        read.error ? QString::fromStdString(read.error->Describe()) : recorder_.Problem();
    return page;
}

void TableHistory::RefreshReview() {
    if (review_ && review_->isVisible()) refresh_.start();
}

// The review goes when the table closes, as the statistics do.
bool TableHistory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close) {
        if (review_) review_->close();
        if (bankroll_) bankroll_->close();
    }
    return QObject::eventFilter(watched, event);
}
