// Feeds arbitrary bytes as an accounts file to the search, checks it against a record-by-record
// reference, round-trips every whole record through the codec, adds an account to it and saves
// it back, and checks which typed names the file can hold.
// Input: one byte n, then n bytes of typed name, then the file.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "accounts/AccountsFile.h"
#include "accounts/Ansi.h"
#include "accounts/NameKey.h"
#include "accounts/RecordCodec.h"
#include "tests/support/FixedClock.h"
#ifdef FUZZ_TEXTS
#include "accounts/StatsText.h"
#endif

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// A file in memory, reached through a path as the game's file would be.
struct MemoryFile {
    int fd = ::memfd_create("Players.dat", 0);
    std::string path = "/proc/self/fd/" + std::to_string(fd);
    ~MemoryFile() { ::close(fd); }
};

void CheckCodec(const output::RecordBytes& bytes) {
    output::RecordBytes expected = bytes;
    expected[output::offsets::kReserved] = expected[output::offsets::kReserved + 1] = 0;
    const output::PlayerRecord record = output::DecodeRecord(bytes);
    Require(output::EncodeRecord(record) == expected);
#ifdef FUZZ_TEXTS
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    output::DateText(record.DateCreated, locale);
    output::LastWinText(record.LastFourDeuces, locale);
    output::PercentText(record.HandsWon, record.HandsPlayed, locale);
    output::DisplayName(record);
#endif
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t nameLength = std::min<std::size_t>(data[0], size - 1);
    const std::string name(reinterpret_cast<const char*>(data + 1), nameLength);
    const std::uint8_t* file = data + 1 + nameLength;
    const std::size_t fileSize = size - 1 - nameLength;

    MemoryFile memory;
    Require(memory.fd >= 0);
    Require(::write(memory.fd, file, fileSize) == static_cast<ssize_t>(fileSize));

    // The reference: every whole record in order, keyed from its raw name bytes.
    const std::string key = output::SearchKey(name);
    std::int32_t expectedPosition = 1 + static_cast<std::int32_t>(fileSize / 92 * 92);
    for (std::size_t at = 0; at + 92 <= fileSize; at += 92) {
        output::RecordBytes bytes;
        std::copy(file + at, file + at + 92, bytes.begin());
        CheckCodec(bytes);
        const std::string_view rawName(reinterpret_cast<const char*>(file + at), 30);
        if (output::NameKey(rawName) == key && expectedPosition > static_cast<std::int32_t>(at)) {
            expectedPosition = static_cast<std::int32_t>(at) + 1;
        }
    }

    const output::SearchResult search = output::FindPlayer(memory.path, name);
    Require(!search.error);
    Require(search.position == expectedPosition);
    Require(search.found == (static_cast<std::size_t>(expectedPosition) <= fileSize / 92 * 92));

    // Adding the typed name either finds the same account or puts it where the search said.
    const output::SearchResult added =
        output::AddPlayer(memory.path, output::NewPlayerRecord(name, 200, FixedClock()));
    Require(!added.error);
    Require(added.found == search.found && added.position == search.position);
    const output::SearchResult again = output::FindPlayer(memory.path, name);
    Require(again.found && again.position == search.position);

    // Saving checks whose record it replaces: the account's own place takes it, the one before
    // (another account's, or none) refuses it.
    Require(!output::SavePlayer(memory.path, again.record, again.position));
    if (again.position > 92) {
        const auto refused = output::SavePlayer(memory.path, again.record, again.position - 92);
        Require(refused && refused->fault == output::FileFault::AccountNotHere);
    }

    // A typed name is refused exactly when storing it would turn a character into '?'.
    const std::string stored = output::ToAnsi(name);
    const auto marks = [](const std::string& text) {
        return std::count(text.begin(), text.end(), '?');
    };
    Require(output::UnstorableCharacters(name).empty() == (marks(stored) == marks(name)));
    return 0;
}
