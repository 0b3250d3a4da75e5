// The game table: the main window, its hand flow, start-up and leaving.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "accounts/Statistics.h"
#include "engine/Card.h"
#include "engine/SettlementTable.h"
#include "game/GameContext.h"
#include "game/history/SettledHand.h"
#include "table/TableDesign.h"
#include "table/TableImages.h"
#include "windows/frmStats.h"

class AuxWindows;
class TableVoice;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window as designed, then runs Form_Load, which asks for the player's name.
    frmMain(GameContext& ctx, AuxWindows& aux);
    ~frmMain() override;

    // The cards of the hand: after the draw Hand is sorted while the pictures keep dealt order.
    struct Cards {
        modcards::Hand Hand{};
        modcards::Hand Reserve{};
    };
    const Cards& HandCards() const { return cards_; }

    const TableControls& Controls() const { return c_; }
    const TableImages& Images() const { return images_; }
    frmStats* Stats() const { return stats_; }
    TableVoice& Voice() const { return *voice_; }

    // False when the player gave up at the name prompt: nobody sits at the table.
    bool HasPlayer() const { return playerSeated_; }

    // True between the deal and the draw, while holds may be chosen.
    bool InDrawPhase() const;
    // Asked at each press of Draw before anything of the draw happens; when it answers false
    // the draw is not made and the holds stay open. None by default.
    void SetDrawCheck(std::function<bool()> check) { drawCheck_ = std::move(check); }

signals:
    void HandDealt();     // five cards are on the table and holds may be chosen
    void DrawStarting();  // the draw goes ahead; nothing of it has happened yet
    // The player held or released the card at `slot`.
    void HoldChanged(int slot);
    // The hand is settled, recorded and saved; every hand in table order, as dealt and drawn.
    void HandSettled(const history::SettledHand& hand);
    void PlayerSeated();  // New Player or Change Player put another account at the table

public slots:
    void cmdDeal_Click();
    void chkHold_Click(int Index);
    void pHand_Click(int Index);
    void cmdEnd_Click();

    void mnuNewPl_Click();
    void mnuChanPl_Click();
    void mnuBackupSt_Click();
    void mnuExit_Click();
    void mnuVwSts_Click();
    void Mnuplayin_Click();
    void MnuRankings_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Connect();
    void AddKeys();
    void SpaceKey();
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void QuitGame();

    void DealPhase();
    void DrawPhase();
    void SettleHand(const modcards::Hand& hand);
    void ShowSettlement(const modcards::SettlementRow& row);
    void AddToShownBalance(int amount);

    void ShowPlayer();
    void SavePlayerReported();
    void ShowStats();
    void FollowPixelRatio();
    void PlaceFrame();

    GameContext& ctx_;
    AuxWindows& aux_;
    bool playerSeated_ = true;
    TableImages images_;
    TableControls c_;
    Cards cards_;
    modcards::Hand shown_{};  // the card each box shows, in table order
    QPointer<frmStats> stats_;
    TableVoice* voice_ = nullptr;
    std::function<bool()> drawCheck_;
    bool framePlaced_ = false;        // placed again once the frame is known
    output::LimitReport limitsTold_;  // the limits the player at the table has been told of
};
