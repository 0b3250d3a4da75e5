// The bankroll's figures worked out on a thread of their own: perfect play's final hands on
// the table, the player's play as MeasuredPlay models it, and each trip's course hand by hand.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "engine/analysis/HoldAdvisor.h"
#include "engine/analysis/Pays.h"
#include "engine/analysis/RiskOfRuin.h"
#include "game/Bankroll.h"

struct BankrollFigures {
    BankrollAsk ask;
    modcards::analysis::TripCourse yours;
    modcards::analysis::TripCourse perfect;
};

class BankrollWork : public QObject {
    Q_OBJECT
public:
    // `advisor` holds the table's perfect-play tables; `costPerBet` is the expected pay the
    // player gives up a hand, per bet (the history's measure).
    BankrollWork(std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor, double costPerBet,
                 QObject* parent = nullptr);
    // Stops the work in hand (within a hand's step) before the results go.
    ~BankrollWork() override;

    // Works `ask` out, stopping the work in hand first; Ready or Failed follows on this
    // object's thread.
    void Start(const BankrollAsk& ask);
    bool Busy() const { return busy_; }

    // The latest figures, once Ready.
    const std::optional<BankrollFigures>& Figures() const { return figures_; }
    const QString& Failure() const { return failure_; }

signals:
    void Ready();
    void Failed();

private:
    void Stop();
    void Deliver(std::function<void()> result);

    std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor_;
    double costPerBet_ = 0;
    int stake_ = 5;
    std::optional<std::vector<modcards::analysis::PayChance>> perfect_;  // once worked out
    std::optional<BankrollFigures> figures_;
    QString failure_;
    bool busy_ = false;
    std::uint64_t started_ = 0;  // which Start the results answer
    std::jthread worker_;        // last: stopped and joined before the members above go
};
