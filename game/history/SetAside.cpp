// Renaming a damaged history and its companions to a name of their own.
#include "game/history/SetAside.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "game/history/HandHistory.h"

namespace history {
namespace {

// "20240501-140322" from "2024-05-01T14:03:22": digits only, safe in any file name.
std::string Stamp(std::string_view now) {
    std::string stamp;
    for (const char c : now) {
        if (c >= '0' && c <= '9') stamp += c;
        if (stamp.size() == 8 && c == 'T') stamp += '-';
    }
    return stamp;
}

// Renames without replacing an existing file; returns errno or 0.
int RenameNew(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system without RENAME_NOREPLACE: look first, then rename.
    struct stat status {};
    if (::lstat(to.c_str(), &status) == 0) return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

SetAsideResult SetAside(const std::filesystem::path& file, std::string_view now) {
    SetAsideResult result;
    const std::string base = file.string() + ".corrupt-" + Stamp(now);
    int error = EEXIST;
    for (int attempt = 1; error == EEXIST && attempt <= 100; ++attempt) {
        result.aside = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        error = RenameNew(file, result.aside);
    }
    if (error != 0) {
        result.failure = std::strerror(error);
        return result;
    }
    for (const char* companion : kCompanionSuffixes) {
        const std::filesystem::path from = file.string() + companion;
        const std::filesystem::path to = result.aside.string() + companion;
        if (::rename(from.c_str(), to.c_str()) != 0 && errno != ENOENT) {
            result.failure = "\"" + from.string() + "\" stayed behind: " + std::strerror(errno);
            return result;
        }
    }
    return result;
}

}  // namespace history
