// Real files for tests: a scratch folder, whole-file reads and writes, and accounts to put there.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "accounts/AccountsFile.h"
#include "accounts/RecordCodec.h"
#include "tests/support/FixedClock.h"

// A fresh folder, open to an unprivileged child process, removed with everything in it even
// when a test took its write bits away.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "dwtest-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        ::chmod(path_.c_str(), 0755);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    std::filesystem::path accounts() const { return path_ / "Players.dat"; }

private:
    std::filesystem::path path_;
};

inline std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// A new account as the game makes it, created at one fixed moment.
inline output::PlayerRecord Account(const std::string& name, std::int16_t credits = 200) {
    return output::NewPlayerRecord(name, credits, FixedClock(45000.25));
}

// The records in the accounts file's form, one after another.
inline std::string AccountsBytes(std::initializer_list<output::PlayerRecord> records) {
    std::string bytes;
    for (const auto& record : records) {
        const auto one = output::EncodeRecord(record);
        bytes.append(one.begin(), one.end());
    }
    return bytes;
}

// Accounts "Player 0", "Player 1", ... whose credits are their numbers.
inline std::string NumberedAccounts(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += AccountsBytes({Account("Player " + std::to_string(i), i)});
    return bytes;
}
