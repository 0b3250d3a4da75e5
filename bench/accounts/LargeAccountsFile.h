// A file of 100,000 accounts, "Player 0" to "Player 99999", in a scratch folder removed at the end.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "accounts/RecordCodec.h"

constexpr int kAccounts = 100000;

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
