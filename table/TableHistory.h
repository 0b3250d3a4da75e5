// The hand history at the table: every settled hand and every player seated goes to the
// recorder, the perfect-play tables value the hands, Strategy -> Session Review opens the
// review of the player at the table, read on a thread of its own and kept up to date hand by
// hand, and Strategy -> Bankroll their chances of lasting.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <thread>

#include "game/GameContext.h"
#include "game/HistoryRecorder.h"
#include "game/PerfectPlay.h"
#include "game/ReviewLoader.h"
#include "game/TableHand.h"
#include "table/TableChart.h"
#include "windows/BankrollWindow.h"
#include "windows/frmReview.h"

class frmMain;

class TableHistory : public QObject {
    Q_OBJECT
public:
    // Starts opening the history; `openReview` and `openBankroll` are the menu entries of the
    // review and the bankroll; a practice table reviewed alone is graded by its chart from
    // `chart` once in play. Everything given outlives this object. A session begins with
    // BeginSession, with each player seated later, or else with the first hand settled.
    TableHistory(frmMain& window, const TableHand& hand, const PerfectPlay& tables,
                 const TableChart& chart, QAction* openReview, QAction* openBankroll,
                 GameContext& ctx);
    ~TableHistory() override;

    // A session for the player now at the table, from now on.
    void BeginSession() { recorder_.BeginSession(); }

    const HistoryRecorder& Recorder() const { return recorder_; }
    frmReview* Review() const { return review_; }           // the open review window, or nullptr
    BankrollWindow* Bankroll() const { return bankroll_; }  // the open bankroll window, or nullptr
    const ReviewLoader* Loader() const { return loader_.get(); }  // null until the file is open

public slots:
    void ShowReview();
    void ShowBankroll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;  // the table closing

private:
    void StartLoader();
    void Ask(ReviewScope scope);  // the review window's source
    // The review's choice of tables: the one in play, every other the player has played at,
    // and all of them.
    void OfferTables();
    void NotePlayed(const std::vector<std::string>& tables);  // each not known yet
    std::string ChosenPays() const;  // the pays of the table chosen; empty for all tables
    // The hands of `scope` at the table the review has chosen.
    history::ReviewedHands HandsOf(ReviewScope scope, std::int64_t session) const;
    // The chart of the table chosen when it is in play, else the game's.
    history::GradingChart Grading() const;
    void FollowChart();  // the chart in play has come: a review of its table is graded by it
    void ExportHands(ReviewScope scope);
    void Exported(const std::optional<output::FileError>& error);
    ReviewPage PageOf(history::SessionReview review, history::Leaks leaks,
                      const std::optional<output::FileError>& error) const;
    void RefreshReview();
    void FoldNewHands();
    void OpenBankroll(BankrollSetup setup);

    frmMain& window_;
    const TableHand& hand_;
    const PerfectPlay& tables_;
    const TableChart& chart_;
    GameContext& ctx_;
    // The pays of the tables `playedBy_` has played at: read once, then each hand's added.
    std::vector<std::string> played_;
    std::string playedBy_;
    HistoryRecorder recorder_;
    QPointer<frmReview> review_;
    std::unique_ptr<ReviewLoader> loader_;
    QPointer<BankrollWindow> bankroll_;
    std::jthread measuring_;  // reads the player's measured play for the bankroll
};
