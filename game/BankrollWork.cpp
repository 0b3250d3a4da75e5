// The bankroll's figures, off the window's thread.
#include "game/BankrollWork.h"

#include <QMetaObject>
#include <exception>

#include "engine/analysis/GameAnalysis.h"
#include "engine/analysis/MeasuredPlay.h"
#include "game/WorkerThreads.h"

BankrollWork::BankrollWork(std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor,
                           double costPerBet, QObject* parent)
    : QObject(parent),
      advisor_(std::move(advisor)),
      costPerBet_(costPerBet),
      stake_(static_cast<int>(advisor_->sums().pays().unit)) {}

BankrollWork::~BankrollWork() {
    Stop();
}

void BankrollWork::Stop() {
    worker_.request_stop();
    if (worker_.joinable()) worker_.join();
}

void BankrollWork::Start(const BankrollAsk& ask) {
    Stop();
    busy_ = true;
    const std::uint64_t number = ++started_;
    worker_ = std::jthread([this, ask, number, advisor = advisor_, cost = costPerBet_,
                            stake = stake_, known = perfect_](std::stop_token stop) {
        using namespace modcards::analysis;
        try {
            // Perfect play's final hands once, ties to the lower variance as the analyser's.
            const std::vector<PayChance> perfect =
                known ? *known
                      : PayChancesOf(
                            advisor->sums().pays(),
                            AnalyzeGame(advisor->sums(), kWorkerThreads, TieBreak::LowerVariance));
            const Trip trip = TripInBets(ask, stake);
            const auto goOn = [&stop] { return !stop.stop_requested(); };
            BankrollFigures figures{ask, CourseOfTrip(WithMeasuredCost(perfect, cost), trip, goOn),
                                    CourseOfTrip(perfect, trip, goOn)};
            if (stop.stop_requested()) return;
            Deliver([this, number, perfect, figures = std::move(figures)] {
                perfect_ = perfect;
                if (number != started_) return;
                figures_ = figures;
                busy_ = false;
                emit Ready();
            });
        } catch (const std::exception& error) {
            Deliver([this, number, why = QString::fromUtf8(error.what())] {
                if (number != started_) return;
                failure_ = why;
                busy_ = false;
                emit Failed();
            });
        }
    });
}

void BankrollWork::Deliver(std::function<void()> result) {
    QMetaObject::invokeMethod(this, std::move(result), Qt::QueuedConnection);
}
