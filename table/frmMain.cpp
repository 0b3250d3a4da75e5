// The game table: the window's handlers pass the player's presses to the hand at the table and
// paint what it answers.
#include "table/frmMain.h"

#include <QCloseEvent>

#include "accounts/StatsText.h"
#include "controls/AccessibleTree.h"
#include "controls/OnScreen.h"
#include "controls/Twips.h"
#include "game/BackupCommand.h"
#include "game/PlayerAtTable.h"
#include "table/TableKeys.h"
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

bool ValidIndex(int index) {
    return index >= 0 && index < 5;
}

int ChartPicture(const TableHand& hand, ChartHalf half) {
    return hand.LitHalf() == half ? hand.LitPicture() : TableImages::kChartUnlit;
}

}  // namespace

frmMain::frmMain(GameContext& ctx, TableHand& hand, AuxWindows& aux)
    : ctx_(ctx), hand_(hand), aux_(aux) {
    a11y::InstallAccessibleTree();
    images_.SetDevicePixelRatio(devicePixelRatioF());
    c_ = BuildTableDesign(*this, images_);
    voice_ = new TableVoice(*centralWidget(), hand_);
    Connect();
    AddTableKeys(*this);
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
    connect(&hand_, &TableHand::Seated, this, &frmMain::ShowPlayer);
    connect(&hand_, &TableHand::Dealt, this, &frmMain::ShowDeal);
    connect(&hand_, &TableHand::HoldChanged, this, &frmMain::ShowHold);
    connect(&hand_, &TableHand::Drawn, this, &frmMain::ShowDrawn);
    connect(&hand_, &TableHand::ResultReady, this, &frmMain::SettleHand);
    connect(&hand_, &TableHand::Settled, this, &frmMain::ShowTable);
    connect(&hand_, &TableHand::TableChanged, this, &frmMain::ShowPays);
    connect(&hand_, &TableHand::Refilled, this, &frmMain::ShowBalance);
}

// ---- Start-up and window size ----

void frmMain::Form_Load() {
    PlaceFrame();
    for (std::size_t i = 0; i < 5; ++i) {
        c_.chkHold[i]->SetDisabledPicture(images_.ILother, TableImages::kHoldDisabled);
        c_.pHand[i]->hide();
        c_.chkHold[i]->setEnabled(false);
    }
    playerSeated_ = SeatAtStartUp(ctx_);
    hand_.TakeSeat();
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

void frmMain::ShowPlayer() {
    ShowBalance();
    c_.lblPNAME->setText(output::DisplayName(ctx_.CurrentPlayer));
    Describe();
}

// ---- The hand ----

void frmMain::cmdDeal_Click() {
    if (hand_.InPlay()) {
        hand_.Draw();
    } else {
        hand_.Deal();
    }
}

void frmMain::ShowDeal() {
    for (std::size_t i = 0; i < 5; ++i) {
        c_.pHand[i]->show();
        c_.pHand[i]->SetPicture(CardPicture(images_, hand_.Shown()[i]));
    }
    ShowTable();
}

void frmMain::ShowDrawn() {
    for (int i = 0; i < 5; ++i)
        if (!hand_.Holds(i))
            c_.pHand[std::size_t(i)]->SetPicture(
                CardPicture(images_, hand_.Shown()[std::size_t(i)]));
}

// The result the hand settled at: its line, caption, balance and chart row.
void frmMain::SettleHand() {
    ShowTable();
}

// Everything but the cards as the hand has it: the line and caption, the balance, the pay
// chart's row, and the button's Tag, face and the hold buttons following the phase.
void frmMain::ShowTable() {
    c_.lblCon->setText(hand_.Message());
    c_.ImgCaption->SetPicture(images_.ILCaption, hand_.CaptionPicture());
    ShowBalance();
    c_.pchartright->SetPicture(images_.ILchartright, ChartPicture(hand_, ChartHalf::Right));
    c_.pchartleft->SetPicture(images_.ILchartleft, ChartPicture(hand_, ChartHalf::Left));
    const bool holding = hand_.InPlay();
    for (HoldCheckBox* hold : c_.chkHold) hold->setEnabled(holding);
    c_.cmdDeal->Tag = holding ? kHitTag : kDealTag;
    c_.cmdDeal->SetPicture(images_.ILother,
                           holding ? TableImages::kDrawFace : TableImages::kDealFace);
    c_.cmdDeal->setFocus();
    Describe();
}

// Another table: its pays on the chart, and its balance.
void frmMain::ShowPays() {
    images_.SetPays(hand_.Pays());
    ShowTable();
}

void frmMain::ShowBalance() {
    c_.lblCredits->setText(QString::number(hand_.ShownBalance()));
}

void frmMain::Describe() {
    DescribeTable(c_, hand_.Shown());
}

// The hold button mirrors the hand's hold; a change of its value paints it.
void frmMain::ShowHold(int slot) {
    c_.chkHold[static_cast<std::size_t>(slot)]->SetValue(hand_.Holds(slot) ? 1 : 0);
}

// Raised by every change of a hold button's value, the player's click included.
void frmMain::chkHold_Click(int Index) {
    if (!ValidIndex(Index)) return;
    HoldCheckBox* hold = c_.chkHold[static_cast<std::size_t>(Index)];
    hand_.SetHeld(Index, hold->Value() == 1);
    hold->SetPicture(images_.ILother,
                     hold->Value() == 1 ? TableImages::kHoldLit : TableImages::kHoldUnlit);

    PictureBox* card = c_.pHand[static_cast<std::size_t>(Index)];
    card->ForeColor = kHeldTint;
    card->DrawMode = PenMode::NotXorPen;
    card->DrawWidth = kTintWidth;
    card->Line(0, 0, kTintWidth, 0);
    Describe();
}

void frmMain::pHand_Click(int Index) {
    hand_.ToggleHold(Index);
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
    hand_.Save();
    aux_.CloseAbout();
    aux_.CloseHelp();
    aux_.CloseRankings();
    if (stats_) stats_->close();
    aux_.OpenExit();
    close();
}

// ---- Menus ----

void frmMain::mnuNewPl_Click() {
    hand_.ChangePlayer(NewPlayerCommand);
}

void frmMain::mnuChanPl_Click() {
    hand_.ChangePlayer(ChangePlayerCommand);
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
