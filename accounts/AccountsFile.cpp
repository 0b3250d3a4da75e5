// The accounts file over POSIX calls: block reads for the search, one positioned write per save
// after checking whose record it replaces, a lock on the file around every operation, and every
// failure returned in words.
#include "accounts/AccountsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>

#include "accounts/Ansi.h"
#include "accounts/NameKey.h"
#include "accounts/PosixFile.h"
#include "accounts/RecordCodec.h"
#include "accounts/Statistics.h"

namespace output {
namespace {

// Records read at once by a search: about 750 KB, so 100,000 accounts take a dozen reads.
constexpr std::size_t kBlockRecords = 8192;
// The last byte offset at which a record may start, since positions are 32-bit and 1-based.
constexpr std::int64_t kLastRecordOffset = std::numeric_limits<std::int32_t>::max() - kRecordSize;

// LowerAnsi of every byte, worked out at compile time for the search's inner loop.
constexpr auto kLowerByte = [] {
    std::array<char, 256> table{};
    for (int b = 0; b < 256; ++b) table[b] = LowerAnsi(static_cast<char>(b));
    return table;
}();

// Compares stored name bytes with a search key without building the stored name's key.
bool KeyMatches(const unsigned char* name, const std::string& key) {
    const std::string_view stored(reinterpret_cast<const char*>(name), kNameLength);
    const std::string_view trimmed = TrimSpaces(stored);
    if (trimmed.size() != key.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (kLowerByte[static_cast<unsigned char>(trimmed[i])] != key[i]) return false;
    }
    return true;
}

struct ScanResult {
    bool found = false;
    RecordBytes bytes{};
    std::int64_t offset = 0;  // of the match, or the append offset when none matched
    std::string failure;      // the reason the file could not be read; empty on success
};

// Room for a whole small file, or a large block of a big one; never less than two records so
// that a record cut by the end of a read always fits beside the next one.
std::size_t ReadBufferSize(int fd) {
    struct stat status {};
    const std::size_t size =
        ::fstat(fd, &status) == 0 ? static_cast<std::size_t>(status.st_size) : 0;
    return std::clamp<std::size_t>(size + kRecordSize, 2 * kRecordSize,
                                   kBlockRecords * kRecordSize);
}

// Why the record at `offset` is no account, or an empty text.
std::string ForeignContent(const unsigned char* record, std::int64_t offset) {
    std::string reason = NotAnAccountReason(
        std::span<const unsigned char, kRecordSize>(record, static_cast<std::size_t>(kRecordSize)));
    if (reason.empty()) return reason;
    return "it does not hold accounts: at byte " + std::to_string(offset + 1) + ", " + reason;
}

ScanResult Failed(std::string reason) {
    ScanResult result;
    result.failure = std::move(reason);
    return result;
}

// Reads the file from the start in large blocks until a record's key equals `key` (when given),
// checking that every record read is an account.
ScanResult Scan(int fd, const std::string* key) {
    ScanResult result;
    const std::size_t capacity = ReadBufferSize(fd);
    const auto buffer = std::make_unique_for_overwrite<unsigned char[]>(capacity);
    std::size_t filled = 0;  // bytes in the buffer, starting at the record at `recordOffset`
    std::int64_t recordOffset = 0;
    std::int64_t readOffset = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, buffer.get() + filled, capacity - filled, readOffset);
        if (got < 0) {
            if (errno == EINTR) continue;
            result.failure = SystemReason(errno);
            return result;
        }
        if (got == 0) break;
        readOffset += got;
        filled += static_cast<std::size_t>(got);
        std::size_t at = 0;
        for (; filled - at >= kRecordSize; at += kRecordSize, recordOffset += kRecordSize) {
            if (recordOffset > kLastRecordOffset) {
                result.failure = "the file is larger than 2 GB, more than the game can address";
                return result;
            }
            result.failure = ForeignContent(buffer.get() + at, recordOffset);
            if (!result.failure.empty()) return result;
            if (key && KeyMatches(buffer.get() + at, *key)) {
                result.found = true;
                std::memcpy(result.bytes.data(), buffer.get() + at, kRecordSize);
                result.offset = recordOffset;
                return result;
            }
        }
        // Keep a record cut by the block's end for the next read.
        std::memmove(buffer.get(), buffer.get() + at, filled - at);
        filled -= at;
    }
    // A trailing fragment shorter than a record is where the next account goes.
    if (recordOffset > kLastRecordOffset) {
        result.failure = "the file is larger than 2 GB, more than the game can address";
    }
    result.offset = recordOffset;
    return result;
}

// Writes the record's bytes at `offset` in one positioned write and flushes them to the disk.
std::string WriteRecord(int fd, const RecordBytes& bytes, std::int64_t offset) {
    ssize_t written;
    do {
        written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    } while (written < 0 && errno == EINTR);
    if (written < 0) return SystemReason(errno);
    if (written != static_cast<ssize_t>(bytes.size())) {
        return "only " + std::to_string(written) + " of " + std::to_string(kRecordSize) +
               " bytes could be written";
    }
    if (::fsync(fd) != 0) return SystemReason(errno);
    return {};
}

FileError MakeError(std::string action, const std::filesystem::path& file, std::string reason,
                    FileFault fault = FileFault::System) {
    return FileError{std::move(action), file, std::move(reason), fault};
}

std::string AccountAction(std::string_view verb, std::string_view name) {
    return std::string(verb) + " the account of " + std::string(TrimSpaces(name));
}

std::string PlaceText(std::int64_t offset) {
    return "(byte " + std::to_string(offset + 1) + ")";
}

// Why a save may not write where it was asked to.
struct Refusal {
    FileFault fault;
    std::string reason;
};

// The name bytes of an encoded record, as stored.
std::string_view NameBytes(const RecordBytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(kNameLength)};
}

// Why the account in `bytes` may not be written at `offset` (before the append offset), or
// nothing; on success the stored name bytes replace those in `bytes`, so a name never changes.
std::optional<Refusal> ClaimStoredRecord(int fd, std::int64_t offset, RecordBytes& bytes) {
    RecordBytes stored{};
    const ssize_t got = ReadAt(fd, stored.data(), stored.size(), offset);
    if (got < 0) return Refusal{FileFault::System, SystemReason(errno)};
    if (got != kRecordSize || NameKey(NameBytes(stored)) != NameKey(NameBytes(bytes))) {
        return Refusal{FileFault::AccountNotHere,
                       "the account's place " + PlaceText(offset) +
                           " holds another account; the file may have been replaced"};
    }
    if (std::string reason = ForeignContent(stored.data(), offset); !reason.empty()) {
        return Refusal{FileFault::System, std::move(reason)};
    }
    std::copy_n(stored.begin(), kNameLength, bytes.begin());
    return std::nullopt;
}

// Why the account in `bytes` may not be appended, or nothing: it may be stored already.
std::optional<Refusal> ClaimAppendPosition(int fd, const RecordBytes& bytes) {
    const std::string key = NameKey(NameBytes(bytes));
    const ScanResult scan = Scan(fd, &key);
    if (!scan.failure.empty()) return Refusal{FileFault::System, scan.failure};
    if (!scan.found) return std::nullopt;
    return Refusal{FileFault::AccountNotHere,
                   "the account is stored already, at another place " + PlaceText(scan.offset)};
}

// The size of the file open at `fd`, or -1 with errno.
std::int64_t FileSize(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 ? status.st_size : -1;
}

// Appends a new record at `offset`, the append position; a failed write or flush cuts the file
// back to its old length, so no part of the record stays behind.
std::string AppendRecord(int fd, const RecordBytes& bytes, std::int64_t offset) {
    const std::int64_t oldLength = FileSize(fd);
    if (oldLength < 0) return SystemReason(errno);
    std::string failure = WriteRecord(fd, bytes, offset);
    if (!failure.empty() && TruncateTo(fd, oldLength) != 0) {
        failure += "; what was written of it could not be removed again";
    }
    return failure;
}

// The account of `key` under the file's lock: at `offset` when the record there is its own,
// otherwise wherever a search finds it; the append offset when it is nowhere.
ScanResult Locate(int fd, const std::string& key, std::int64_t offset) {
    const std::int64_t size = FileSize(fd);
    if (size < 0) return Failed(SystemReason(errno));
    if (offset >= 0 && offset % kRecordSize == 0 && offset + kRecordSize <= size) {
        ScanResult here;
        here.offset = offset;
        const ssize_t got = ReadAt(fd, here.bytes.data(), here.bytes.size(), offset);
        if (got < 0) return Failed(SystemReason(errno));
        here.failure = ForeignContent(here.bytes.data(), offset);
        here.found = got == kRecordSize && KeyMatches(here.bytes.data(), key);
        if (here.found || !here.failure.empty()) return here;
    }
    return Scan(fd, &key);
}

}  // namespace

SearchResult FindPlayer(const std::filesystem::path& file, std::string_view name) {
    SearchResult result;
    const std::string action = "search the accounts for " + std::string(TrimSpaces(name));
    OpenedFile opened = OpenRegularFile(file, O_RDONLY);
    if (!opened.handle.valid()) {
        // A missing file holds no accounts: append at position 1.
        if (!opened.missing) result.error = MakeError(action, file, opened.reason);
        return result;
    }
    const int fd = opened.handle.get();
    if (const int error = LockAccounts(fd, false)) {
        result.error = MakeError(action, file, SystemReason(error));
        return result;
    }
    const std::string key = SearchKey(name);
    const ScanResult scan = Scan(fd, &key);
    if (!scan.failure.empty()) {
        result.error = MakeError(action, file, scan.failure);
        return result;
    }
    result.found = scan.found;
    if (scan.found) result.record = DecodeRecord(scan.bytes);
    result.position = static_cast<std::int32_t>(scan.offset + 1);
    return result;
}

PlayerRecord NewPlayerRecord(std::string_view name, std::int32_t credits, const Clock& clock) {
    PlayerRecord record;
    record.PlayerName = StoredName(name);
    record.DateCreated = clock.Now();
    // Every call site passes 200; anything outside 16 bits stops at the nearest limit.
    record.Credits = static_cast<std::int16_t>(
        std::clamp<std::int32_t>(credits, std::numeric_limits<std::int16_t>::min(),
                                 std::numeric_limits<std::int16_t>::max()));
    return record;
}

std::optional<FileError> SavePlayer(const std::filesystem::path& file, const PlayerRecord& record,
                                    std::int32_t position) {
    const std::string action = AccountAction("save", record.PlayerName);
    const std::int64_t offset = std::int64_t{position} - 1;
    if (offset < 0 || offset % kRecordSize != 0) {
        return MakeError(action, file,
                         "position " + std::to_string(position) + " is not the start of a record",
                         FileFault::AccountNotHere);
    }
    OpenedFile opened = OpenRegularFile(file, O_RDWR | O_CREAT);
    if (!opened.handle.valid()) return MakeError(action, file, opened.reason);
    const int fd = opened.handle.get();
    if (const int error = LockAccounts(fd, true)) {
        return MakeError(action, file, SystemReason(error));
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) return MakeError(action, file, SystemReason(errno));
    // Writing past the append position would leave a gap of blank records behind.
    const std::int64_t appendOffset = status.st_size / kRecordSize * kRecordSize;
    if (offset > appendOffset) {
        return MakeError(
            action, file,
            "the account's place " + PlaceText(offset) + " lies past the end of the file",
            FileFault::AccountNotHere);
    }
    RecordBytes bytes = EncodeRecord(record);
    const auto refusal = offset < appendOffset ? ClaimStoredRecord(fd, offset, bytes)
                                               : ClaimAppendPosition(fd, bytes);
    if (refusal) return MakeError(action, file, refusal->reason, refusal->fault);
    std::string failure =
        offset < appendOffset ? WriteRecord(fd, bytes, offset) : AppendRecord(fd, bytes, offset);
    if (!failure.empty()) return MakeError(action, file, std::move(failure));
    if (const int error = opened.handle.Close())
        return MakeError(action, file, SystemReason(error));
    return std::nullopt;
}

SearchResult AddPlayer(const std::filesystem::path& file, const PlayerRecord& record) {
    SearchResult result;
    const std::string action = AccountAction("add", record.PlayerName);
    OpenedFile opened = OpenRegularFile(file, O_RDWR | O_CREAT);
    if (!opened.handle.valid()) {
        result.error = MakeError(action, file, opened.reason);
        return result;
    }
    const int fd = opened.handle.get();
    if (const int error = LockAccounts(fd, true)) {
        result.error = MakeError(action, file, SystemReason(error));
        return result;
    }
    // Under the lock no other copy can add the same name or take the same place meanwhile.
    const std::string key = SearchKey(record.PlayerName);
    const ScanResult scan = Scan(fd, &key);
    if (!scan.failure.empty()) {
        result.error = MakeError(action, file, scan.failure);
        return result;
    }
    result.position = static_cast<std::int32_t>(scan.offset + 1);
    if (scan.found) {
        result.found = true;
        result.record = DecodeRecord(scan.bytes);
        return result;
    }
    const RecordBytes bytes = EncodeRecord(record);
    std::string failure = AppendRecord(fd, bytes, scan.offset);
    if (failure.empty()) {
        if (const int error = opened.handle.Close()) failure = SystemReason(error);
    }
    if (!failure.empty()) {
        result.error = MakeError(action, file, std::move(failure));
        return result;
    }
    result.record = DecodeRecord(bytes);  // the name as stored, so memory matches the file
    return result;
}

SavedHands SaveHands(const std::filesystem::path& file, const PlayerRecord& before,
                     const PlayerRecord& after, std::int32_t position) {
    SavedHands result;
    const std::string action = AccountAction("save", after.PlayerName);
    const auto fail = [&](std::string reason) {
        result.error = MakeError(action, file, std::move(reason));
        return result;
    };
    OpenedFile opened = OpenRegularFile(file, O_RDWR | O_CREAT);
    if (!opened.handle.valid()) return fail(opened.reason);
    const int fd = opened.handle.get();
    if (const int error = LockAccounts(fd, true)) return fail(SystemReason(error));
    const ScanResult place = Locate(fd, SearchKey(after.PlayerName), std::int64_t{position} - 1);
    if (!place.failure.empty()) return fail(place.failure);

    RecordBytes bytes{};
    std::string failure;
    if (!place.found) {
        // Not in the file (any more): the account goes in whole, as played here.
        bytes = EncodeRecord(after);
        failure = AppendRecord(fd, bytes, place.offset);
    } else {
        PlayerRecord stored = DecodeRecord(place.bytes);
        result.carried = stored != before;
        // Changed by someone else since: only this table's hands go onto it.
        if (result.carried) CarryHands(stored, before, after);
        bytes = EncodeRecord(result.carried ? stored : after);
        std::copy_n(place.bytes.begin(), kNameLength, bytes.begin());  // the name as stored
        failure = WriteRecord(fd, bytes, place.offset);
    }
    if (failure.empty()) {
        if (const int error = opened.handle.Close()) failure = SystemReason(error);
    }
    if (!failure.empty()) return fail(std::move(failure));
    result.record = DecodeRecord(bytes);
    result.position = static_cast<std::int32_t>(place.offset + 1);
    return result;
}

std::optional<FileError> CheckAccountsFile(const std::filesystem::path& file) {
    const std::string action = "read and write the accounts file";
    OpenedFile opened = OpenRegularFile(file, O_RDWR);
    if (!opened.handle.valid()) return MakeError(action, file, opened.reason);
    const int fd = opened.handle.get();
    if (const int error = LockAccounts(fd, false)) {
        return MakeError(action, file, SystemReason(error));
    }
    const ScanResult scan = Scan(fd, nullptr);
    if (!scan.failure.empty()) return MakeError(action, file, scan.failure);
    return std::nullopt;
}

}  // namespace output
