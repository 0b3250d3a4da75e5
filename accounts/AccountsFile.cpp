// The accounts file over POSIX calls: block reads for the search, one positioned write per save,
// a lock on the file around every operation, and every failure returned in words.
#include "accounts/AccountsFile.h"

#include <fcntl.h>
#include <sys/file.h>
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
#include "accounts/RecordCodec.h"

namespace output {
namespace {

// Records read at once by a search: about 750 KB, so 100,000 accounts take a dozen reads.
constexpr std::size_t kBlockRecords = 8192;
// The last byte offset at which a record may start, since positions are 32-bit and 1-based.
constexpr std::int64_t kLastRecordOffset = std::numeric_limits<std::int32_t>::max() - kRecordSize;

std::string SystemReason(int error) {
    return std::strerror(error);
}

// An open file descriptor, closed when it goes out of scope unless Close() was called.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes now; returns the errno of a failed close, or 0.
    int Close() {
        const int result = ::close(std::exchange(fd_, -1));
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int OpenFile(const std::filesystem::path& file, int flags) {
    int fd;
    do {
        fd = ::open(file.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Locks the whole file against the other copies of the game; returns errno or 0. The lock goes
// with the descriptor, so it also keeps apart two threads that opened the file separately.
int LockFile(int fd, int mode) {
    while (::flock(fd, mode) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

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

// Reads the file from the start in large blocks until a record's key equals `key`.
ScanResult Scan(int fd, const std::string& key) {
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
            if (KeyMatches(buffer.get() + at, key)) {
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

FileError MakeError(std::string action, const std::filesystem::path& file, std::string reason) {
    return FileError{std::move(action), file, std::move(reason)};
}

std::string AccountAction(std::string_view verb, std::string_view name) {
    return std::string(verb) + " the account of " + std::string(TrimSpaces(name));
}

}  // namespace

std::string FileError::Describe() const {
    return "Could not " + action + ".\n\"" + path.string() + "\": " + reason + ".";
}

SearchResult FindPlayer(const std::filesystem::path& file, std::string_view name) {
    SearchResult result;
    const std::string action = "search the accounts for " + std::string(TrimSpaces(name));
    FileHandle fd(OpenFile(file, O_RDONLY));
    if (!fd.valid()) {
        if (errno != ENOENT) result.error = MakeError(action, file, SystemReason(errno));
        return result;  // a missing file holds no accounts: append at position 1
    }
    if (const int error = LockFile(fd.get(), LOCK_SH)) {
        result.error = MakeError(action, file, SystemReason(error));
        return result;
    }
    const ScanResult scan = Scan(fd.get(), SearchKey(name));
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
    if (position < 1 || (position - 1) % kRecordSize != 0) {
        return MakeError(action, file,
                         "position " + std::to_string(position) + " is not the start of a record");
    }
    FileHandle fd(OpenFile(file, O_WRONLY | O_CREAT));
    if (!fd.valid()) return MakeError(action, file, SystemReason(errno));
    if (const int error = LockFile(fd.get(), LOCK_EX)) {
        return MakeError(action, file, SystemReason(error));
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) return MakeError(action, file, SystemReason(errno));
    // Writing past the append position would leave a gap of blank records behind.
    const std::int64_t appendOffset = status.st_size / kRecordSize * kRecordSize;
    if (position - 1 > appendOffset) {
        return MakeError(action, file,
                         "the account's place (byte " + std::to_string(position) +
                             ") lies past the end of the file");
    }
    std::string failure = WriteRecord(fd.get(), EncodeRecord(record), position - 1);
    if (!failure.empty()) return MakeError(action, file, std::move(failure));
    if (const int error = fd.Close()) return MakeError(action, file, SystemReason(error));
    return std::nullopt;
}

SearchResult AddPlayer(const std::filesystem::path& file, const PlayerRecord& record) {
    SearchResult result;
    const std::string action = AccountAction("add", record.PlayerName);
    FileHandle fd(OpenFile(file, O_RDWR | O_CREAT));
    if (!fd.valid()) {
        result.error = MakeError(action, file, SystemReason(errno));
        return result;
    }
    if (const int error = LockFile(fd.get(), LOCK_EX)) {
        result.error = MakeError(action, file, SystemReason(error));
        return result;
    }
    // Under the lock no other copy can add the same name or take the same place meanwhile.
    const ScanResult scan = Scan(fd.get(), SearchKey(record.PlayerName));
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
    std::string failure = WriteRecord(fd.get(), bytes, scan.offset);
    if (failure.empty()) {
        if (const int error = fd.Close()) failure = SystemReason(error);
    }
    if (!failure.empty()) {
        result.error = MakeError(action, file, std::move(failure));
        return result;
    }
    result.record = DecodeRecord(bytes);  // the name as stored, so memory matches the file
    return result;
}

}  // namespace output
