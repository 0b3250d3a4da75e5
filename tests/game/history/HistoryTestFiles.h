// Scratch folders, whole-file reads, hands written as text and unprivileged children for the
// hand history tests.
#pragma once

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "engine/CardText.h"
#include "game/history/HandRecord.h"
#include "tests/support/ChildProcess.h"

namespace history_test {

// A fresh folder, open to an unprivileged child process, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "history-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        ::chmod(path_.c_str(), 0755);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path history() const { return path_ / "History.db"; }

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

constexpr const char* kNow = "2024-05-01T14:03:22";

// A row as the table would record it; the values need not come from the advisor.
inline history::HandRecord Hand(std::int64_t session, const char* dealt, const char* held,
                                const char* finalHand, double holdEv, double bestEv, int pay = 0) {
    history::HandRecord hand;
    hand.session = session;
    hand.player = "Alice";
    hand.playedAt = kNow;
    hand.dealt = modcards::ParseHand(dealt);
    hand.held = *history::ParseHeld(held);
    hand.bestHeld = hand.held;
    hand.finalHand = modcards::ParseHand(finalHand);
    hand.pay = pay;
    hand.holdEv = holdEv;
    hand.bestEv = bestEv;
    return hand;
}

}  // namespace history_test
