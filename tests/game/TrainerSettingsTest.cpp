// The trainer's settings kept between runs, in a settings file of the test's own.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "game/TrainerSettings.h"

namespace {

TEST(TrainerSettings, AreReadBackAsWrittenAndDefaultWhenMissingOrOdd) {
    QTemporaryDir dir;
    const QString file = dir.filePath("deuceswild.conf");
    {
        QSettings empty(file, QSettings::IniFormat);
        EXPECT_EQ(ReadTrainerSettings(empty), (TrainerSettings{false, 0.01}));
        EXPECT_EQ(WriteTrainerSettings(empty, {true, 0.25}), "");
    }
    QSettings again(file, QSettings::IniFormat);
    EXPECT_EQ(ReadTrainerSettings(again), (TrainerSettings{true, 0.25}));

    // A threshold the menu does not offer, or no number at all, reads as the default.
    again.setValue("trainer/threshold", 0.3);
    EXPECT_EQ(ReadTrainerSettings(again).threshold, 0.01);
    again.setValue("trainer/threshold", "lots");
    EXPECT_EQ(ReadTrainerSettings(again).threshold, 0.01);
    EXPECT_TRUE(ReadTrainerSettings(again).on);
}

TEST(TrainerSettings, AFileThatCannotBeWrittenIsToldInWords) {
    QTemporaryDir dir;
    // A folder where the file should be: nothing can be written there.
    const QString file = dir.filePath("taken");
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken"));
    QSettings blocked(file, QSettings::IniFormat);
    const QString error = WriteTrainerSettings(blocked, {true, 0.05});
    EXPECT_TRUE(error.startsWith("Could not keep the trainer's settings")) << error.toStdString();
    EXPECT_TRUE(error.contains(file));
}

TEST(TrainerSettings, ThresholdsAreNamedInCredits) {
    EXPECT_EQ(ThresholdText(0.01), "0.01 credit");
    EXPECT_EQ(ThresholdText(0.5), "0.5 credit");
    EXPECT_EQ(kTrainerThresholds.front(), history::kCloseCallCredits);
}

}  // namespace
