// One hand at the table, from the deal to the saved record: the phase, the cards and their
// replacements, the hold, the stake and the settlement. A window paints what it answers and
// passes on the player's presses; the hand decides, charges, pays, saves and tells.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "accounts/Statistics.h"
#include "engine/Card.h"
#include "engine/PayTable.h"
#include "game/DealSource.h"
#include "game/GameContext.h"
#include "game/ResultDisplay.h"
#include "game/history/SettledHand.h"

enum class HandPhase {
    BetweenHands,  // waiting for a deal; the last hand, if any, still shown
    Holding,       // five cards dealt, holds may be chosen, the draw settles
};

class TableHand : public QObject {
    Q_OBJECT
public:
    // Deals from `source` and plays for the player at the table in `ctx`, at ctx.PayTable unless
    // practising. Both outlive this object.
    TableHand(GameContext& ctx, DealSource& source, QObject* parent = nullptr);

    HandPhase Phase() const { return phase_; }
    bool InPlay() const { return phase_ == HandPhase::Holding; }
    // The card at each table position as the table shows it: dealt, then drawn.
    const modcards::Hand& Shown() const { return shown_; }
    // The hand in table order until the draw; after it, the final hand sorted by value.
    const modcards::Hand& Cards() const { return cards_; }
    modcards::HoldMask Held() const { return held_; }
    bool Holds(int slot) const { return (held_ >> slot) & 1u; }
    int Stake() const { return Pays()[0]; }
    // The table the hand plays: ctx.PayTable, or the practice table while practising.
    const modcards::PayTable& Pays() const { return practice_ ? *practice_ : ctx_.PayTable; }

    // A practice table, between hands only (false during a hand): `table` is played from a
    // balance of its own that starts at `credits`; the account is neither charged, paid nor
    // saved, and the hands are recorded as practice.
    bool StartPractice(const modcards::PayTable& table, std::int32_t credits);
    // Back to the account's table and balance as they were; false during a hand.
    bool LeavePractice();
    bool Practising() const { return practice_.has_value(); }
    // Sets the practice balance to `credits` between hands.
    void RefillPractice(std::int32_t credits);

    // A drill at the account's table, between hands and away from a practice table only: deals
    // come from `source` (which outlives the drill) with their lessons, no stake is charged and
    // nothing paid, the account is not saved, and the hands are recorded as drills.
    bool StartDrill(DealSource& source);
    // Back to the table's own deals; false during a hand.
    bool LeaveDrill();
    bool Drilling() const { return drill_ != nullptr; }

    // What the table shows: the balance as the player sees it, the line under the cards, the
    // caption picture, and the settled hand's row of the pay chart (none after a deal).
    std::int32_t ShownBalance() const { return shownBalance_; }
    const QString& Message() const { return message_; }
    int CaptionPicture() const { return captionPicture_; }
    ChartHalf LitHalf() const { return lit_.chartHalf; }
    int LitPicture() const { return lit_.chartPicture; }

    // Asked at each draw before anything of it happens; when it answers false the draw is not
    // made and the holds stay open. None by default; never asked in a drill.
    void SetDrawCheck(std::function<bool()> check) { drawCheck_ = std::move(check); }

    // The player now at the table (start-up, New Player, Change Player): the shown balance is
    // theirs, and they will hear of their own limits.
    void TakeSeat();
    // Runs New Player or Change Player unless a hand is in play, which its stake's payer must
    // finish first (told in words). True when another account sits at the table.
    bool ChangePlayer(const std::function<bool(GameContext&)>& command);

    // Saves the account at the table; a failure is told in words unless `tell` is false.
    // True when it is saved.
    bool Save(bool tell = true);

    // Charges the stake and deals; false when the stake cannot be charged (told in words).
    bool Deal();
    // Holds or releases the card at `slot` 0..4 while holding; otherwise nothing changes.
    void SetHeld(int slot, bool held);
    void ToggleHold(int slot);
    // Replaces every card not held, settles, records and saves the hand; false when there is
    // no hand to draw or the draw check held it back.
    bool Draw();

signals:
    void Seated();               // another account sits at the table
    void TableChanged();         // a practice table was taken or left; Pays() may differ
    void Refilled();             // the practice balance was set anew
    void DrillChanged();         // a drill was started or left
    void Dealt();                // five cards are on the table and holds may be chosen
    void HoldChanged(int slot);  // the hold of `slot` changed
    void DrawStarting();         // the draw goes ahead; nothing of it has happened yet
    void Drawn();                // the cards not held are replaced
    void ResultReady();          // the settlement is there to show
    // The hand is settled, recorded and saved: the cards in table order as dealt and drawn,
    // with the category and pay it was settled at.
    void Settled(const history::SettledHand& hand);

private:
    bool AccountStake();
    bool PracticeStake();
    void DealCards();
    history::SettledHand DrawCards();
    void Settle(history::SettledHand& hand);
    void ShowResult(const ResultDisplay& row, int pay);
    void ReleaseHolds();

    GameContext& ctx_;
    DealSource& source_;
    std::optional<modcards::PayTable> practice_;  // the practice table, while practising
    DealSource* drill_ = nullptr;                 // while drilling
    std::optional<history::LeakKey> lesson_;      // of the deal on the table
    HandPhase phase_ = HandPhase::BetweenHands;
    bool dealNotSaved_ = false;  // told at the deal, so not again at the draw
    modcards::Hand dealt_{};
    modcards::Hand reserve_{};
    modcards::Hand shown_{};
    modcards::Hand cards_{};
    modcards::HoldMask held_ = 0;
    std::int32_t shownBalance_ = 0;
    QString message_;
    int captionPicture_ = 1;
    ResultDisplay lit_ = ResultDisplayOf(modcards::kNoPayingHand);
    std::function<bool()> drawCheck_;
    output::LimitReport limitsTold_;  // the limits the player at the table has been told of
};
