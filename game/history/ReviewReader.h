// The session review read from History.db on a connection of its own, so that a thread other
// than the writer's and the table's can read it: one pass over the numbers of the hands, the
// texts only of the hands the review lists.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/history/DrillBoxes.h"
#include "game/history/GradingChart.h"
#include "game/history/HandHistory.h"

namespace history {

// Which hands a review covers: one session, or every session of a player (of every player when
// the player is empty too), at one table or at all.
struct ReviewedHands {
    ReviewedHands(std::string player = {}, std::int64_t session = 0, std::string pays = {})
        : player(std::move(player)), session(session), pays(std::move(pays)) {}

    std::string player;        // the player, surrounding blanks removed
    std::int64_t session = 0;  // 0: every session of the player
    std::string pays;          // the table's pays as recorded (PaysText); empty: every table
};

struct CsvResult {
    std::string text;
    std::optional<output::FileError> error;  // why nothing could be read, in words
};

struct TablesResult {
    std::string player;
    std::vector<std::string> pays;
    std::optional<output::FileError> error;
};

struct DrillStateResult {
    DrillState state;  // nothing drilled yet in a file of a format before drills
    std::optional<output::FileError> error;
};

// One connection, for the thread that calls it: SQLite's connections are not shared. Opened on
// the first read. No member throws; failures come back in words.
class ReviewReader {
public:
    // Reads `file`, which HandHistory::Open has made; never writes to it. A missing file, one
    // that is no hand history and one of a newer format are refused in words. Given a chart (kept
    // by the caller), a review also groups its mistakes on it (ReviewResult::leaks), with the
    // drills of each group.
    explicit ReviewReader(std::filesystem::path file,
                          const modcards::analysis::StrategyChart* chart = nullptr);
    ~ReviewReader();
    ReviewReader(const ReviewReader&) = delete;
    ReviewReader& operator=(const ReviewReader&) = delete;

    // Why the file cannot be read, in words; nothing when it can.
    std::optional<output::FileError> Check() { return Ready(); }

    // The review of `hands`, each staking `stake` credits: the same figures as ReviewHands of
    // every hand, from one snapshot of the file; drills are left out (HandRecord::Reviewed). A
    // million hands take well under a second. Rows with impossible values are left out and
    // counted in words in `error`.
    ReviewResult Review(const ReviewedHands& hands, int stake);
    // The same, holds graded and mistakes grouped by `grading` (kept by the caller) whatever
    // chart this reader was given; drills are told only with the game's table's chart.
    ReviewResult Review(const ReviewedHands& hands, int stake, const GradingChart& grading);

    // The pays (PaysText) of every table `player` has played a hand at, drills left out, each
    // once in no set order: a pass over the player's rows (tens of milliseconds for 100,000).
    TablesResult Tables(std::string_view player);

    // The player's boxes of spaced repetition and the drills they have answered.
    DrillStateResult Drills(std::string_view player);

    // The hands of `hands` a review counts (no drill's) recorded after hand `after`, in the
    // order recorded, to fold into a review whose lastHand is `after`.
    HandsResult HandsAfter(const ReviewedHands& hands, std::int64_t after);

    // Every column of every hand of `hands`, drills too, as comma-separated values: a header
    // naming the columns the file's table has, in its order, then one line per hand in the
    // order recorded. Texts holding a comma, a quote or a line break are quoted; a number is
    // written as its shortest exact form.
    CsvResult Csv(const ReviewedHands& hands);

    // Rows read so far, every query counted: what a review costs shows here.
    std::int64_t RowsRead() const { return rowsRead_; }

private:
    struct Store;
    std::optional<output::FileError> Ready();
    output::FileError ErrorAbout(std::string reason) const;
    int ReadTallies(const ReviewedHands& hands, Leaks& leaks);  // the step's last code
    ReviewResult Read(const ReviewedHands& hands, int stake, const GradingChart& grading,
                      bool group);

    std::filesystem::path file_;
    const modcards::analysis::StrategyChart* chart_;
    std::unique_ptr<Store> store_;
    std::int64_t rowsRead_ = 0;
};

}  // namespace history
