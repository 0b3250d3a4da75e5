// One run of the game, wired in one place.
#include "table/GameSession.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTimer>

#include "assets/Fonts.h"
#include "game/AccountsLocation.h"
#include "game/GameDialogs.h"
#include "table/DrillSeat.h"
#include "table/PracticeSeat.h"
#include "table/StrategyMenu.h"
#include "table/TableHistory.h"
#include "table/frmMain.h"
#include "windows/AuxWindows.h"

namespace {

// Chosen once, before the name prompt; a file beside the program that had to be passed over
// is told to the player first.
std::filesystem::path AccountsFileForThisRun(Dialogs& dialogs) {
    QCoreApplication::setApplicationName(QStringLiteral("deuceswild"));
    const AccountsLocation location =
        ChooseAccountsFile(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!location.notice.isEmpty()) ShowError(dialogs, location.notice);
    return location.file;
}

}  // namespace

bool DisplayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

GameSession::GameSession(Dialogs& dialogs, const std::optional<PracticeTable>& practice, bool drill)
    : random_(modcards::MakeClockSeededRandom()),
      context_(AccountsFileForThisRun(dialogs), clock_, *random_, dialogs),
      dealer_(*random_),
      hand_(context_, dealer_),
      tables_(context_.PayTable),
      aux_(std::make_unique<AuxWindows>(dialogs)) {
    // The desktop's own place for a program's settings (~/.config/deuceswild/deuceswild.conf).
    settings_ =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                    QStringLiteral("deuceswild"), QStringLiteral("deuceswild"));
    context_.settings = settings_.get();
    window_ = std::make_unique<frmMain>(context_, hand_, *aux_);
    // Practice tables' charts, derived once, in the desktop's cache (~/.cache/deuceswild/charts).
    strategy_ = std::make_unique<StrategyMenu>(
        *window_, hand_, tables_, *aux_, dialogs, context_.settings,
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
            QStringLiteral("/charts"));
    history_ =
        std::make_unique<TableHistory>(*window_, hand_, tables_, strategy_->Chart(),
                                       strategy_->Review(), strategy_->BankrollEntry(), context_);
    // The player seated at start-up: their session is in the history from the start.
    if (window_->HasPlayer()) history_->BeginSession();
    practice_ = std::make_unique<PracticeSeat>(*window_, *strategy_->Menu(), hand_, tables_,
                                               dialogs, *settings_);
    drill_ = std::make_unique<DrillSeat>(*window_, *strategy_->Menu(), hand_, tables_,
                                         history_->Recorder(), dialogs, *random_);
    if (practice && window_->HasPlayer()) practice_->Sit(*practice);
    if (drill && window_->HasPlayer()) drill_->Start();
    // The work starts when the event loop first runs: after the window is shown.
    QTimer::singleShot(0, &tables_, &PerfectPlay::Start);
    // The name prompt, asked while the window is built, uses the desktop's font; the game's own
    // faces load after it, before the table is first painted. Labels resolve their faces when
    // they are drawn, so they pick them up.
    fonts::LoadEmbeddedFonts();
}

GameSession::~GameSession() = default;
