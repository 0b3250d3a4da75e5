// The hand history of one run: the table's side queues, the worker values and writes.
#include "game/HistoryRecorder.h"

#include <QMetaObject>
#include <utility>

#include "accounts/NameKey.h"
#include "game/GameDialogs.h"
#include "game/history/LocalTime.h"

namespace {

// Said after the failure, so the player knows what it does not touch.
const QString kGameGoesOn =
    QStringLiteral("\nThe game goes on; your account in Players.dat is not affected.");

}  // namespace

HistoryRecorder::HistoryRecorder(GameContext& ctx, QObject* parent)
    : QObject(parent),
      ctx_(ctx),
      payTable_(ctx.PayTable),
      stake_(ctx.PayTable[0]),
      file_(ctx.accountsFile.parent_path() / history::kHistoryFileName) {
    BeginSession();
    worker_ = std::jthread([this, now = Now()](std::stop_token stop) {
        Open(now);
        while (std::optional<Job> job = NextJob(stop))
            std::visit([this](auto& j) { Run(j); }, *job);
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

void HistoryRecorder::BeginSession() {
    player_ = std::string(output::TrimSpaces(ctx_.CurrentPlayer.PlayerName));
    sessionId_ = 0;
    Push(SessionJob{player_, Now(), ++sessionsAsked_});
}

void HistoryRecorder::Record(const history::SettledHand& hand) {
    Push(HandJob{hand, Now()});
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

// Only the first failure of the run is told: the player learns once that hands go unrecorded,
// and is not interrupted again at every hand.
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

// The next job that can be done now. Once stop is asked, the jobs that can still be done are
// done, and the hands that wait for tables are left.
std::optional<HistoryRecorder::Job> HistoryRecorder::NextJob(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    const auto ready = [this] { return !jobs_.empty() && !WaitsForTables(jobs_.front()); };
    wake_.wait(lock, stop, ready);
    if (!ready()) return std::nullopt;
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    return job;
}

bool HistoryRecorder::WaitsForTables(const Job& job) const {
    return std::holds_alternative<HandJob>(job) && !workerAdvisor_ && !tablesFailed_;
}

void HistoryRecorder::Open(const std::string& now) {
    history::OpenResult opened = history::HandHistory::Open(file_.parent_path(), now);
    writer_ = std::move(opened.history);
    Deliver([this, history = std::shared_ptr<const history::HandHistory>(writer_),
             notice = std::move(opened.notice), error = std::move(opened.error)] {
        if (!notice.empty()) ShowError(ctx_.dialogs, QString::fromStdString(notice));
        if (error) Tell(*error);
        if (!history) return;
        history_ = history;
        emit Opened();
    });
}

void HistoryRecorder::Run(const SessionJob& job) {
    sessionWanted_ = job;
    session_ = {};
    if (!StartSession()) return;
    Deliver([this, number = job.number, id = session_.id] {
        if (number != sessionsAsked_) return;  // another player sat down meanwhile
        sessionId_ = id;
        emit SessionBegun();
    });
}

// A session that could not be written is tried again at its next hand.
bool HistoryRecorder::StartSession() {
    if (!writer_) return false;
    history::SessionResult begun =
        writer_->BeginSession(sessionWanted_.player, sessionWanted_.startedAt);
    if (begun.error) {
        Deliver([this, error = *begun.error] { Tell(error); });
        return false;
    }
    session_ = std::move(begun.session);
    return true;
}

void HistoryRecorder::Run(const HandJob& job) {
    std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor;
    {
        const std::lock_guard lock(mutex_);
        advisor = workerAdvisor_;
    }
    if (!writer_ || !advisor) return;  // told already
    if (session_.id == 0 && !StartSession()) return;
    const history::RecordResult row =
        history::RecordOfHand(session_, job.playedAt, job.hand, *advisor, payTable_);
    std::optional<output::FileError> error;
    if (!row.error.empty()) {
        error = ErrorAbout("record the hand in the hand history", row.error);
    } else {
        error = writer_->Record(row.record);
    }
    Deliver([this, error] {
        if (error) {
            Tell(*error);
            return;
        }
        ++handsWritten_;
        emit HandWritten();
    });
}
