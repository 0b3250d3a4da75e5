// A table's charts, read from the cache or derived on a thread of their own.
#include "game/ChartWork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QSaveFile>
#include <exception>

#include "engine/analysis/CategoryTables.h"
#include "engine/analysis/PaySums.h"
#include "game/WorkerThreads.h"

namespace {

Q_LOGGING_CATEGORY(chartCache, "deuceswild.charts")

std::optional<modcards::analysis::ChartSet> ReadKept(const QString& file,
                                                     const modcards::analysis::Pays& pays) {
    QFile kept(file);
    if (!kept.exists()) return std::nullopt;
    if (!kept.open(QIODevice::ReadOnly)) {
        qCWarning(chartCache) << "cannot read" << file << ":" << kept.errorString();
        return std::nullopt;
    }
    const QByteArray text = kept.readAll();
    try {
        return modcards::analysis::ReadChartSet({text.constData(), std::size_t(text.size())}, pays);
    } catch (const std::exception& error) {
        qCWarning(chartCache) << "derived afresh:" << file << "is passed over:" << error.what();
        return std::nullopt;
    }
}

// Written beside and renamed over the file once whole.
void Keep(const QString& file, const modcards::analysis::Pays& pays,
          const modcards::analysis::ChartSet& charts) {
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        qCWarning(chartCache) << "cannot make the folder of" << file;
        return;
    }
    const std::string text = modcards::analysis::ChartSetText(pays, charts);
    QSaveFile saved(file);
    if (!saved.open(QIODevice::WriteOnly) ||
        saved.write(text.data(), qint64(text.size())) != qint64(text.size()) || !saved.commit())
        qCWarning(chartCache) << "cannot keep" << file << ":" << saved.errorString();
}

}  // namespace

ChartWork::ChartWork(QString cacheFolder, QObject* parent)
    : QObject(parent), cacheFolder_(std::move(cacheFolder)) {}

ChartWork::~ChartWork() {
    worker_.request_stop();
    if (worker_.joinable()) worker_.join();
}

QString ChartWork::FileOf(const modcards::analysis::Pays& pays) const {
    if (cacheFolder_.isEmpty()) return {};
    return QDir(cacheFolder_)
        .filePath(QString::fromStdString(modcards::analysis::ChartSetKey(pays)) +
                  QStringLiteral(".chart"));
}

void ChartWork::Ask(const modcards::analysis::Pays& pays,
                    std::shared_ptr<const modcards::analysis::CategoryTables> tables) {
    if (pays_ == pays) return;
    if (worker_.joinable()) retired_.Retire(std::move(worker_));
    ++generation_;
    pays_ = pays;
    charts_.reset();
    hasLevels_ = false;
    done_ = total_ = 0;
    failure_.clear();
    worker_ = std::jthread([this, pays, tables = std::move(tables), generation = generation_,
                            file = FileOf(pays)](std::stop_token stop) {
        Work(stop, pays, tables, generation, file);
        retired_.Finished();
    });
}

// Runs on the worker; only this object's thread writes the members.
void ChartWork::Work(std::stop_token stop, modcards::analysis::Pays pays,
                     std::shared_ptr<const modcards::analysis::CategoryTables> tables,
                     unsigned generation, QString file) {
    using namespace modcards::analysis;
    const auto deliverCharts = [this, generation](ChartSet charts, bool levels) {
        Deliver(generation, [this, charts = std::move(charts), levels]() mutable {
            charts_ = std::move(charts);
            hasLevels_ = levels;
            emit ChartReady();
        });
    };
    if (!file.isEmpty()) {
        if (std::optional<ChartSet> kept = ReadKept(file, pays)) {
            deliverCharts(std::move(*kept), true);
            return;
        }
    }
    try {
        const PaySums sums(tables ? tables : CategoryTables::Build(kWorkerThreads), pays,
                           kWorkerThreads);
        Deliver(generation, [this] { emit Deriving(); });
        const auto progress = [&](const ChartLevel& audited, int done, int total) {
            if (stop.stop_requested()) return false;
            if (done == 1) deliverCharts(FullChartOnly(audited.chart, audited.audit), false);
            Deliver(generation, [this, done, total] {
                done_ = done;
                total_ = total;
                emit Progress();
            });
            return true;
        };
        const std::vector<ChartLevel> all =
            ChartLevels(sums, kMinChartLines, kWorkerThreads, progress, stop);
        if (all.empty()) return;  // stopped
        ChartSet charts = PickLevels(all);
        if (!file.isEmpty()) Keep(file, pays, charts);
        deliverCharts(std::move(charts), true);
    } catch (const std::exception& error) {
        Deliver(generation, [this, why = QString::fromUtf8(error.what())] {
            failure_ = why;
            emit Failed();
        });
    }
}

void ChartWork::Deliver(unsigned generation, std::function<void()> result) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, result = std::move(result)] {
            if (generation == generation_) result();
        },
        Qt::QueuedConnection);
}
