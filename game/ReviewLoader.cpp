// The session review's reads: queued on this object's thread, done in order on the worker.
#include "game/ReviewLoader.h"

#include <QMetaObject>
#include <utility>

#include "engine/analysis/GameChart.h"

ReviewLoader::ReviewLoader(std::filesystem::path file, int stake, Answers answers, QObject* parent)
    : QObject(parent),
      stake_(stake),
      answers_(std::move(answers)),
      reader_(std::move(file), &modcards::analysis::GameChart()) {
    worker_ = std::jthread([this](std::stop_token stop) { Work(stop); });
}

ReviewLoader::~ReviewLoader() {
    worker_.request_stop();
    if (worker_.joinable()) worker_.join();
}

void ReviewLoader::Load(history::ReviewedHands hands) {
    extending_ = true;
    Push({true, std::move(hands), ++loads_});
}

void ReviewLoader::LoadNewer() {
    if (extending_) Push({false, {}, loads_});
}

void ReviewLoader::Cancel() {
    extending_ = false;
    ++loads_;
    const std::lock_guard lock(mutex_);
    jobs_.clear();
}

void ReviewLoader::Push(Job job) {
    {
        const std::lock_guard lock(mutex_);
        // A review afresh makes every read queued before it useless.
        if (job.afresh) jobs_.clear();
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void ReviewLoader::Work(std::stop_token stop) {
    while (!stop.stop_requested()) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return !jobs_.empty(); })) return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        Run(job);
    }
}

// Jobs run in the order queued, so the hands since always follow the review they extend.
void ReviewLoader::Run(const Job& job) {
    const auto deliver = [this, load = job.load](auto answer, auto... results) {
        QMetaObject::invokeMethod(
            this,
            [this, load, answer, ... results = std::move(results)]() mutable {
                if (load == loads_) answer(std::move(results)...);
            },
            Qt::QueuedConnection);
    };
    if (job.afresh) {
        hands_ = job.hands;
        history::ReviewResult result = reader_.Review(hands_, stake_);
        lastHand_ = result.review.lastHand;
        leaks_ = result.leaks;
        ++reviewsRead_;
        rowsRead_ = reader_.RowsRead();
        deliver(answers_.loaded, std::move(result));
        return;
    }
    history::HandsResult result = reader_.HandsAfter(hands_, lastHand_);
    if (!result.hands.empty()) lastHand_ = result.hands.back().id;
    for (const history::HandRecord& hand : result.hands)
        leaks_.Fold(hand, modcards::analysis::GameChart());
    rowsRead_ = reader_.RowsRead();
    deliver(answers_.added, std::move(result), leaks_);
}
