// The perfect-play tables, worked out on a thread of their own.
#include "game/PerfectPlay.h"

#include <QMetaObject>
#include <exception>

#include "engine/analysis/GameAnalysis.h"

namespace {
// The machine is shared with the window; two threads finish the work in well under a second.
constexpr unsigned kThreads = 2;
}  // namespace

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
    worker_ = std::jthread([this](std::stop_token stop) { Work(stop); });
}

// Runs on the worker: the results are handed to this object's thread, which alone writes the
// members, so the window reads them without locks.
void PerfectPlay::Work(std::stop_token stop) {
    try {
        auto advisor = std::make_shared<const modcards::analysis::HoldAdvisor>(pays_, kThreads);
        Deliver([this, advisor] {
            advisor_ = advisor;
            emit AdvisorReady();
        });
        if (stop.stop_requested()) return;
        const double gameReturn =
            modcards::analysis::AnalyzeGame(advisor->sums(), kThreads).expectedReturn.ToDouble();
        Deliver([this, gameReturn] {
            return_ = gameReturn;
            emit ReturnReady();
        });
    } catch (const std::exception& error) {
        Deliver([this, why = QString::fromUtf8(error.what())] {
            failure_ = why;
            emit Failed();
        });
    }
}

void PerfectPlay::Deliver(std::function<void()> result) {
    QMetaObject::invokeMethod(this, std::move(result), Qt::QueuedConnection);
}
