// The hand history at the table: every settled hand and every player seated goes to the
// recorder, the perfect-play tables value the hands, and Strategy -> Session Review opens the
// review of the player at the table.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "game/GameContext.h"
#include "game/HistoryRecorder.h"
#include "game/PerfectPlay.h"
#include "game/TableHand.h"
#include "windows/frmReview.h"

class frmMain;

class TableHistory : public QObject {
    Q_OBJECT
public:
    // Starts the history for the player already at the table; `openReview` is the menu entry
    // of the review. Everything given outlives this object.
    TableHistory(frmMain& window, const TableHand& hand, const PerfectPlay& tables,
                 QAction* openReview, GameContext& ctx);
    ~TableHistory() override;

    const HistoryRecorder& Recorder() const { return recorder_; }
    frmReview* Review() const { return review_; }  // the open review window, or nullptr

public slots:
    void mnuReview_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;  // the table closing

private:
    ReviewPage PageOf(ReviewScope scope) const;
    void RefreshReview();  // soon: hands written together refresh the review once

    frmMain& window_;
    HistoryRecorder recorder_;
    QPointer<frmReview> review_;
    QTimer refresh_;
};
