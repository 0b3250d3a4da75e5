// One hand at the table, read top to bottom: seat, deal, hold, draw, settle, save.
#include "game/TableHand.h"

#include "engine/Deal.h"
#include "engine/HandEvaluation.h"
#include "game/GameDialogs.h"
#include "game/PlayerAtTable.h"
#include "game/TableMessages.h"

namespace {

constexpr int kCaptionHoldAndDraw = 2;

QString MessageOf(const ResultDisplay& row) {
    return QString::fromUtf8(row.message.data(), qsizetype(row.message.size()));
}

}  // namespace

TableHand::TableHand(GameContext& ctx, DealSource& source, QObject* parent)
    : QObject(parent), ctx_(ctx), source_(source) {
    shownBalance_ = ctx_.CurrentPlayer.Credits;
}

// ---- The player ----

void TableHand::TakeSeat() {
    limitsTold_ = {};
    if (!Practising()) shownBalance_ = ctx_.CurrentPlayer.Credits;
    emit Seated();
}

// ---- Practice ----

bool TableHand::StartPractice(const modcards::PayTable& table, std::int32_t credits) {
    if (InPlay()) return false;
    LeaveDrill();
    practice_ = table;
    shownBalance_ = credits;
    lit_ = ResultDisplayOf(modcards::kNoPayingHand);
    emit TableChanged();
    return true;
}

bool TableHand::LeavePractice() {
    if (InPlay()) return false;
    practice_.reset();
    shownBalance_ = ctx_.CurrentPlayer.Credits;
    lit_ = ResultDisplayOf(modcards::kNoPayingHand);
    emit TableChanged();
    return true;
}

void TableHand::RefillPractice(std::int32_t credits) {
    if (!Practising() || InPlay()) return;
    shownBalance_ = credits;
    emit Refilled();
}

// ---- Drills ----

bool TableHand::StartDrill(DealSource& source) {
    if (InPlay() || Practising()) return false;
    drill_ = &source;
    shownBalance_ = ctx_.CurrentPlayer.Credits;
    lit_ = ResultDisplayOf(modcards::kNoPayingHand);
    emit DrillChanged();
    return true;
}

bool TableHand::LeaveDrill() {
    if (InPlay()) return false;
    if (!drill_) return true;
    drill_ = nullptr;
    lit_ = ResultDisplayOf(modcards::kNoPayingHand);
    emit DrillChanged();
    return true;
}

bool TableHand::ChangePlayer(const std::function<bool(GameContext&)>& command) {
    if (InPlay()) {
        ShowError(ctx_.dialogs, FinishHandFirstText());
        return false;
    }
    if (!command(ctx_)) return false;
    TakeSeat();
    return true;
}

// ---- The deal ----

bool TableHand::Deal() {
    if (InPlay()) return false;
    if (drill_) {
        lit_ = ResultDisplayOf(modcards::kNoPayingHand);
    } else if (!(Practising() ? PracticeStake() : AccountStake())) {
        return false;
    }
    DealCards();
    return true;
}

bool TableHand::AccountStake() {
    if (!output::CanChargeStake(ctx_.CurrentPlayer, Stake())) {
        ShowError(ctx_.dialogs, StakeRefusedText(ctx_.CurrentPlayer.Credits, Stake()));
        return false;
    }
    lit_ = ResultDisplayOf(modcards::kNoPayingHand);
    shownBalance_ -= Stake();
    ctx_.CurrentPlayer.Credits = static_cast<std::int16_t>(ctx_.CurrentPlayer.Credits - Stake());
    // Saved at once, so a crash, a kill or Exit before the draw all end the same way: the stake
    // paid and the hand never played.
    dealNotSaved_ = !Save();
    return true;
}

// The practice balance pays the stake; the account is left alone.
bool TableHand::PracticeStake() {
    if (shownBalance_ < Stake()) {
        ShowError(ctx_.dialogs, PracticeRefillText(shownBalance_, Stake()));
        return false;
    }
    lit_ = ResultDisplayOf(modcards::kNoPayingHand);
    shownBalance_ -= Stake();
    return true;
}

void TableHand::DealCards() {
    const DealtCards dealt = (drill_ ? *drill_ : source_).Deal();
    lesson_ = dealt.lesson;
    dealt_ = shown_ = cards_ = dealt.hand;
    reserve_ = dealt.reserve;
    held_ = 0;
    phase_ = HandPhase::Holding;
    message_ = QStringLiteral("Hold any cards and Draw!");
    captionPicture_ = kCaptionHoldAndDraw;
    emit Dealt();
}

// ---- The hold ----

void TableHand::SetHeld(int slot, bool held) {
    if (!InPlay() || slot < 0 || slot >= 5 || Holds(slot) == held) return;
    held_ = static_cast<modcards::HoldMask>(held_ ^ (1u << slot));
    emit HoldChanged(slot);
}

void TableHand::ToggleHold(int slot) {
    SetHeld(slot, !Holds(slot));
}

// ---- The draw and the settlement ----

bool TableHand::Draw() {
    if (!InPlay()) return false;
    // A drill asks the player alone: the trainer would give the answer away.
    if (drawCheck_ && !drill_ && !drawCheck_()) return false;
    emit DrawStarting();
    history::SettledHand hand = DrawCards();
    Settle(hand);
    phase_ = HandPhase::BetweenHands;
    ReleaseHolds();
    emit Settled(hand);
    return true;
}

// Every position not held takes its own replacement, whatever the others do.
history::SettledHand TableHand::DrawCards() {
    for (int slot = 0; slot < 5; ++slot)
        if (!Holds(slot)) shown_[std::size_t(slot)] = reserve_[std::size_t(slot)];
    cards_ = shown_;
    modcards::SortByValue(cards_);
    emit Drawn();
    history::SettledHand hand{dealt_, held_, shown_};
    hand.payTable = Pays();
    if (Practising()) hand.mode = history::kPracticeMode;
    if (drill_) {
        hand.mode = history::kDrillMode;
        hand.drill = lesson_;
    }
    return hand;
}

// A paying hand shows its result before it is recorded and saved, a losing one after.
void TableHand::Settle(history::SettledHand& hand) {
    const modcards::HandCategory category = modcards::EvaluateHand(cards_);
    const ResultDisplay& row = ResultDisplayOf(category);
    hand.category = category;
    hand.pay = modcards::PayOf(Pays(), category);
    const bool pays = category != modcards::kNoPayingHand;
    if (Practising() || drill_) {
        // A drill stakes nothing, so it pays nothing either.
        ShowResult(row, drill_ ? 0 : hand.pay);
        return;
    }
    if (pays) ShowResult(row, hand.pay);
    const output::LimitReport limits =
        output::RecordHand(ctx_.CurrentPlayer, category, Pays(), ctx_.clock.Now());
    // A balance stopped at its limit shows what the account holds, not what was won.
    if (limits.creditsAtLimit) shownBalance_ = ctx_.CurrentPlayer.Credits;
    Save(!dealNotSaved_);
    if (!pays) ShowResult(row, hand.pay);
    const output::LimitReport untold = LimitsNotYetTold(limits, limitsTold_);
    if (untold.Any()) ShowError(ctx_.dialogs, LimitText(untold));
}

void TableHand::ShowResult(const ResultDisplay& row, int pay) {
    message_ = MessageOf(row);
    shownBalance_ += pay;
    captionPicture_ = row.captionPicture;
    if (row.chartHalf != ChartHalf::None) lit_ = row;
    emit ResultReady();
}

bool TableHand::Save(bool tell) {
    const SaveResult saved = SaveCurrentPlayer(ctx_);
    if (saved.error && tell) ShowFileError(ctx_.dialogs, *saved.error);
    // Another copy of the game had added this account: the balance is now the merged one.
    if (saved.merged) shownBalance_ = ctx_.CurrentPlayer.Credits;
    return !saved.error;
}

// After the hand is over, so that nobody takes the release for the player's.
void TableHand::ReleaseHolds() {
    const modcards::HoldMask released = held_;
    held_ = 0;
    for (int slot = 0; slot < 5; ++slot)
        if ((released >> slot) & 1u) emit HoldChanged(slot);
}
