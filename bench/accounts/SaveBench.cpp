// What a checked save and a seat cost at the last of 100,000 accounts: the save with its name
// check and flush, the seat taken afresh, and the seat checked again as before each save.
#include <benchmark/benchmark.h>

#include <string>

#include "LargeAccountsFile.h"
#include "accounts/AccountSeat.h"
#include "accounts/AccountsFile.h"

namespace {

const std::string kLastName = "Player " + std::to_string(kAccounts - 1);

void BM_SaveLastOf100000(benchmark::State& state) {
    const LargeAccountsFile accounts;
    output::SearchResult last = output::FindPlayer(accounts.file(), kLastName);
    for (auto _ : state) {
        ++last.record.HandsPlayed;
        if (output::SavePlayer(accounts.file(), last.record, last.position)) {
            state.SkipWithError("save refused");
        }
    }
}

// A table's save: the hands since its last save, onto the last of 100,000 accounts.
void BM_SaveHandsLastOf100000(benchmark::State& state) {
    const LargeAccountsFile accounts;
    const output::SearchResult last = output::FindPlayer(accounts.file(), kLastName);
    output::PlayerRecord saved = last.record;
    std::int32_t position = last.position;
    for (auto _ : state) {
        output::PlayerRecord played = saved;
        ++played.HandsPlayed;
        const output::SavedHands result =
            output::SaveHands(accounts.file(), saved, played, position);
        if (result.error) state.SkipWithError("save refused");
        saved = result.record;
        position = result.position;
    }
}

void BM_SeatTakenAfresh(benchmark::State& state) {
    const LargeAccountsFile accounts;
    for (auto _ : state) {
        output::AccountSeat seat;
        if (seat.Take(accounts.file(), kLastName)) state.SkipWithError("not seated");
    }
}

void BM_SeatCheckedAgain(benchmark::State& state) {
    const LargeAccountsFile accounts;
    output::AccountSeat seat;
    for (auto _ : state) {
        if (seat.Take(accounts.file(), kLastName)) state.SkipWithError("not seated");
    }
}

BENCHMARK(BM_SaveLastOf100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveHandsLastOf100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SeatTakenAfresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SeatCheckedAgain)->Unit(benchmark::kMicrosecond);

}  // namespace
