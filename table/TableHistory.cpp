// The hand history at the table: the table's signals to the recorder, and the review window.
#include "table/TableHistory.h"

#include <QEvent>

#include "table/frmMain.h"

TableHistory::TableHistory(frmMain& window, const TableHand& hand, const PerfectPlay& tables,
                           QAction* openReview, GameContext& ctx)
    : window_(window), recorder_(ctx) {
    const auto giveTables = [this, &tables] { recorder_.SetAdvisor(tables.SharedAdvisor()); };
    if (tables.Advisor()) giveTables();
    connect(&tables, &PerfectPlay::AdvisorReady, this, giveTables);
    connect(&tables, &PerfectPlay::Failed, this,
            [this, &tables] { recorder_.TablesFailed(tables.Failure()); });

    connect(&hand, &TableHand::Settled, &recorder_, &HistoryRecorder::Record);
    connect(&hand, &TableHand::Seated, &recorder_, &HistoryRecorder::BeginSession);
    // Hands at another table wait for its tables, which come with AdvisorReady.
    connect(&hand, &TableHand::TableChanged, &recorder_,
            [this, &hand] { recorder_.SetTable(hand.Pays()); });
    connect(openReview, &QAction::triggered, this, &TableHistory::mnuReview_Click);
    connect(&recorder_, &HistoryRecorder::Opened, this, &TableHistory::StartLoader);
    connect(&recorder_, &HistoryRecorder::SessionBegun, this, &TableHistory::RefreshReview);
    connect(&recorder_, &HistoryRecorder::HandWritten, this, &TableHistory::FoldNewHands);
    window_.installEventFilter(this);
}

TableHistory::~TableHistory() {
    window_.removeEventFilter(this);
    delete review_.data();
}

// The review's reads get a connection of their own once the file is open.
void TableHistory::StartLoader() {
    const ReviewLoader::Answers answers{
        .loaded =
            [this](history::ReviewResult read) {
                if (review_) review_->ShowPage(PageOf(std::move(read.review), read.error));
            },
        .added =
            [this](history::HandsResult newer) {
                if (!review_) return;
                review_->AddHands(newer.hands, newer.error
                                                   ? QString::fromStdString(newer.error->Describe())
                                                   : QString());
            },
    };
    loader_ =
        std::make_unique<ReviewLoader>(recorder_.History()->file(), recorder_.Stake(), answers);
    RefreshReview();
}

// Shown like the statistics: one window at most, brought to the front when open already. The
// window shows at once, busy until its figures are read.
void TableHistory::mnuReview_Click() {
    if (!review_) {
        review_ =
            new frmReview(&window_, recorder_.Stake(), [this](ReviewScope scope) { Ask(scope); });
        review_->Refresh();
    }
    review_->show();
    review_->raise();
    review_->activateWindow();
}

void TableHistory::Ask(ReviewScope scope) {
    const std::int64_t session = recorder_.SessionId();
    if (loader_ && (scope == ReviewScope::AllSessions || session != 0)) {
        loader_->Load({recorder_.Player(), scope == ReviewScope::AllSessions ? 0 : session});
        return;
    }
    // Nothing to read yet: the file is being opened, or this session has no hand.
    if (loader_) loader_->Cancel();
    review_->ShowPage(PageOf({}, std::nullopt));
}

ReviewPage TableHistory::PageOf(history::SessionReview review,
                                const std::optional<output::FileError>& error) const {
    ReviewPage page;
    page.player = QString::fromStdString(recorder_.Player());
    page.advisor = recorder_.Advisor();
    page.review = std::move(review);
    if (!recorder_.History()) {
        page.problem = recorder_.Problem().isEmpty()
                           ? QStringLiteral("The hand history is being opened\u2026")
                           : recorder_.Problem();
        return page;
    }
    // A failure of the run's writes says why hands may be missing.
    page.problem = error ? QString::fromStdString(error->Describe()) : recorder_.Problem();
    return page;
}

// A new player or session: the review is read afresh.
void TableHistory::RefreshReview() {
    if (review_) review_->Refresh();
}

// Only the hands written since are read and folded in, never the whole history again.
void TableHistory::FoldNewHands() {
    if (review_ && loader_) loader_->LoadNewer();
}

// The review goes when the table closes, as the statistics do.
bool TableHistory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close && review_) review_->close();
    return QObject::eventFilter(watched, event);
}
