// The hand history of one run: History.db beside the accounts file, a session for each player
// seated, and every settled hand valued and written on a thread of its own, so the table never
// waits for the disk or for the perfect-play tables.
#pragma once

#include <QObject>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <variant>

#include "accounts/AccountsFile.h"
#include "engine/analysis/HoldAdvisor.h"
#include "game/GameContext.h"
#include "game/history/HandHistory.h"
#include "game/history/SettledHand.h"

class HistoryRecorder : public QObject {
    Q_OBJECT
public:
    // Starts opening History.db in the folder of ctx.accountsFile. Reads ctx.clock for the
    // times and tells failures through ctx.dialogs, on this object's thread; `ctx` outlives this
    // object. No session begins until BeginSession or the first hand recorded.
    explicit HistoryRecorder(GameContext& ctx, QObject* parent = nullptr);
    // Writes every hand that can be valued, then stops. Hands still waiting for tables that
    // never came are not kept, nor those the file refuses at this last try.
    ~HistoryRecorder() override;

    // A new session for the player now at the table (ctx.CurrentPlayer), from now on.
    void BeginSession();
    // A hand the table has settled, stamped with the time now; valued and written in the
    // background, once the tables are there. Takes microseconds. The first hand of a run begins
    // the session of the player at the table when none has begun.
    void Record(const history::SettledHand& hand);
    // The perfect-play tables, built on GamePays of the table hands are played at: the hands
    // waiting are written.
    void SetAdvisor(std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor);
    // Hands settled from now on are played at another table (a practice table, or the
    // account's again): they wait for SetAdvisor with tables built on its pays.
    void NewTable();
    // The tables could not be made, so no hand can be valued: told once.
    void TablesFailed(const QString& why);

    // The history being written, on this object's thread. Null until the file is open, and when
    // it cannot be; Problem() then says why in words (empty while it is being opened). A
    // history that cannot be opened is tried again at the next hand; a write that fails for
    // the file's sake (another copy holding it too long, a full disk) keeps its hand waiting,
    // in order, until it succeeds or the game ends. The player is told once when such an
    // outage begins, with the hands waiting, and once when they are written.
    const history::HandHistory* History() const { return history_.get(); }
    const QString& Problem() const { return problem_; }
    // The session of the player at the table; 0 until it is written.
    std::int64_t SessionId() const { return sessionId_; }
    // The player at the table as the history names them: surrounding blanks removed.
    const std::string& Player() const { return player_; }
    const modcards::analysis::HoldAdvisor* Advisor() const { return advisor_.get(); }
    // The stake of the account's table, which the review counts in.
    int Stake() const { return ctx_.PayTable[0]; }
    std::int64_t HandsWritten() const { return handsWritten_; }

signals:
    void Opened();        // History() is set
    void SessionBegun();  // SessionId() is set
    void HandWritten();   // one more hand is in the file

private:
    struct SessionJob {
        std::string player;
        std::string startedAt;
        std::uint64_t number = 0;  // which BeginSession asked for it
    };
    struct HandJob {
        history::SettledHand hand;
        std::string playedAt;
        std::optional<SessionJob> session;  // begun with this hand, taken with it
    };
    using Job = std::variant<SessionJob, HandJob>;
    struct WaitingHand {
        HandJob job;
        SessionJob session;  // the player's session when the hand was played
        std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor;  // when it was taken
    };

    // On the worker.
    bool TakeJobs(std::stop_token stop, bool wait);
    bool WaitsForTables(const Job& job) const;  // under mutex_
    void Take(Job job);
    void Flush(std::stop_token stop);
    std::optional<history::WriteFailure> WriteWaiting();
    std::optional<history::WriteFailure> OpenHistory();
    std::optional<history::WriteFailure> WriteHand(const WaitingHand& waiting);
    std::optional<history::WriteFailure> SessionOf(const SessionJob& job, std::int64_t& id);
    void Refused(const output::FileError& error);
    void BeginOutage(const history::WriteFailure& failure);
    void EndOutage();
    output::FileError ErrorAbout(std::string action, std::string reason) const;

    // On this object's thread.
    void Deliver(std::function<void()> result);
    void Tell(const output::FileError& error);
    void Push(Job job);
    SessionJob NextSession();
    std::string Now() const;

    GameContext& ctx_;
    const std::filesystem::path file_;

    // Read and written on this object's thread only.
    std::shared_ptr<const history::HandHistory> history_;
    std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor_;
    QString problem_;
    std::string player_;
    std::int64_t sessionId_ = 0;
    std::uint64_t sessionsAsked_ = 0;
    std::int64_t handsWritten_ = 0;
    bool told_ = false;

    // Shared with the worker, under mutex_.
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<Job> jobs_;
    std::shared_ptr<const modcards::analysis::HoldAdvisor> workerAdvisor_;
    bool tablesFailed_ = false;

    // The worker's own.
    std::shared_ptr<history::HandHistory> writer_;
    std::string now_;                                   // the time of the latest job
    SessionJob current_;                                // the player at the table
    std::map<std::uint64_t, std::int64_t> sessionIds_;  // written sessions, by number
    std::deque<WaitingHand> waiting_;                   // in the order played
    bool outage_ = false;                               // the player was told that hands wait
    std::int64_t writtenInOutage_ = 0;
    bool gaveUp_ = false;  // a last try at the end failed: no more waiting

    std::jthread worker_;  // last: stopped and joined before the members above go
};
