// Scratch folders and whole-file reads for the accounts tests.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "accounts/AccountsFile.h"
#include "accounts/Clock.h"
#include "accounts/RecordCodec.h"

namespace accounts_test {

using Bytes = std::vector<unsigned char>;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "accounts-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        ::chmod(path_.c_str(), 0755);  // open to an unprivileged child process
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
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
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

class FixedClock final : public output::Clock {
  public:
    explicit FixedClock(output::OleDate now) : now_(now) {}
    output::OleDate Now() const override { return now_; }

  private:
    output::OleDate now_;
};

// A file of accounts named "Player 0", "Player 1", ... with credits equal to their number.
inline Bytes MakeAccounts(int count) {
    Bytes bytes;
    for (int i = 0; i < count; ++i) {
        output::PlayerRecord record;
        record.PlayerName = "Player " + std::to_string(i);
        record.Credits = static_cast<std::int16_t>(i);
        const output::RecordBytes one = output::EncodeRecord(record);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

}  // namespace accounts_test
