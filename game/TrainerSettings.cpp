// The trainer's settings, kept between runs.
#include "game/TrainerSettings.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kOnKey = QStringLiteral("trainer/on");
const QString kThresholdKey = QStringLiteral("trainer/threshold");

}  // namespace

TrainerSettings ReadTrainerSettings(const QSettings& settings) {
    TrainerSettings trainer;
    trainer.on = settings.value(kOnKey, false).toBool();
    bool number = false;
    const double threshold = settings.value(kThresholdKey).toDouble(&number);
    // A value edited by hand counts only when it is one the menu offers.
    const auto offered =
        std::find_if(kTrainerThresholds.begin(), kTrainerThresholds.end(),
                     [&](double choice) { return number && std::abs(choice - threshold) < 1e-9; });
    if (offered != kTrainerThresholds.end()) trainer.threshold = *offered;
    return trainer;
}

QString WriteTrainerSettings(QSettings& settings, const TrainerSettings& trainer) {
    settings.setValue(kOnKey, trainer.on);
    settings.setValue(kThresholdKey, trainer.threshold);
    settings.sync();
    switch (settings.status()) {
        case QSettings::NoError:
            return {};
        case QSettings::AccessError:
            return QStringLiteral(
                       "Could not keep the trainer's settings in \"%1\": the file "
                       "cannot be written.")
                .arg(settings.fileName());
        case QSettings::FormatError:
            return QStringLiteral(
                       "Could not keep the trainer's settings in \"%1\": the file "
                       "is not a settings file.")
                .arg(settings.fileName());
    }
    return {};
}

QString ThresholdText(double threshold) {
    return QString::number(threshold, 'g', 3) + QStringLiteral(" credit");
}
