// The seat of an account: an open file description lock on a file named by its name key.
#include "accounts/AccountSeat.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <utility>

#include "accounts/NameKey.h"

namespace output {
namespace {

// True when `file` names the file open at `fd`, and not one put in its place since.
bool NamesOpenFile(const std::filesystem::path& file, int fd) {
    struct stat named {};
    struct stat opened {};
    return ::stat(file.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// Why the seats folder cannot be made, or an empty text.
std::string MakeFolder(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST) return {};
    return SystemReason(errno);
}

std::string HexOf(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
    }
    return hex;
}

}  // namespace

std::filesystem::path SeatsFolder(const std::filesystem::path& accountsFile) {
    std::filesystem::path folder = accountsFile;
    folder += ".seats";
    return folder;
}

std::filesystem::path SeatFile(const std::filesystem::path& accountsFile, std::string_view key) {
    return SeatsFolder(accountsFile) / ("seat-" + HexOf(key));
}

std::optional<FileError> AccountSeat::Take(const std::filesystem::path& accountsFile,
                                           std::string_view name) {
    const std::filesystem::path file = SeatFile(accountsFile, SearchKey(name));
    const auto fail = [&](FileFault fault, const std::filesystem::path& where, std::string reason) {
        return FileError{"keep the account of " + std::string(TrimSpaces(name)) + " at this table",
                         where, std::move(reason), fault};
    };
    const bool heldBefore = seated() && file == file_;
    if (heldBefore && NamesOpenFile(file, handle_.get())) return std::nullopt;

    if (std::string reason = MakeFolder(SeatsFolder(accountsFile)); !reason.empty()) {
        return fail(FileFault::System, SeatsFolder(accountsFile), std::move(reason));
    }
    OpenedFile opened = OpenRegularFile(file, O_RDWR | O_CREAT);
    if (!opened.handle.valid()) return fail(FileFault::System, file, opened.reason);
    if (const int error = TryLockWholeFile(opened.handle.get())) {
        if (error != EAGAIN && error != EACCES) {
            return fail(FileFault::System, file, SystemReason(error));
        }
        // The seat file was replaced under this table and another copy locked the new one.
        if (heldBefore) Leave();
        return fail(FileFault::AtAnotherTable, file,
                    heldBefore ? "another copy of the game took the account's seat"
                               : "the account is in use at another table, in another copy of "
                                 "the game");
    }
    handle_ = std::move(opened.handle);  // closing the old descriptor leaves the old seat
    file_ = file;
    return std::nullopt;
}

void AccountSeat::Leave() {
    handle_ = FileHandle();
    file_.clear();
}

}  // namespace output
