// A History.db of many hands for the benchmarks, made in a scratch folder: hands as a fair
// player makes them, written in one transaction so that a million take seconds, not minutes.
#pragma once

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "engine/CardText.h"
#include "engine/PayTable.h"
#include "engine/analysis/Combinatorics.h"
#include "game/history/HandHistory.h"
#include "game/history/SettledHand.h"
#include "tests/support/GameAdvisor.h"
#include "tests/support/SettledHands.h"

namespace bench_history {

constexpr const char* kNow = "2024-05-01T14:03:22";

// A scratch folder, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Hands as a fair player makes them: ten cards from a shuffled deck, the best hold nine times
// in ten and any hold otherwise, so the review has mistakes and close calls to sort.
class HandMaker {
public:
    history::SettledHand Next() {
        std::array<int, 52> deck{};
        std::iota(deck.begin(), deck.end(), 0);
        std::shuffle(deck.begin(), deck.end(), random_);
        history::SettledHand hand;
        for (int slot = 0; slot < 5; ++slot) {
            hand.dealt[slot] = modcards::analysis::CardOfIndex(deck[slot]);
            hand.finalHand[slot] = modcards::analysis::CardOfIndex(deck[slot + 5]);
        }
        hand.held = random_() % 10 != 0 ? GameAdvisor().BestHold(hand.dealt) : random_() % 32;
        for (int slot = 0; slot < 5; ++slot)
            if ((hand.held >> slot) & 1u) hand.finalHand[slot] = hand.dealt[slot];
        return SettledByTheTable(hand.dealt, hand.held, hand.finalHand);
    }

private:
    std::mt19937 random_{12};
};

inline history::HandRecord RowOf(const history::Session& session,
                                 const history::SettledHand& hand) {
    return history::RecordOfHand(session, kNow, hand, GameAdvisor()).record;
}

// Writes `hands` hands of `player` in `sessions` sessions into folder/History.db, made by
// HandHistory::Open. The rows repeat 20,000 distinct hands, valued as the game values them.
inline void AddHands(const std::filesystem::path& folder, const std::string& player, int hands,
                     int sessions) {
    std::vector<history::Session> begun;
    {
        auto history = history::HandHistory::Open(folder, kNow).history;
        for (int i = 0; i < sessions; ++i)
            begun.push_back(history->BeginSession(player, kNow).session);
    }
    HandMaker maker;
    std::vector<history::HandRecord> distinct;
    for (int i = 0; i < std::min(hands, 20000); ++i)
        distinct.push_back(RowOf(begun[0], maker.Next()));

    sqlite3* db = nullptr;
    sqlite3_open((folder / history::kHistoryFileName).c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO hands (player, played_at, dealt, held, final, category, pay, "
                       "hold_ev, best_ev, session, best_held) "
                       "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)",
                       -1, &insert, nullptr);
    const auto text = [&](int index, const std::string& value) {
        sqlite3_bind_text(insert, index, value.data(), int(value.size()), SQLITE_TRANSIENT);
    };
    for (int i = 0; i < hands; ++i) {
        const history::HandRecord& hand = distinct[std::size_t(i) % distinct.size()];
        text(1, player);
        text(2, kNow);
        text(3, modcards::FormatCards(hand.dealt));
        text(4, history::HeldText(hand.held));
        text(5, modcards::FormatCards(hand.finalHand));
        sqlite3_bind_int(insert, 6, hand.category);
        sqlite3_bind_int(insert, 7, hand.pay);
        sqlite3_bind_double(insert, 8, hand.holdEv);
        sqlite3_bind_double(insert, 9, hand.bestEv);
        sqlite3_bind_int64(insert, 10, begun[std::size_t(i) * begun.size() / hands].id);
        text(11, history::HeldText(hand.bestHeld));
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

}  // namespace bench_history
