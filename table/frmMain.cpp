// The game table: the window's handlers read the controls, call the engine and the accounts,
// and show the results.
#include "table/frmMain.h"

#include <QCloseEvent>
#include <QShortcut>

#include "accounts/Statistics.h"
#include "accounts/StatsText.h"
#include "controls/AccessibleTree.h"
#include "controls/HeldKeys.h"
#include "controls/OnScreen.h"
#include "controls/ReaderKeys.h"
#include "controls/Twips.h"
#include "engine/Deal.h"
#include "engine/HandEvaluation.h"
#include "engine/PayTable.h"
#include "game/BackupCommand.h"
#include "game/GameDialogs.h"
#include "game/HandFlow.h"
#include "game/PlayerAtTable.h"
#include "game/TableMessages.h"
#include "table/TableSpeech.h"
#include "table/TableVoice.h"
#include "windows/AuxWindows.h"
#include "windows/frmStats.h"

namespace {

const QString kDealTag = QStringLiteral("Deal");
const QString kHitTag = QStringLiteral("Hit");

// The held tint: NOT(pen XOR p) with this pen keeps red and green and flips the six low bits of
// blue, so white becomes light yellow and a second stroke restores every pixel.
const QColor kHeldTint(255, 255, 192);
constexpr int kTintWidth = 1425;  // pixels: one stroke covers the whole card box

// ILother pictures.
constexpr int kDealFace = 2, kDrawFace = 3, kHoldUnlit = 5, kHoldDisabled = 6, kHoldLit = 7;
constexpr int kCaptionHoldAndDraw = 2;
constexpr int kChartUnlit = 1;

bool ValidIndex(int index) {
    return index >= 0 && index < 5;
}

}  // namespace

frmMain::frmMain(GameContext& ctx, AuxWindows& aux) : ctx_(ctx), aux_(aux) {
    a11y::InstallAccessibleTree();
    images_.SetDevicePixelRatio(devicePixelRatioF());
    c_ = BuildTableDesign(*this, images_);
    voice_ = new TableVoice(*this);
    Connect();
    AddKeys();
    KeepOnScreen(*this);
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::Connect() {
    connect(c_.cmdDeal, &PictureButton::clicked, this, &frmMain::cmdDeal_Click);
    connect(c_.cmdEnd, &PictureButton::clicked, this, &frmMain::cmdEnd_Click);
    for (std::size_t i = 0; i < 5; ++i) {
        connect(c_.chkHold[i], &HoldCheckBox::Click, this, &frmMain::chkHold_Click);
        connect(c_.pHand[i], &PictureBox::Click, this, &frmMain::pHand_Click);
    }
    connect(c_.mnuNewPl, &QAction::triggered, this, &frmMain::mnuNewPl_Click);
    connect(c_.mnuChanPl, &QAction::triggered, this, &frmMain::mnuChanPl_Click);
    connect(c_.mnuBackupSt, &QAction::triggered, this, &frmMain::mnuBackupSt_Click);
    connect(c_.mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(c_.mnuVwSts, &QAction::triggered, this, &frmMain::mnuVwSts_Click);
    connect(c_.Mnuplayin, &QAction::triggered, this, &frmMain::Mnuplayin_Click);
    connect(c_.MnuRankings, &QAction::triggered, this, &frmMain::MnuRankings_Click);
    connect(c_.mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
}

// Keys 1..5 act like clicks on the cards; Enter and Space like the deal button. They are the
// table's own: typed in a window over it (even one it owns) they never play. A key held down
// acts once: its repeats would otherwise deal and then draw with no holds, or flip a hold back,
// whether they come to a shortcut or to the focused control.
void frmMain::AddKeys() {
    const auto addKey = [this](int key, auto action) {
        auto* shortcut = new QShortcut(QKeySequence(key), this, action);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    };
    QSet<int> keys{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
    for (int i = 0; i < 5; ++i) {
        addKey(Qt::Key_1 + i, [this, i] { pHand_Click(i); });
        keys.insert(Qt::Key_1 + i);
    }
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) addKey(key, [this] { cmdDeal_Click(); });
    addKey(Qt::Key_Space, [this] { SpaceKey(); });
    new HeldKeys(*this, keys);
    new ReaderKeys(*this);

    c_.cmdDeal->setToolTip(QStringLiteral("Deal, then draw (Enter or Space)"));
    for (int i = 0; i < 5; ++i) {
        const QString key = QString::number(i + 1);
        c_.pHand[i]->setToolTip(QStringLiteral("Click or press %1 to hold this card").arg(key));
        c_.chkHold[i]->setToolTip(QStringLiteral("Hold card %1 (key %1)").arg(key));
        c_.chkHold[i]->setAccessibleName(QStringLiteral("Hold %1").arg(key));
    }
}

// Space deals and draws, except on a focused card or hold button, which it toggles as a
// keyboard user expects.
void frmMain::SpaceKey() {
    for (int i = 0; i < 5; ++i) {
        if (focusWidget() == c_.pHand[i] || focusWidget() == c_.chkHold[i]) {
            pHand_Click(i);
            return;
        }
    }
    cmdDeal_Click();
}

// ---- Start-up and window size ----

void frmMain::Form_Load() {
    PlaceFrame();
    modcards::InitTables(ctx_.PayTable);
    for (std::size_t i = 0; i < 5; ++i) {
        c_.chkHold[i]->SetDisabledPicture(images_.ILother, kHoldDisabled);
        c_.pHand[i]->hide();
        c_.chkHold[i]->setEnabled(false);
    }
    playerSeated_ = SeatAtStartUp(ctx_);
    ShowPlayer();
    c_.cmdDeal->setFocus();
}

void frmMain::Form_Resize() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) return;
    if (centralWidget()->size() != kClientSize) resize(sizeHint());
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

bool frmMain::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) FollowPixelRatio();
    if (event->type() == QEvent::WindowActivate && !framePlaced_) {
        framePlaced_ = true;
        PlaceFrame();
    }
    return QMainWindow::event(event);
}

// The outer frame's top-left corner stands at 372 by 181 twips. Some window systems learn the
// frame's size only once the window is framed and so place the client area there at first,
// which puts the title bar above the screen; the first activation places it again.
void frmMain::PlaceFrame() {
    move(TwipsToPixels(372), TwipsToPixels(181));
}

// Pictures are painted for the screen's pixel ratio; a new ratio repaints every list and
// every control shows its picture again, tints included.
void frmMain::FollowPixelRatio() {
    const qreal dpr = devicePixelRatioF();
    if (dpr == images_.DevicePixelRatio()) return;
    images_.SetDevicePixelRatio(dpr);
    for (QWidget* child : findChildren<QWidget*>()) child->update();
    for (PictureBox* card : c_.pHand) card->Refresh();
}

// A player newly at the table hears of the limits of their own account.
void frmMain::ShowPlayer() {
    limitsTold_ = {};
    c_.lblCredits->setText(QString::number(ctx_.CurrentPlayer.Credits));
    c_.lblPNAME->setText(output::DisplayName(ctx_.CurrentPlayer));
    DescribeTable(c_, shown_);
}

// ---- The hand ----

void frmMain::cmdDeal_Click() {
    if (c_.cmdDeal->Tag == kDealTag) {
        DealPhase();
    } else if (c_.cmdDeal->Tag == kHitTag) {
        if (drawCheck_ && !drawCheck_()) return;
        emit DrawStarting();
        DrawPhase();
    }
}

bool frmMain::InDrawPhase() const {
    return c_.cmdDeal->Tag == kHitTag;
}

void frmMain::DealPhase() {
    const std::int16_t stake = ctx_.PayTable[0];
    if (!output::CanChargeStake(ctx_.CurrentPlayer, stake)) {
        ShowError(ctx_.dialogs, StakeRefusedText(ctx_.CurrentPlayer.Credits, stake));
        return;
    }
    c_.pchartright->SetPicture(images_.ILchartright, kChartUnlit);
    c_.pchartleft->SetPicture(images_.ILchartleft, kChartUnlit);
    AddToShownBalance(-stake);
    ctx_.CurrentPlayer.Credits = static_cast<std::int16_t>(ctx_.CurrentPlayer.Credits - stake);

    const DealtCards dealt = DealTenCards(ctx_.random);
    cards_.Reserve = dealt.reserve;
    for (std::size_t i = 0; i < 5; ++i) {
        c_.pHand[i]->show();
        c_.pHand[i]->SetPicture(CardPicture(images_, dealt.hand[i]));
        cards_.Hand[i] = dealt.hand[i];
        shown_[i] = dealt.hand[i];
    }
    for (HoldCheckBox* hold : c_.chkHold) hold->setEnabled(true);
    for (HoldCheckBox* hold : c_.chkHold) hold->SetValue(0);

    c_.cmdDeal->Tag = kHitTag;
    c_.cmdDeal->SetPicture(images_.ILother, kDrawFace);
    c_.cmdDeal->setFocus();
    c_.lblCon->setText(QStringLiteral("Hold any cards and Draw!"));
    c_.ImgCaption->SetPicture(images_.ILCaption, kCaptionHoldAndDraw);
    DescribeTable(c_, shown_);
    emit HandDealt();
}

void frmMain::DrawPhase() {
    HoldValues holds{};
    history::SettledHand settled{.dealt = cards_.Hand};
    for (std::size_t i = 0; i < 5; ++i) {
        holds[i] = c_.chkHold[i]->Value();
        if (holds[i] != 0) settled.held |= static_cast<history::HeldSlots>(1u << i);
    }
    for (std::size_t i = 0; i < 5; ++i) {
        if (holds[i] != 0) continue;
        c_.pHand[i]->SetPicture(CardPicture(images_, cards_.Reserve[i]));
        shown_[i] = cards_.Reserve[i];
    }
    cards_.Hand = DrawCards(cards_.Hand, cards_.Reserve, holds);
    settled.finalHand = cards_.Hand;
    modcards::SortByValue(cards_.Hand);
    SettleHand(cards_.Hand);
    for (HoldCheckBox* hold : c_.chkHold) {
        hold->setEnabled(false);  // first, so that the player's holds alone are told
        hold->SetValue(0);
    }
    c_.cmdDeal->Tag = kDealTag;
    c_.cmdDeal->SetPicture(images_.ILother, kDealFace);
    c_.cmdDeal->setFocus();
    DescribeTable(c_, shown_);
    emit HandSettled(settled);
}

void frmMain::chkHold_Click(int Index) {
    if (!ValidIndex(Index)) return;
    HoldCheckBox* hold = c_.chkHold[static_cast<std::size_t>(Index)];
    hold->SetPicture(images_.ILother, hold->Value() == 1 ? kHoldLit : kHoldUnlit);

    PictureBox* card = c_.pHand[static_cast<std::size_t>(Index)];
    card->ForeColor = kHeldTint;
    card->DrawMode = PenMode::NotXorPen;
    card->DrawWidth = kTintWidth;
    card->Line(0, 0, kTintWidth, 0);
    DescribeTable(c_, shown_);
    if (hold->isEnabled()) emit HoldChanged(Index);
}

void frmMain::pHand_Click(int Index) {
    if (!ValidIndex(Index)) return;
    HoldCheckBox* hold = c_.chkHold[static_cast<std::size_t>(Index)];
    if (hold->isEnabled()) hold->SetValue(1 - hold->Value());
}

// A paying hand shows its result before it is recorded and saved, a losing one after.
void frmMain::SettleHand(const modcards::Hand& hand) {
    const modcards::HandCategory code = modcards::EvaluateHand(hand);
    const modcards::SettlementRow& row = modcards::SettlementResult(code);
    const bool pays = row.chartHalf != modcards::ChartHalf::None;
    if (pays) ShowSettlement(row);
    const output::LimitReport limits =
        output::RecordHand(ctx_.CurrentPlayer, code, ctx_.PayTable, ctx_.clock.Now());
    // A balance stopped at its limit shows what the account holds, not what was won.
    if (limits.creditsAtLimit) c_.lblCredits->setText(QString::number(ctx_.CurrentPlayer.Credits));
    SavePlayerReported();
    if (!pays) ShowSettlement(row);
    const output::LimitReport untold = LimitsNotYetTold(limits, limitsTold_);
    if (untold.Any()) ShowError(ctx_.dialogs, LimitText(untold));
}

void frmMain::ShowSettlement(const modcards::SettlementRow& row) {
    c_.lblCon->setText(QString::fromUtf8(row.message.data(), qsizetype(row.message.size())));
    if (row.pay != 0) AddToShownBalance(row.pay);
    c_.ImgCaption->SetPicture(images_.ILCaption, row.captionPicture);
    if (row.chartHalf == modcards::ChartHalf::Left)
        c_.pchartleft->SetPicture(images_.ILchartleft, row.chartPicture);
    else if (row.chartHalf == modcards::ChartHalf::Right)
        c_.pchartright->SetPicture(images_.ILchartright, row.chartPicture);
}

void frmMain::AddToShownBalance(int amount) {
    c_.lblCredits->setText(AddToBalanceText(c_.lblCredits->text(), amount));
}

void frmMain::SavePlayerReported() {
    const SaveResult saved = SaveCurrentPlayer(ctx_);
    if (saved.error) ShowFileError(ctx_.dialogs, *saved.error);
    // Another copy of the game had added this account: the balance is now the merged one.
    if (saved.merged) ShowPlayer();
}

// ---- Leaving ----

void frmMain::cmdEnd_Click() {
    QuitGame();
}
void frmMain::mnuExit_Click() {
    QuitGame();
}
void frmMain::Form_Unload() {
    QuitGame();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// Closing the window from here raises Form_Unload, which runs this again inside the first
// call; the second run saves once more and finds everything else already done.
void frmMain::QuitGame() {
    SavePlayerReported();
    aux_.CloseAbout();
    aux_.CloseHelp();
    aux_.CloseRankings();
    if (stats_) stats_->close();
    aux_.OpenExit();
    close();
}

// ---- Menus ----

void frmMain::mnuNewPl_Click() {
    if (!NewPlayerCommand(ctx_)) return;
    ShowPlayer();
    emit PlayerSeated();
}

void frmMain::mnuChanPl_Click() {
    if (!ChangePlayerCommand(ctx_)) return;
    ShowPlayer();
    emit PlayerSeated();
}

void frmMain::mnuBackupSt_Click() {
    BackupStatisticsCommand(ctx_);
}
void frmMain::mnuVwSts_Click() {
    ShowStats();
}
void frmMain::Mnuplayin_Click() {
    aux_.OpenHelp();
}
void frmMain::MnuRankings_Click() {
    aux_.OpenRankings();
}
void frmMain::mnuAbout_Click() {
    aux_.OpenAbout();
}

void frmMain::ShowStats() {
    if (!stats_) {
        stats_ = new frmStats(this);
        stats_->setAttribute(Qt::WA_DeleteOnClose);
    }
    stats_->Fill(ctx_.CurrentPlayer);
    stats_->show();
    stats_->raise();
    stats_->activateWindow();
}
