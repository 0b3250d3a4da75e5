// Searching a large accounts file: the last of 100,000 accounts, and a name that is not there.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "accounts/AccountsFile.h"
#include "accounts/RecordCodec.h"

namespace {

constexpr int kAccounts = 100000;

// A file of kAccounts accounts in a scratch folder, removed at the end.
class LargeAccountsFile {
public:
    LargeAccountsFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "bench-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        std::ofstream out(file(), std::ios::binary);
        for (int i = 0; i < kAccounts; ++i) {
            output::PlayerRecord record;
            record.PlayerName = "Player " + std::to_string(i);
            const output::RecordBytes bytes = output::EncodeRecord(record);
            out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        }
    }
    ~LargeAccountsFile() { std::filesystem::remove_all(folder_); }
    std::filesystem::path file() const { return folder_ / "Players.dat"; }

private:
    std::filesystem::path folder_;
};

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
