// Scratch folders, whole-file reads and a fixed clock for the accounts tests.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "accounts/AccountsFile.h"
#include "accounts/RecordCodec.h"
#include "tests/support/FixedClock.h"

namespace accounts_test {

using Bytes = std::vector<unsigned char>;

// A fresh folder, open to an unprivileged child process, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "accounts-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        ::chmod(path_.c_str(), 0755);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file() const { return path_ / "Players.dat"; }

private:
    std::filesystem::path path_;
};

inline Bytes ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline output::PlayerRecord Named(const std::string& name, std::int16_t credits = 200) {
    return output::NewPlayerRecord(name, credits, FixedClock(45000.25));
}

// Accounts "Player 0", "Player 1", ... whose credits are their numbers.
inline Bytes MakeAccounts(int count) {
    Bytes bytes;
    for (int i = 0; i < count; ++i) {
        const auto one = output::EncodeRecord(Named("Player " + std::to_string(i), i));
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

}  // namespace accounts_test
