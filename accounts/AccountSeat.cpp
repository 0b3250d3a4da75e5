// The seat of an account: an open file description lock on its record, checked by name.
#include "accounts/AccountSeat.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <utility>

#include "accounts/NameKey.h"
#include "accounts/RecordCodec.h"

namespace output {
namespace {

// True when `file` names the file open at `fd`, and not one put in its place since.
bool NamesOpenFile(const std::filesystem::path& file, int fd) {
    struct stat named {};
    struct stat opened {};
    return ::stat(file.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// Why a seat cannot be taken where it was asked for.
struct Refusal {
    FileFault fault;
    std::string reason;
};

// Why the record at `offset` is not `name`'s account, or nothing. Read under the file's shared
// lock, so that a record being added is seen whole.
std::optional<Refusal> CheckOwner(int fd, std::int64_t offset, std::string_view name) {
    if (const int error = LockAccounts(fd, false)) {
        return Refusal{FileFault::System, SystemReason(error)};
    }
    RecordBytes stored;
    const ssize_t got = ReadAt(fd, stored.data(), stored.size(), offset);
    const int readError = errno;
    UnlockAccounts(fd);
    if (got < 0) return Refusal{FileFault::System, SystemReason(readError)};
    const std::string_view storedName(reinterpret_cast<const char*>(stored.data()), kNameLength);
    if (got == kRecordSize && NameKey(storedName) == SearchKey(name)) return std::nullopt;
    return Refusal{FileFault::AccountNotHere, "the account's place (byte " +
                                                  std::to_string(offset + 1) +
                                                  ") holds another account, or none"};
}

}  // namespace

std::optional<FileError> AccountSeat::Take(const std::filesystem::path& file, std::int32_t position,
                                           std::string_view name) {
    const auto fail = [&](FileFault fault, std::string reason) {
        return FileError{"keep the account of " + std::string(TrimSpaces(name)) + " at this table",
                         file, std::move(reason), fault};
    };
    const std::int64_t offset = std::int64_t{position} - 1;
    if (offset < 0 || offset % kRecordSize != 0) {
        return fail(FileFault::AccountNotHere,
                    "position " + std::to_string(position) + " is not the start of a record");
    }
    // The descriptor of the seat held now serves as long as the path still names its file.
    const bool sameFile = seated() && NamesOpenFile(file, handle_.get());
    FileHandle fresh;
    if (!sameFile) {
        OpenedFile opened = OpenRegularFile(file, O_RDWR);
        if (!opened.handle.valid()) {
            return fail(opened.missing ? FileFault::AccountNotHere : FileFault::System,
                        opened.reason);
        }
        fresh = std::move(opened.handle);
    }
    const int fd = sameFile ? handle_.get() : fresh.get();
    const bool heldAlready = sameFile && position == position_;
    if (const int error = TryLockRecord(fd, offset)) {
        if (error != EAGAIN && error != EACCES) return fail(FileFault::System, SystemReason(error));
        return fail(FileFault::AtAnotherTable,
                    "the account is in use at another table, in another copy of the game");
    }
    if (auto refusal = CheckOwner(fd, offset, name)) {
        // A fresh descriptor gives its lock up as it closes.
        if (heldAlready) {
            Leave();
        } else if (sameFile) {
            UnlockRecord(fd, offset);
        }
        return fail(refusal->fault, std::move(refusal->reason));
    }
    if (sameFile && !heldAlready) UnlockRecord(fd, std::int64_t{position_} - 1);
    if (!sameFile) handle_ = std::move(fresh);  // closing the old descriptor leaves the old seat
    position_ = position;
    return std::nullopt;
}

void AccountSeat::Leave() {
    handle_ = FileHandle();
    position_ = 0;
}

}  // namespace output
