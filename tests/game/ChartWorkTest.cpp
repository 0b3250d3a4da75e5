// A practice table's charts: derived on their own thread, the full chart first, kept in the
// cache folder and read from it the next time; a damaged file is derived afresh and replaced;
// a derivation left behind stops.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <fstream>
#include <iterator>

#include "engine/analysis/GameChart.h"
#include "game/ChartWork.h"
#include "tests/support/RunUntil.h"
#include "tests/support/TestFiles.h"

namespace {

using modcards::analysis::ChartSet;
using modcards::analysis::ChartSetText;
using modcards::analysis::Pays;

const Pays kFullPay = modcards::analysis::PaysPerUnit({800, 200, 25, 15, 9, 5, 3, 2, 2, 1});
// Only four deuces pay: its charts come in seconds, as what is tested is the cache.
const Pays kFourDeuces = modcards::analysis::PaysPerUnit({0, 1, 0, 0, 0, 0, 0, 0, 0, 0});

std::string Bytes(const QString& file) {
    std::ifstream in(file.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ChartWorkCache, ADamagedFileIsDerivedAfreshAndTheNewOneIsReadBackAsDerived) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    ScratchFolder folder;
    const QString cache = QString::fromStdString((folder.path() / "cache" / "charts").string());

    std::string kept;
    {
        ChartWork work(cache);
        // A torn file, as a crash in the middle of another program's write might leave.
        ASSERT_TRUE(QDir().mkpath(cache));
        std::ofstream(work.FileOf(kFourDeuces).toStdString()) << "deuces-wild-charts 3\npays 800";
        int readies = 0, fullChartAlone = 0;
        QObject::connect(&work, &ChartWork::ChartReady, [&] {
            ++readies;
            if (!work.HasLevels()) {
                ++fullChartAlone;
                EXPECT_EQ(work.Charts()->levels.size(), 1u);
            }
        });
        work.Ask(kFourDeuces);
        RunUntil([&] { return work.HasLevels() || !work.Failure().isEmpty(); });
        ASSERT_TRUE(work.Failure().isEmpty()) << work.Failure().toStdString();
        EXPECT_EQ(fullChartAlone, 1);  // the full chart first, before the levels
        EXPECT_EQ(readies, 2);
        EXPECT_EQ(work.Done(), work.Total());
        const ChartSet& charts = *work.Charts();
        ASSERT_EQ(charts.levels.size(), 4u);
        EXPECT_NE(charts.levels.back().chart.Lines(), modcards::analysis::GameChart().Lines());
        kept = Bytes(work.FileOf(kFourDeuces));
        EXPECT_EQ(kept, ChartSetText(kFourDeuces, charts));
    }
    // The next run reads the file: nothing is audited, and the charts are the same.
    ChartWork again(cache);
    int progress = 0;
    QObject::connect(&again, &ChartWork::Progress, [&] { ++progress; });
    again.Ask(kFourDeuces);
    RunUntil([&] { return again.HasLevels(); });
    EXPECT_EQ(progress, 0);
    EXPECT_EQ(ChartSetText(kFourDeuces, *again.Charts()), kept);
}

// The player leaves the table while its full chart is being derived: the work stops without a
// chart, and nothing is kept for the table.
TEST(ChartWorkStop, WorkStoppedWhileDerivingKeepsNothing) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    ScratchFolder folder;
    QString file;
    {
        ChartWork work(QString::fromStdString((folder.path() / "charts").string()));
        file = work.FileOf(kFullPay);
        bool deriving = false;
        QObject::connect(&work, &ChartWork::Deriving, [&] { deriving = true; });
        work.Ask(kFullPay);
        RunUntil([&] { return deriving; });
    }  // the stop, and the wait for the worker
    EXPECT_FALSE(QFile::exists(file));
}

}  // namespace
