// The hand history at the table: every settled hand and every player seated goes to the
// recorder, the Strategy menu's tables value the hands, Strategy -> Session Review opens
// the review of the player at the table and Strategy -> Bankroll their chances of lasting.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "game/GameContext.h"
#include "game/HistoryRecorder.h"
#include "game/PerfectPlay.h"
#include "windows/frmBankroll.h"
#include "windows/frmReview.h"

class StrategyMenu;
class frmMain;

class TableHistory : public QObject {
    Q_OBJECT
public:
    // Starts the history for the player already at the table. The window, the menu and `ctx`
    // outlive this object.
    TableHistory(frmMain& window, StrategyMenu& strategy, GameContext& ctx);
    ~TableHistory() override;

    const HistoryRecorder& Recorder() const { return recorder_; }
    frmReview* Review() const { return review_; }        // the open review window, or nullptr
    frmBankroll* Bankroll() const { return bankroll_; }  // the open bankroll window, or nullptr

public slots:
    void mnuReview_Click();
    void mnuBankroll_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;  // the table closing

private:
    ReviewPage PageOf(ReviewScope scope) const;
    void RefreshReview();  // soon: hands written together refresh the review once

    frmMain& window_;
    const PerfectPlay& tables_;
    HistoryRecorder recorder_;
    QPointer<frmReview> review_;
    QPointer<frmBankroll> bankroll_;
    QTimer refresh_;
};
