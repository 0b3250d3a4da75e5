// One run of the game: the services, the program-wide state and the main window, made once.
#include "table/GameSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "assets/Fonts.h"
#include "table/StrategyMenu.h"
#include "table/TableHistory.h"
#include "table/frmMain.h"
#include "windows/AuxWindows.h"

namespace {

const QString kAccountsFileName = QStringLiteral("Players.dat");

std::filesystem::path FileIn(const QString& folder) {
    return std::filesystem::path(QDir(folder).filePath(kAccountsFileName).toStdString());
}

std::filesystem::path AccountsFileForThisRun() {
    QCoreApplication::setApplicationName(QStringLiteral("deuceswild"));
    return ChooseAccountsFile(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

}  // namespace

bool DisplayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

std::filesystem::path ChooseAccountsFile(const QString& executableFolder,
                                         const QString& dataFolder) {
    const QFileInfo besideProgram(QDir(executableFolder).filePath(kAccountsFileName));
    if (besideProgram.exists() ? besideProgram.isWritable()
                               : QFileInfo(executableFolder).isWritable())
        return FileIn(executableFolder);
    QDir().mkpath(dataFolder);
    return FileIn(dataFolder);
}

GameSession::GameSession(Dialogs& dialogs)
    : random_(modcards::MakeClockSeededRandom()),
      context_{.CurrentPlayer = {},
               .PlayerFilePos = 1,
               .PayTable = {},
               .accountsFile = AccountsFileForThisRun(),
               .clock = clock_,
               .random = *random_,
               .dialogs = dialogs},
      aux_(std::make_unique<AuxWindows>(dialogs)) {
    window_ = std::make_unique<frmMain>(context_, *aux_);
    strategy_ = std::make_unique<StrategyMenu>(*window_, *aux_, context_);
    history_ = std::make_unique<TableHistory>(*window_, *strategy_, context_);
    // The name prompt, asked while the window is built, uses the desktop's font; the game's own
    // faces load after it, before the table is first painted. Labels resolve their faces when
    // they are drawn, so they pick them up.
    fonts::LoadEmbeddedFonts();
}

GameSession::~GameSession() = default;
