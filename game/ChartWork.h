// The charts of a pay table for the chart window: read from that table's file in a cache
// folder, or derived on a thread of their own (the full chart in a few seconds, then every
// level) and kept there for the next time.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/ChartSet.h"
#include "engine/analysis/Pays.h"
#include "game/RetiredThreads.h"

class ChartWork : public QObject {
    Q_OBJECT
public:
    // Each table's charts are kept in `cacheFolder` (made when first needed); with none, they
    // are derived every time. A file that cannot be read or written is logged, never told.
    explicit ChartWork(QString cacheFolder, QObject* parent = nullptr);
    // Stops the work in hand (within one carve, merge or audit of a chart) before the results
    // go.
    ~ChartWork() override;

    // The charts of `pays`; what was asked before is dropped. Asking for the pays asked last
    // does nothing. The category tables are built unless `tables` are given.
    void Ask(const modcards::analysis::Pays& pays,
             std::shared_ptr<const modcards::analysis::CategoryTables> tables = nullptr);
    const std::optional<modcards::analysis::Pays>& Asked() const { return pays_; }

    // Null until ChartReady: the full chart alone at first, then every level.
    const modcards::analysis::ChartSet* Charts() const { return charts_ ? &*charts_ : nullptr; }
    bool HasLevels() const { return hasLevels_; }
    // Charts audited so far and how many there are to audit; 0 of 0 while the charts are
    // being written.
    int Done() const { return done_; }
    int Total() const { return total_; }
    const QString& Failure() const { return failure_; }

    // Where the charts of `pays` are kept.
    QString FileOf(const modcards::analysis::Pays& pays) const;

signals:
    void Deriving();    // the charts asked were not kept: they are being derived
    void Progress();    // Done() or Total() changed
    void ChartReady();  // Charts() changed: the full chart, then every level
    void Failed();      // nothing more will come for the pays asked

private:
    void Work(std::stop_token stop, modcards::analysis::Pays pays,
              std::shared_ptr<const modcards::analysis::CategoryTables> tables, unsigned generation,
              QString file);
    void Deliver(unsigned generation, std::function<void()> result);

    QString cacheFolder_;
    std::optional<modcards::analysis::Pays> pays_;
    std::optional<modcards::analysis::ChartSet> charts_;
    bool hasLevels_ = false;
    int done_ = 0, total_ = 0;
    QString failure_;
    unsigned generation_ = 0;  // which Ask the results belong to
    std::jthread worker_;
    RetiredThreads retired_;  // work for pays no longer asked, stopping
};
