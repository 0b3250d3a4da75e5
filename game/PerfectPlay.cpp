// The perfect-play tables, worked out on a thread of their own.
#include "game/PerfectPlay.h"

#include <QMetaObject>
#include <exception>

#include "engine/analysis/GameAnalysis.h"
#include "game/WorkerThreads.h"

PerfectPlay::PerfectPlay(const modcards::PayTable& payTable, QObject* parent)
    : PerfectPlay(modcards::analysis::GamePays(payTable), parent) {}

PerfectPlay::PerfectPlay(const modcards::analysis::Pays& pays, QObject* parent)
    : QObject(parent), pays_(pays) {}

PerfectPlay::~PerfectPlay() {
    // Joined here, while the object is whole: a result still queued for it is dropped with it.
    worker_.request_stop();
    if (worker_.joinable()) worker_.join();
}

void PerfectPlay::Start() {
    if (worker_.joinable()) return;
    worker_ = std::jthread([this, pays = pays_, generation = generation_,
                            tables = categoryTables_](std::stop_token stop) {
        Work(stop, pays, generation, tables);
        retired_.Finished();
    });
}

void PerfectPlay::SetPays(const modcards::analysis::Pays& pays) {
    const bool started = worker_.joinable();
    if (started) retired_.Retire(std::move(worker_));  // a moved-from thread is empty
    ++generation_;
    pays_ = pays;
    advisor_.reset();
    return_.reset();
    failure_.clear();
    if (started) Start();
}

// Runs on the worker: the results are handed to this object's thread, which alone writes the
// members, so the window reads them without locks.
void PerfectPlay::Work(std::stop_token stop, modcards::analysis::Pays pays, unsigned generation,
                       std::shared_ptr<const modcards::analysis::CategoryTables> tables) {
    using modcards::analysis::HoldAdvisor;
    try {
        auto advisor = tables ? std::make_shared<const HoldAdvisor>(tables, pays)
                              : std::make_shared<const HoldAdvisor>(pays, kWorkerThreads);
        Deliver(generation, [this, advisor] {
            advisor_ = advisor;
            categoryTables_ = advisor->sums().sharedTables();
            emit AdvisorReady();
        });
        if (stop.stop_requested()) return;
        const double gameReturn = modcards::analysis::AnalyzeGame(advisor->sums(), kWorkerThreads)
                                      .expectedReturn.ToDouble();
        Deliver(generation, [this, gameReturn] {
            return_ = gameReturn;
            emit ReturnReady();
        });
    } catch (const std::exception& error) {
        Deliver(generation, [this, why = QString::fromUtf8(error.what())] {
            failure_ = why;
            emit Failed();
        });
    }
}

void PerfectPlay::Deliver(unsigned generation, std::function<void()> result) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, result = std::move(result)] {
            if (generation == generation_) result();
        },
        Qt::QueuedConnection);
}
