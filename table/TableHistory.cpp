// The hand history at the table: the table's signals to the recorder, the review window and
// the bankroll window.
#include "table/TableHistory.h"

#include <QEvent>
#include <QMetaObject>
#include <algorithm>

#include "game/GameDialogs.h"
#include "game/PathText.h"
#include "game/PracticeTable.h"
#include "game/history/HistoryBackup.h"
#include "game/history/ReviewReader.h"
#include "table/frmMain.h"

namespace {
// The review's choice of tables: the one in play, or every one; any other is keyed by its pays.
const QString kThisTable = QStringLiteral("this"), kAllTables = QStringLiteral("all");
}  // namespace

TableHistory::TableHistory(frmMain& window, const TableHand& hand, const PerfectPlay& tables,
                           const TableChart& chart, QAction* openReview, QAction* openBankroll,
                           GameContext& ctx)
    : window_(window), hand_(hand), tables_(tables), chart_(chart), ctx_(ctx), recorder_(ctx) {
    const auto giveTables = [this, &tables] { recorder_.SetAdvisor(tables.SharedAdvisor()); };
    if (tables.Advisor()) giveTables();
    connect(&tables, &PerfectPlay::AdvisorReady, this, giveTables);
    connect(&tables, &PerfectPlay::Failed, this,
            [this, &tables] { recorder_.TablesFailed(tables.Failure()); });

    connect(&hand, &TableHand::Settled, &recorder_, &HistoryRecorder::Record);
    // The table of a hand settled is among its player's from now on: their tables are read once.
    connect(&hand, &TableHand::Settled, this, [this] {
        if (recorder_.Player() == playedBy_) NotePlayed({history::PaysText(hand_.Pays())});
    });
    connect(&hand, &TableHand::Seated, &recorder_, &HistoryRecorder::BeginSession);
    // Hands at another table wait for its tables, which come with AdvisorReady.
    connect(&hand, &TableHand::TableChanged, &recorder_, &HistoryRecorder::NewTable);
    // The bankroll's measured play and pays are the table's: it opens afresh at another.
    connect(&hand, &TableHand::TableChanged, this, [this] {
        if (bankroll_) bankroll_->close();
        if (!review_) return;
        OfferTables();
        if (review_->TableKey() == kThisTable) review_->Refresh();
    });
    connect(&chart, &TableChart::ChartInPlayChanged, this, &TableHistory::FollowChart);
    connect(openReview, &QAction::triggered, this, &TableHistory::ShowReview);
    connect(openBankroll, &QAction::triggered, this, &TableHistory::ShowBankroll);
    connect(&recorder_, &HistoryRecorder::Opened, this, &TableHistory::StartLoader);
    connect(&recorder_, &HistoryRecorder::SessionBegun, this, &TableHistory::RefreshReview);
    connect(&recorder_, &HistoryRecorder::HandWritten, this, &TableHistory::FoldNewHands);
    window_.installEventFilter(this);
}

TableHistory::~TableHistory() {
    window_.removeEventFilter(this);
    delete review_.data();
    delete bankroll_.data();
}

// The review's reads get a connection of their own once the file is open.
void TableHistory::StartLoader() {
    const ReviewLoader::Answers answers{
        .loaded =
            [this](history::ReviewResult read) {
                if (review_)
                    review_->ShowPage(
                        PageOf(std::move(read.review), std::move(read.leaks), read.error));
            },
        .tables =
            [this](history::TablesResult read) {
                if (read.player != playedBy_) return;  // another player's, asked before
                NotePlayed(read.pays);
                if (review_) OfferTables();
            },
        .added =
            [this](history::HandsResult newer, history::Leaks leaks) {
                if (!review_) return;
                review_->ShowLeaks(std::move(leaks));
                review_->AddHands(newer.hands, newer.error
                                                   ? QString::fromStdString(newer.error->Describe())
                                                   : QString());
            },
        .exported = [this](std::optional<output::FileError> error) { Exported(error); },
    };
    loader_ =
        std::make_unique<ReviewLoader>(recorder_.History()->file(), recorder_.Stake(), answers);
    RefreshReview();
}

// Shown like the statistics: one window at most, brought to the front when open already. The
// window shows at once, busy until its figures are read.
void TableHistory::ShowReview() {
    if (!review_) {
        review_ =
            new frmReview(&window_, recorder_.Stake(), [this](ReviewScope scope) { Ask(scope); });
        review_->SetExport([this](ReviewScope scope) { ExportHands(scope); });
        OfferTables();
        review_->Refresh();
    }
    review_->show();
    review_->raise();
    review_->activateWindow();
}

// The table in play first, the others by name, then all of them: each reviewed apart, as their
// credits are no one bankroll.
void TableHistory::OfferTables() {
    const std::string inPlay = history::PaysText(hand_.Pays());
    std::vector<std::pair<QString, QString>> others;  // name and pays
    for (const std::string& pays : played_) {
        if (pays == inPlay) continue;
        const QString text = QString::fromStdString(pays);
        others.emplace_back(TableName(text), text);
    }
    std::sort(others.begin(), others.end());
    QStringList labels{QStringLiteral("This table (%1)").arg(TableName(hand_.Pays()))};
    QStringList keys{kThisTable};
    for (const auto& [name, pays] : others) {
        labels << name;
        keys << pays;
    }
    labels << QStringLiteral("All tables");
    keys << kAllTables;
    review_->SetTables(labels, keys);
}

void TableHistory::NotePlayed(const std::vector<std::string>& tables) {
    for (const std::string& pays : tables)
        if (std::find(played_.begin(), played_.end(), pays) == played_.end())
            played_.push_back(pays);
}

std::string TableHistory::ChosenPays() const {
    const QString key = review_ ? review_->TableKey() : kThisTable;
    if (key == kAllTables) return {};
    if (key == kThisTable || key.isEmpty()) return history::PaysText(hand_.Pays());
    return key.toStdString();
}

history::ReviewedHands TableHistory::HandsOf(ReviewScope scope, std::int64_t session) const {
    return {recorder_.Player(), scope == ReviewScope::AllSessions ? 0 : session, ChosenPays()};
}

// The game's chart grades the game's table and every table together; a practice table alone is
// graded by its own chart once derived, and until then its mistakes are another table's.
history::GradingChart TableHistory::Grading() const {
    const std::string pays = ChosenPays();
    const auto* chart = chart_.ChartInPlay();
    if (pays.empty() || !chart || pays != history::PaysText(hand_.Pays()))
        return history::GameGrading();
    return {chart, pays};
}

void TableHistory::FollowChart() {
    if (review_ && Grading() != review_->Page().grading) review_->Refresh();
}

void TableHistory::Ask(ReviewScope scope) {
    const std::int64_t session = recorder_.SessionId();
    if (loader_ && (scope == ReviewScope::AllSessions || session != 0)) {
        loader_->Load(HandsOf(scope, session), Grading());
        // A player's tables are read after their first review, then kept up hand by hand.
        if (playedBy_ != recorder_.Player()) {
            played_.clear();
            playedBy_ = recorder_.Player();
            loader_->ReadTables(playedBy_);
        }
        return;
    }
    // Nothing to read yet: the file is being opened, or this session has no hand.
    if (loader_) loader_->Cancel();
    review_->ShowPage(PageOf({}, {}, std::nullopt));
}

// The player's measured play from every session of theirs at the table in play (a table's
// mistakes cost what that table pays), read on a thread of its own with a connection of its
// own (a million hands take most of a second); the window opens with it.
void TableHistory::ShowBankroll() {
    if (bankroll_) {
        bankroll_->show();
        bankroll_->raise();
        bankroll_->activateWindow();
        return;
    }
    BankrollSetup setup;
    setup.player = QString::fromStdString(recorder_.Player());
    setup.advisor = tables_.SharedAdvisor();
    if (!recorder_.History()) {
        setup.problem = recorder_.Problem().isEmpty()
                            ? QStringLiteral("The hand history is still being opened.")
                            : recorder_.Problem();
        OpenBankroll(std::move(setup));
        return;
    }
    if (measuring_.joinable()) return;  // already on its way
    measuring_ =
        std::jthread([this, setup, file = recorder_.History()->file(), stake = recorder_.Stake(),
                      pays = history::PaysText(hand_.Pays())]() mutable {
            const history::ReviewResult read =
                history::ReviewReader(file).Review({setup.player.toStdString(), 0, pays}, stake);
            setup.handsMeasured = read.review.handsPlayed;
            if (setup.handsMeasured > 0)
                setup.costPerHand = (read.review.perfectExpected - read.review.heldExpected) /
                                    double(setup.handsMeasured);
            if (read.error) setup.problem = QString::fromStdString(read.error->Describe());
            QMetaObject::invokeMethod(
                this,
                [this, setup = std::move(setup)]() mutable {
                    measuring_.join();
                    OpenBankroll(std::move(setup));
                },
                Qt::QueuedConnection);
        });
}

void TableHistory::OpenBankroll(BankrollSetup setup) {
    bankroll_ = new BankrollWindow(&window_, std::move(setup));
    bankroll_->show();
    bankroll_->raise();
    bankroll_->activateWindow();
}

// Asks where, then writes on the review's thread; the answer comes through Exported.
void TableHistory::ExportHands(ReviewScope scope) {
    const std::int64_t session = recorder_.SessionId();
    if (!loader_ || (scope == ReviewScope::ThisSession && session == 0)) {
        ShowError(ctx_.dialogs, QStringLiteral("There are no hands to export yet."));
        return;
    }
    const std::filesystem::path historyFile = recorder_.History()->file();
    const QString preset = PathText(historyFile);
    const QString chosen = ctx_.dialogs.SaveFileDialog(QStringLiteral("Export Hands"), preset);
    // Cancel returns the preset name, which is the history itself: either way nothing is written.
    if (chosen.isEmpty() || chosen == preset) return;
    const std::filesystem::path target = chosen.toStdString();
    std::error_code ec;
    if (history::IsHistoryFile(historyFile.parent_path(), target) ||
        std::filesystem::equivalent(ctx_.accountsFile, target, ec)) {
        ShowError(ctx_.dialogs, QStringLiteral("Cannot export the hands to \"%1\"!\nThe game keeps "
                                               "its accounts or its hand history in that file.")
                                    .arg(chosen));
        return;
    }
    loader_->Export(HandsOf(scope, session), target);
}

void TableHistory::Exported(const std::optional<output::FileError>& error) {
    if (error) ShowError(ctx_.dialogs, QString::fromStdString(error->Describe()));
}

ReviewPage TableHistory::PageOf(history::SessionReview review, history::Leaks leaks,
                                const std::optional<output::FileError>& error) const {
    ReviewPage page;
    page.grading = Grading();
    page.player = QString::fromStdString(recorder_.Player());
    page.advisor = recorder_.Advisor();
    page.review = std::move(review);
    page.leaks = std::move(leaks);
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
    if (watched == &window_ && event->type() == QEvent::Close) {
        if (review_) review_->close();
        if (bankroll_) bankroll_->close();
    }
    return QObject::eventFilter(watched, event);
}
