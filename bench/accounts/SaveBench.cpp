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

void BM_SeatTakenAfresh(benchmark::State& state) {
    const LargeAccountsFile accounts;
    const std::int32_t position = output::FindPlayer(accounts.file(), kLastName).position;
    for (auto _ : state) {
        output::AccountSeat seat;
        if (seat.Take(accounts.file(), position, kLastName)) state.SkipWithError("not seated");
    }
}

void BM_SeatCheckedAgain(benchmark::State& state) {
    const LargeAccountsFile accounts;
    const std::int32_t position = output::FindPlayer(accounts.file(), kLastName).position;
    output::AccountSeat seat;
    for (auto _ : state) {
        if (seat.Take(accounts.file(), position, kLastName)) state.SkipWithError("not seated");
    }
}

BENCHMARK(BM_SaveLastOf100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SeatTakenAfresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SeatCheckedAgain)->Unit(benchmark::kMicrosecond);

}  // namespace
