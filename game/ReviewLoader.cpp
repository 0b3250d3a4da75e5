// The session review's reads: queued on this object's thread, done in order on the worker.
#include "game/ReviewLoader.h"
#include "game/PathText.h"

#include <QMetaObject>
#include <QSaveFile>
#include <utility>

ReviewLoader::ReviewLoader(std::filesystem::path file, int stake, Answers answers, QObject* parent)
    : QObject(parent), stake_(stake), answers_(std::move(answers)), reader_(std::move(file)) {
    worker_ = std::jthread([this](std::stop_token stop) { Work(stop); });
}

ReviewLoader::~ReviewLoader() {
    worker_.request_stop();
    if (worker_.joinable()) worker_.join();
}

void ReviewLoader::Load(history::ReviewedHands hands, history::GradingChart grading) {
    extending_ = true;
    Push({Kind::Afresh, std::move(hands), std::move(grading), ++loads_, {}});
}

void ReviewLoader::LoadNewer() {
    if (extending_) Push({Kind::Newer, {}, {}, loads_, {}});
}

void ReviewLoader::ReadTables(std::string player) {
    Push({Kind::Tables, {std::move(player)}, {}, 0, {}});
}

void ReviewLoader::Cancel() {
    extending_ = false;
    ++loads_;
    const std::lock_guard lock(mutex_);
    std::erase_if(jobs_, [](const Job& job) { return Droppable(job.kind); });
}

void ReviewLoader::Export(history::ReviewedHands hands, std::filesystem::path to) {
    Push({Kind::Export, std::move(hands), {}, 0, std::move(to)});
}

bool ReviewLoader::Droppable(Kind kind) {
    return kind == Kind::Afresh || kind == Kind::Newer;
}

void ReviewLoader::Push(Job job) {
    {
        const std::lock_guard lock(mutex_);
        // A review afresh makes every read queued before it useless; exports and tables still
        // stand.
        if (job.kind == Kind::Afresh)
            std::erase_if(jobs_, [](const Job& queued) { return Droppable(queued.kind); });
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
    if (job.kind == Kind::Export) {
        RunExport(job);
        return;
    }
    if (job.kind == Kind::Tables) {
        history::TablesResult tables = reader_.Tables(job.hands.player);
        rowsRead_ = reader_.RowsRead();
        QMetaObject::invokeMethod(
            this,
            [this, tables = std::move(tables)]() mutable {
                if (answers_.tables) answers_.tables(std::move(tables));
            },
            Qt::QueuedConnection);
        return;
    }
    const auto deliver = [this, load = job.load](auto answer, auto... results) {
        QMetaObject::invokeMethod(
            this,
            [this, load, answer, ... results = std::move(results)]() mutable {
                if (load == loads_) answer(std::move(results)...);
            },
            Qt::QueuedConnection);
    };
    if (job.kind == Kind::Afresh) {
        hands_ = job.hands;
        grading_ = job.grading;
        history::ReviewResult result = reader_.Review(hands_, stake_, grading_);
        lastHand_ = result.review.lastHand;
        leaks_ = result.leaks;
        ++reviewsRead_;
        rowsRead_ = reader_.RowsRead();
        deliver(answers_.loaded, std::move(result));
        return;
    }
    history::HandsResult result = reader_.HandsAfter(hands_, lastHand_);
    if (!result.hands.empty()) lastHand_ = result.hands.back().id;
    for (const history::HandRecord& hand : result.hands) leaks_.Fold(hand, grading_);
    rowsRead_ = reader_.RowsRead();
    deliver(answers_.added, std::move(result), leaks_);
}

// Written beside the target and renamed over it once whole, so a failure leaves it as it was.
void ReviewLoader::RunExport(const Job& job) {
    std::optional<output::FileError> error;
    history::CsvResult csv = reader_.Csv(job.hands);
    rowsRead_ = reader_.RowsRead();
    if (csv.error) {
        error = std::move(csv.error);
    } else {
        QSaveFile file(PathText(job.to));
        const bool written =
            file.open(QIODevice::WriteOnly) &&
            file.write(csv.text.data(), qint64(csv.text.size())) == qint64(csv.text.size()) &&
            file.commit();
        if (!written)
            error = output::FileError{"export the hands", job.to, file.errorString().toStdString()};
    }
    QMetaObject::invokeMethod(
        this,
        [this, error = std::move(error)] {
            if (answers_.exported) answers_.exported(error);
        },
        Qt::QueuedConnection);
}
