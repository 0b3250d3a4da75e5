// Shows the statistics, help, rankings, about and exit windows and saves a picture of each;
// "stay" after the folder keeps them up for a screenshot of the whole screen.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "assets/Fonts.h"
#include "tests/support/ScriptedDialogs.h"
#include "windows/AuxWindows.h"
#include "windows/frmAbout.h"
#include "windows/frmExit.h"
#include "windows/frmRankings.h"
#include "windows/frmStats.h"
#include "windows/frmhelp.h"

namespace {

output::PlayerRecord SampleAccount() {
    output::PlayerRecord record;
    record.PlayerName = "Default Player                ";
    record.DateCreated = 46361.5826;
    record.Credits = -45;
    record.HandsPlayed = 3;
    record.HandsWon = 1;
    record.HandsLost = 2;
    record.FourDeuces = 1;
    record.LastFourDeuces = 46361.6011;
    return record;
}

bool Save(QWidget* window, const QDir& folder, const QString& name) {
    const QString file = folder.filePath(name + ".png");
    const bool saved = window->grab().save(file);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(file));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fonts::LoadEmbeddedFonts();
    const QDir folder(argc > 1 ? argv[1] : ".");
    QDir().mkpath(folder.path());
    const bool stay = argc > 2 && QString(argv[2]) == "stay";

    ScriptedDialogs shell;
    AuxWindows windows(shell);
    auto* stats = new frmStats(nullptr);  // deletes itself when the run closes every window
    stats->Fill(SampleAccount());
    stats->show();
    windows.OpenHelp();
    windows.OpenRankings();
    windows.OpenAbout();
    windows.OpenExit();

    int failures = 0;
    QTimer::singleShot(500, [&] {
        failures += !Save(stats, folder, "stats");
        failures += !Save(windows.Help(), folder, "help");
        failures += !Save(windows.Rankings(), folder, "rankings");
        failures += !Save(windows.About(), folder, "about");
        failures += !Save(windows.Exit(), folder, "exit");
        if (!stay) app.quit();
    });
    if (stay) QTimer::singleShot(15000, &app, &QApplication::quit);
    app.exec();
    return failures == 0 ? 0 : 1;
}
