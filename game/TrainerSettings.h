// The trainer's settings, kept between runs: whether it is on and the cost it questions from.
#pragma once

#include <QSettings>
#include <QString>
#include <array>

#include "game/history/HoldGrade.h"

struct TrainerSettings {
    bool on = false;
    double threshold = history::kCloseCallCredits;  // credits of one stake
    friend bool operator==(const TrainerSettings&, const TrainerSettings&) = default;
};

// The thresholds the Strategy menu offers, the close-call edge first.
inline constexpr std::array<double, 5> kTrainerThresholds = {history::kCloseCallCredits, 0.05, 0.1,
                                                             0.25, 0.5};

// The settings kept in `settings`; what is missing or not one of the offered values reads as
// the default.
TrainerSettings ReadTrainerSettings(const QSettings& settings);

// Keeps them and writes them out at once; why that failed, in words, or empty.
QString WriteTrainerSettings(QSettings& settings, const TrainerSettings& trainer);

// "0.01 credit", "0.5 credit": a threshold as the menu names it.
QString ThresholdText(double threshold);
