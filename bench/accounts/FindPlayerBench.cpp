// Searching a large accounts file: the last of 100,000 accounts, and a name that is not there.
#include <benchmark/benchmark.h>

#include <string>

#include "LargeAccountsFile.h"
#include "accounts/AccountsFile.h"

namespace {

void Search(benchmark::State& state, const std::string& name, bool expectFound) {
    const LargeAccountsFile accounts;
    for (auto _ : state) {
        const output::SearchResult result = output::FindPlayer(accounts.file(), name);
        if (result.error || result.found != expectFound) state.SkipWithError("wrong search result");
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t{kAccounts} * output::kRecordSize);
}

void BM_FindLastOf100000(benchmark::State& state) {
    Search(state, "  PLAYER " + std::to_string(kAccounts - 1), true);
}
void BM_MissOf100000(benchmark::State& state) {
    Search(state, "Nobody", false);
}

BENCHMARK(BM_FindLastOf100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MissOf100000)->Unit(benchmark::kMillisecond);

}  // namespace
