// The accounts file at the level of system calls: opening regular files only, without ever
// waiting on a pipe or a device, positioned reads, and the locks that keep copies of the game
// apart.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace output {

// An open file descriptor, closed when it goes out of scope unless Close() was called.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes now; returns the errno of a failed close, or 0.
    int Close();

private:
    int fd_ = -1;
};

// An opened file, or why it could not be opened.
struct OpenedFile {
    FileHandle handle;     // valid when opened
    bool missing = false;  // the file does not exist (and was not created)
    std::string reason;    // the failure in words; empty when opened
};

// Opens `file` with the open(2) `flags` (O_CLOEXEC added) when it is a regular file, or creates
// it under O_CREAT. A FIFO, device, folder or socket is refused with its kind in words before
// anything could wait on it.
OpenedFile OpenRegularFile(const std::filesystem::path& file, int flags);

// Why a file of st_mode `mode` cannot hold accounts, in words; empty for a regular file.
std::string NotRegularReason(mode_t mode);

// The system's words for an errno value.
std::string SystemReason(int error);

// Reads up to `size` bytes at `offset`, fewer only at the end of the file; -1 with errno on
// failure.
ssize_t ReadAt(int fd, void* buffer, std::size_t size, std::int64_t offset);

// Waits for the lock every operation on the accounts file takes: shared to read, exclusive to
// change. Returns errno or 0. It is a lock on one byte past every record; being an open file
// description lock, it also works where flock(2) is emulated with byte-range locks, as on NFS.
int LockAccounts(int fd, bool exclusive);
void UnlockAccounts(int fd);

// Tries for the exclusive lock on the whole file without waiting; returns errno (EAGAIN or
// EACCES while another open file description holds it) or 0. The descriptor must be open for
// writing. The lock lasts until the last descriptor of this open file description closes,
// which a crash does too.
int TryLockWholeFile(int fd);

// Cuts the file back to `length` bytes, so that a failed append leaves no fragment; errno or 0.
int TruncateTo(int fd, std::int64_t length);

}  // namespace output
