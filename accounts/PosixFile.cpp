// Regular files opened without waiting, positioned reads and open file description locks.
#include "accounts/PosixFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace output {
namespace {

// One byte just past the last byte a 32-bit 1-based position can reach.
constexpr std::int64_t kAccountsLockOffset = std::int64_t{1} << 31;

int SetLock(int fd, int command, short type, std::int64_t start, std::int64_t length) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = start;
    lock.l_len = length;
    while (::fcntl(fd, command, &lock) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

}  // namespace

FileHandle::~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
}

FileHandle::FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

int FileHandle::Close() {
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
}

std::string SystemReason(int error) {
    return std::strerror(error);
}

std::string NotRegularReason(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return "it is a folder, not a file";
    if (S_ISFIFO(mode)) return "it is a named pipe (FIFO), not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
    if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
    return "it is not a regular file";
}

OpenedFile OpenRegularFile(const std::filesystem::path& file, int flags) {
    OpenedFile result;
    // Looked at first, so that a pipe or a device is never opened at all.
    struct stat status {};
    if (::stat(file.c_str(), &status) == 0) {
        result.reason = NotRegularReason(status.st_mode);
        if (!result.reason.empty()) return result;
    }
    // Without waiting even so, in case a pipe took the file's place since.
    int fd;
    do {
        fd = ::open(file.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        result.missing = errno == ENOENT;
        result.reason = SystemReason(errno);
        return result;
    }
    FileHandle handle(fd);
    if (::fstat(fd, &status) != 0) {
        result.reason = SystemReason(errno);
        return result;
    }
    result.reason = NotRegularReason(status.st_mode);
    if (!result.reason.empty()) return result;
    const int statusFlags = ::fcntl(fd, F_GETFL);
    if (statusFlags < 0 || ::fcntl(fd, F_SETFL, statusFlags & ~O_NONBLOCK) != 0) {
        result.reason = SystemReason(errno);
        return result;
    }
    result.handle = std::move(handle);
    return result;
}

ssize_t ReadAt(int fd, void* buffer, std::size_t size, std::int64_t offset) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = ::pread(fd, bytes + filled, size - filled, offset + filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return -1;
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(filled);
}

int LockAccounts(int fd, bool exclusive) {
    return SetLock(fd, F_OFD_SETLKW, exclusive ? F_WRLCK : F_RDLCK, kAccountsLockOffset, 1);
}

void UnlockAccounts(int fd) {
    SetLock(fd, F_OFD_SETLK, F_UNLCK, kAccountsLockOffset, 1);
}

int TryLockWholeFile(int fd) {
    return SetLock(fd, F_OFD_SETLK, F_WRLCK, 0, 0);
}

int TruncateTo(int fd, std::int64_t length) {
    while (::ftruncate(fd, length) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

}  // namespace output
