// The hand history of one run: the table's side queues, the worker values and writes.
#include "game/HistoryRecorder.h"

#include <QMetaObject>
#include <chrono>
#include <utility>

#include "accounts/NameKey.h"
#include "game/GameDialogs.h"
#include "game/history/LocalTime.h"

namespace {

// Said after the failure, so the player knows what it does not touch.
const QString kGameGoesOn =
    QStringLiteral("\nThe game goes on; your account in Players.dat is not affected.");

constexpr std::chrono::milliseconds kBusyPause{50};

QString CountOfHands(std::size_t count) {
    return count == 1 ? QStringLiteral("1 hand") : QString::number(count) + " hands";
}

// Said when an outage begins: what waits, and that nothing needs doing.
QString WaitingWords(std::size_t count) {
    if (count == 0) return QStringLiteral("\nIt is tried again at the next hand.");
    return "\n" + CountOfHands(count) + (count == 1 ? " is" : " are") +
           " waiting to be written; the game keeps them and writes them as soon as it can.";
}

// Said when the hands that waited are in the file.
QString WrittenWords(std::int64_t count) {
    const QString again = QStringLiteral("The hand history can be written again");
    if (count == 0) return again + '.';
    return again + ": the " + CountOfHands(static_cast<std::size_t>(count)) +
           (count == 1 ? " that was" : " that were") + " waiting " + (count == 1 ? "is" : "are") +
           " in it now.";
}

}  // namespace

HistoryRecorder::HistoryRecorder(GameContext& ctx, QObject* parent)
    : QObject(parent),
      ctx_(ctx),
      file_(ctx.accountsFile.parent_path() / history::kHistoryFileName) {
    worker_ = std::jthread([this, now = Now()](std::stop_token stop) {
        now_ = now;
        Flush(stop);
        while (TakeJobs(stop, true)) Flush(stop);
        if (!waiting_.empty()) Flush(stop);  // the game ends: a last try
    });
}

HistoryRecorder::~HistoryRecorder() {
    worker_.request_stop();
    if (worker_.joinable()) worker_.join();
}

std::string HistoryRecorder::Now() const {
    return history::LocalTimeText(ctx_.clock.Now());
}

void HistoryRecorder::Push(Job job) {
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

HistoryRecorder::SessionJob HistoryRecorder::NextSession() {
    player_ = std::string(output::TrimSpaces(ctx_.CurrentPlayer.PlayerName));
    sessionId_ = 0;
    return SessionJob{player_, Now(), ++sessionsAsked_};
}

void HistoryRecorder::BeginSession() {
    Push(NextSession());
}

void HistoryRecorder::Record(const history::SettledHand& hand) {
    HandJob job{hand, Now(), std::nullopt};
    if (sessionsAsked_ == 0) job.session = NextSession();
    Push(std::move(job));
}

void HistoryRecorder::NewTable() {
    advisor_.reset();
    {
        const std::lock_guard lock(mutex_);
        workerAdvisor_.reset();
        tablesFailed_ = false;
    }
}

void HistoryRecorder::SetAdvisor(std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor) {
    advisor_ = advisor;
    {
        const std::lock_guard lock(mutex_);
        workerAdvisor_ = std::move(advisor);
    }
    wake_.notify_one();
}

void HistoryRecorder::TablesFailed(const QString& why) {
    {
        const std::lock_guard lock(mutex_);
        tablesFailed_ = true;
    }
    wake_.notify_one();
    Tell(ErrorAbout("value the hands for the hand history", why.toStdString()));
}

// Hands refused for good (values out of range, a damaged file, no tables) are told once a run:
// the player learns that some hands go unrecorded and is not interrupted at every hand.
void HistoryRecorder::Tell(const output::FileError& error) {
    if (problem_.isEmpty()) problem_ = QString::fromStdString(error.Describe());
    if (told_) return;
    told_ = true;
    ShowError(ctx_.dialogs, QString::fromStdString(error.Describe()) + kGameGoesOn);
}

void HistoryRecorder::Deliver(std::function<void()> result) {
    QMetaObject::invokeMethod(this, std::move(result), Qt::QueuedConnection);
}

output::FileError HistoryRecorder::ErrorAbout(std::string action, std::string reason) const {
    return {std::move(action), file_, std::move(reason)};
}

// ---- On the worker ----

// Takes every job that can be done now, waiting for one when `wait`. False once stop is asked
// and nothing can be done: hands that wait for tables are left.
bool HistoryRecorder::TakeJobs(std::stop_token stop, bool wait) {
    std::deque<Job> ready;
    {
        std::unique_lock lock(mutex_);
        const auto canTake = [this] { return !jobs_.empty() && !WaitsForTables(jobs_.front()); };
        if (wait) wake_.wait(lock, stop, canTake);
        while (canTake()) {
            ready.push_back(std::move(jobs_.front()));
            jobs_.pop_front();
        }
    }
    const bool any = !ready.empty();
    for (Job& job : ready) Take(std::move(job));
    return any;
}

bool HistoryRecorder::WaitsForTables(const Job& job) const {
    return std::holds_alternative<HandJob>(job) && !workerAdvisor_ && !tablesFailed_;
}

void HistoryRecorder::Take(Job job) {
    if (auto* session = std::get_if<SessionJob>(&job)) {
        now_ = session->startedAt;
        current_ = std::move(*session);
        return;
    }
    auto& hand = std::get<HandJob>(job);
    if (hand.session) current_ = std::move(*hand.session);
    now_ = hand.playedAt;
    std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor;
    {
        const std::lock_guard lock(mutex_);
        advisor = workerAdvisor_;
    }
    if (!advisor) return;  // the tables failed: told already
    waiting_.push_back({std::move(hand), current_, std::move(advisor)});
}

// Writes what waits. A file held by another copy is tried again at once (each try waits for
// it a while), taking the hands played meanwhile along; other failures that may pass wait for
// the next hand. Once the game ends, one try only.
void HistoryRecorder::Flush(std::stop_token stop) {
    if (gaveUp_) return;
    std::optional<history::WriteFailure> failure = WriteWaiting();
    while (failure && failure->retry == history::Retry::AtOnce && !stop.stop_requested()) {
        BeginOutage(*failure);
        // A pause, in case the file answers "busy" without waiting for it.
        {
            std::unique_lock lock(mutex_);
            (void)wake_.wait_for(lock, stop, kBusyPause, [] { return false; });
        }
        if (stop.stop_requested()) break;
        failure = WriteWaiting();
    }
    if (failure) {
        BeginOutage(*failure);
        gaveUp_ = stop.stop_requested();
    } else {
        EndOutage();
    }
}

// The hands waiting, in order, then the session of the player at the table. During an outage
// the hands played meanwhile join them, so the player hears of them all at once.
std::optional<history::WriteFailure> HistoryRecorder::WriteWaiting() {
    if (auto failure = OpenHistory()) return failure;
    while (outage_ && TakeJobs({}, false)) {
    }
    while (!waiting_.empty()) {
        if (auto failure = WriteHand(waiting_.front())) return failure;
        waiting_.pop_front();
        while (outage_ && TakeJobs({}, false)) {
        }
    }
    std::int64_t id = 0;
    if (current_.number == 0) return std::nullopt;
    auto failure = SessionOf(current_, id);
    if (failure && failure->retry == history::Retry::Never) {
        Refused(*failure);
        return std::nullopt;
    }
    return failure;
}

std::optional<history::WriteFailure> HistoryRecorder::OpenHistory() {
    if (writer_) return std::nullopt;
    history::OpenResult opened = history::HandHistory::Open(file_.parent_path(), now_);
    writer_ = std::move(opened.history);
    if (!opened.notice.empty()) {
        Deliver([this, notice = std::move(opened.notice)] {
            ShowError(ctx_.dialogs, QString::fromStdString(notice));
        });
    }
    if (!writer_) {
        history::WriteFailure failure;
        static_cast<output::FileError&>(failure) = std::move(*opened.error);
        failure.retry = history::Retry::Later;
        return failure;
    }
    Deliver([this, history = std::shared_ptr<const history::HandHistory>(writer_)] {
        history_ = history;
        emit Opened();
    });
    return std::nullopt;
}

// Nothing when the hand was written, or refused for good (and told).
std::optional<history::WriteFailure> HistoryRecorder::WriteHand(const WaitingHand& waiting) {
    std::int64_t id = 0;
    std::optional<history::WriteFailure> failure = SessionOf(waiting.session, id);
    if (!failure) {
        const history::Session session{id, waiting.session.player, waiting.session.startedAt};
        const history::RecordResult row = history::RecordOfHand(session, waiting.job.playedAt,
                                                                waiting.job.hand, *waiting.advisor);
        if (!row.error.empty()) {
            Refused(ErrorAbout("record the hand in the hand history", row.error));
            return std::nullopt;
        }
        failure = writer_->Record(row.record);
    }
    if (failure && failure->retry == history::Retry::Never) {
        Refused(*failure);
        return std::nullopt;
    }
    if (failure) return failure;
    if (outage_) ++writtenInOutage_;
    Deliver([this] {
        ++handsWritten_;
        emit HandWritten();
    });
    return std::nullopt;
}

// The id of the session `job` asked for, writing the session first when it is not yet.
std::optional<history::WriteFailure> HistoryRecorder::SessionOf(const SessionJob& job,
                                                                std::int64_t& id) {
    if (const auto found = sessionIds_.find(job.number); found != sessionIds_.end()) {
        id = found->second;
        return std::nullopt;
    }
    history::SessionResult begun = writer_->BeginSession(job.player, job.startedAt);
    if (begun.error) return std::move(begun.error);
    id = begun.session.id;
    sessionIds_[job.number] = id;
    Deliver([this, number = job.number, id] {
        if (number != sessionsAsked_) return;  // another player sat down meanwhile
        sessionId_ = id;
        emit SessionBegun();
    });
    return std::nullopt;
}

void HistoryRecorder::Refused(const output::FileError& error) {
    Deliver([this, error] { Tell(error); });
}

void HistoryRecorder::BeginOutage(const history::WriteFailure& failure) {
    if (outage_) return;
    outage_ = true;
    writtenInOutage_ = 0;
    const QString text = QString::fromStdString(failure.Describe()) + WaitingWords(waiting_.size());
    Deliver([this, text] {
        problem_ = text;
        ShowError(ctx_.dialogs, text + kGameGoesOn);
    });
}

void HistoryRecorder::EndOutage() {
    if (!outage_) return;
    outage_ = false;
    Deliver([this, text = WrittenWords(writtenInOutage_)] {
        problem_.clear();
        ctx_.dialogs.MessageBox(text, QStringLiteral("Hand History"));
    });
}
