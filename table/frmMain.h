// The game table: the main window, which paints the hand at the table, start-up and leaving.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "game/GameContext.h"
#include "game/TableHand.h"
#include "table/TableDesign.h"
#include "table/TableImages.h"
#include "windows/frmStats.h"

class AuxWindows;
class TableVoice;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window as designed, then runs Form_Load, which asks for the player's name. The
    // window paints `hand` and passes the player's presses to it.
    frmMain(GameContext& ctx, TableHand& hand, AuxWindows& aux);
    ~frmMain() override;

    const TableControls& Controls() const { return c_; }
    const TableImages& Images() const { return images_; }
    frmStats* Stats() const { return stats_; }
    TableVoice& Voice() const { return *voice_; }

    // False when the player gave up at the name prompt: nobody sits at the table.
    bool HasPlayer() const { return playerSeated_; }

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
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void QuitGame();

    void ShowDeal();
    void ShowHold(int slot);
    void ShowDrawn();
    void SettleHand();
    void ShowTable();
    void ShowBalance();
    void ShowPays();
    void Describe();

    void ShowPlayer();
    void ShowStats();
    void FollowPixelRatio();
    void PlaceFrame();

    GameContext& ctx_;
    TableHand& hand_;
    AuxWindows& aux_;
    bool playerSeated_ = true;
    TableImages images_;
    TableControls c_;
    QPointer<frmStats> stats_;
    TableVoice* voice_ = nullptr;
    bool framePlaced_ = false;  // placed again once the frame is known
};
