// The perfect-play tables of a pay table, worked out once on a thread of their own so the window
// never waits for them.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "engine/PayTable.h"
#include "engine/analysis/HoldAdvisor.h"
#include "game/RetiredThreads.h"

class PerfectPlay : public QObject {
    Q_OBJECT
public:
    explicit PerfectPlay(const modcards::PayTable& payTable, QObject* parent = nullptr);
    // Any other table, its pays per unit bet.
    explicit PerfectPlay(const modcards::analysis::Pays& pays, QObject* parent = nullptr);
    // Waits for the work in hand (a few tenths of a second at most) before the results go.
    ~PerfectPlay() override;

    // Starts the work, once; later calls do nothing. The results arrive on this object's thread.
    void Start();
    // Another table: the results so far go, the work starts again for `pays`, and what the
    // old work still delivers is dropped. Never waits for the old work. The category tables of
    // the first table are kept, so another table's hold values come in milliseconds.
    void SetPays(const modcards::analysis::Pays& pays);
    const modcards::analysis::Pays& Pays() const { return pays_; }

    // Null until AdvisorReady. Its queries take microseconds.
    const modcards::analysis::HoldAdvisor* Advisor() const { return advisor_.get(); }
    // The category tables, which serve every pay table: null until the first AdvisorReady.
    std::shared_ptr<const modcards::analysis::CategoryTables> SharedTables() const {
        return categoryTables_;
    }
    // The same, shared: for a worker thread that may outlive this object.
    std::shared_ptr<const modcards::analysis::HoldAdvisor> SharedAdvisor() const {
        return advisor_;
    }
    // The whole game's return per credit wagered (0.99 for 99%), once ReturnReady.
    std::optional<double> Return() const { return return_; }
    // Why the work stopped short, in words; empty while all is well.
    const QString& Failure() const { return failure_; }

signals:
    void AdvisorReady();
    void ReturnReady();
    void Failed();  // the work stopped; nothing more will be ready

private:
    void Work(std::stop_token stop, modcards::analysis::Pays pays, unsigned generation,
              std::shared_ptr<const modcards::analysis::CategoryTables> tables);
    void Deliver(unsigned generation, std::function<void()> result);

    modcards::analysis::Pays pays_;
    std::shared_ptr<const modcards::analysis::HoldAdvisor> advisor_;
    // Built once and shared with every later table: its hold values then take some 13 ms.
    std::shared_ptr<const modcards::analysis::CategoryTables> categoryTables_;
    std::optional<double> return_;
    QString failure_;
    unsigned generation_ = 0;  // which SetPays the results belong to
    std::jthread worker_;
    RetiredThreads retired_;  // work for tables left, stopping
};
