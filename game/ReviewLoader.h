// The session review read on a thread of its own, with its own connection to History.db, so
// that the table never waits for a history of any size: a review afresh, then only the hands
// recorded since, to fold into it.
#pragma once

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "game/history/ReviewReader.h"

class ReviewLoader : public QObject {
    Q_OBJECT
public:
    // What the answers are given to, on this object's thread.
    struct Answers {
        std::function<void(history::ReviewResult)> loaded;  // a review afresh
        // The tables a player has played at, as ReadTables asked.
        std::function<void(history::TablesResult)> tables;
        // The hands recorded since, and the leaks of the review with them folded in.
        std::function<void(history::HandsResult, history::Leaks)> added;
        // An export finished: nothing when the file was written whole, else why not.
        std::function<void(std::optional<output::FileError>)> exported;
    };

    // Reads `file` (made by HandHistory::Open), each hand staking `stake` credits.
    ReviewLoader(std::filesystem::path file, int stake, Answers answers, QObject* parent = nullptr);
    // Waits for the read in hand; answers not given yet are dropped.
    ~ReviewLoader() override;

    // Reads the review of `hands` afresh, holds graded and mistakes grouped by `grading` (its
    // chart kept by the caller while this lives). Answers to earlier requests not given yet are
    // dropped.
    void Load(history::ReviewedHands hands, history::GradingChart grading = history::GameGrading());
    // Reads the tables `player` has played at (ReviewReader::Tables): answered through `tables`
    // whatever is loaded or cancelled meanwhile, in the order asked.
    void ReadTables(std::string player);
    // Reads the hands of the last Load recorded after the last hand read: a hand or two.
    // Nothing after Cancel.
    void LoadNewer();
    // Drops the answers not given yet, but an export's and the tables'.
    void Cancel();
    // Writes every column of every hand of `hands` to `to` as CSV (ReviewReader::Csv), whole
    // or not at all; answered through `exported`, whatever is loaded meanwhile.
    void Export(history::ReviewedHands hands, std::filesystem::path to);

    // Reviews read afresh and rows read so far, as the worker last told: the cost shows here.
    std::int64_t ReviewsRead() const { return reviewsRead_; }
    std::int64_t RowsRead() const { return rowsRead_; }

private:
    enum class Kind { Afresh, Newer, Export, Tables };
    struct Job {
        Kind kind;  // a review afresh, the hands since, or an export
        history::ReviewedHands hands;
        history::GradingChart grading;
        std::uint64_t load;        // the Load it belongs to
        std::filesystem::path to;  // for an export
    };

    void Work(std::stop_token stop);
    void Run(const Job& job);
    void RunExport(const Job& job);
    void Push(Job job);
    static bool Droppable(Kind kind);  // a read a newer review afresh makes useless

    const int stake_;
    const Answers answers_;
    // On this object's thread.
    std::uint64_t loads_ = 0;
    bool extending_ = false;  // the last Load stands
    std::atomic<std::int64_t> reviewsRead_ = 0, rowsRead_ = 0;

    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<Job> jobs_;  // under mutex_

    // The worker's own.
    history::ReviewReader reader_;
    history::ReviewedHands hands_;
    history::GradingChart grading_;
    std::int64_t lastHand_ = 0;
    history::Leaks leaks_;  // of the review read last, with the hands since

    std::jthread worker_;  // last: stopped and joined before the members above go
};
