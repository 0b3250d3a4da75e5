// Output with every failure caught and told in words.
#include "tools/StrategyOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace modcards::strategy {

namespace {

[[noreturn]] void Fail(std::string_view what, int error) {
    throw OutputError("cannot write " + std::string(what) + ": " + std::strerror(error));
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string RealPath(const std::string& path, std::string_view what) {
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr),
                                                           &std::free);
    if (!real) Fail(what, errno);
    return real.get();
}

}  // namespace

void WriteAll(std::FILE* out, std::string_view bytes, std::string_view what) {
    errno = 0;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), out);
    if (written != bytes.size() || std::fflush(out) != 0 || std::ferror(out))
        Fail(what, errno != 0 ? errno : EIO);
}

OutputFile::OutputFile(const std::string& path, std::FILE* standardOutput)
    : what_("\"" + path + "\"") {
    struct stat target {};
    const bool reached = ::stat(path.c_str(), &target) == 0;
    const int statError = errno;
    struct stat out {};
    if (reached && standardOutput && fstat(fileno(standardOutput), &out) == 0 &&
        SameFile(out, target)) {
        file_ = standardOutput;
        return;
    }
    struct stat link {};
    if (lstat(path.c_str(), &link) != 0) {
        if (errno != ENOENT) Fail(what_, errno);
        const mode_t mask = umask(0);
        umask(mask);
        StartReplacing(path, 0666 & ~mask, -1, -1);
        return;
    }
    if (!reached) {
        if (statError != ENOENT) Fail(what_, statError);
        throw OutputError("cannot write " + what_ +
                          ": it is a symbolic link to a file that does not exist");
    }
    if (S_ISDIR(target.st_mode)) throw OutputError("cannot write " + what_ + ": it is a folder");
    if (S_ISREG(target.st_mode)) {
        StartReplacing(S_ISLNK(link.st_mode) ? RealPath(path, what_) : path, target.st_mode & 07777,
                       static_cast<int>(target.st_uid), static_cast<int>(target.st_gid));
        return;
    }
    OpenInPlace(path);
}

OutputFile::~OutputFile() {
    Close();
    if (!temporary_.empty()) unlink(temporary_.c_str());
}

void OutputFile::StartReplacing(const std::string& path, unsigned mode, int owner, int group) {
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) Fail(what_, errno);
    temporary_ = temporary;
    // mkstemp makes a private file; the finished one gets the old one's permissions and owner.
    fchmod(descriptor, static_cast<mode_t>(mode));
    if (owner >= 0 &&
        fchown(descriptor, static_cast<uid_t>(owner), static_cast<gid_t>(group)) != 0) {
        // Only the superuser may give a file away; then it stays ours.
    }
    file_ = fdopen(descriptor, "wb");
    if (!file_) {
        const int error = errno;
        close(descriptor);
        Fail(what_, error);
    }
    owned_ = true;
    target_ = path;
}

void OutputFile::OpenInPlace(const std::string& path) {
    const int descriptor = open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) Fail(what_, errno);
    struct stat opened {};
    // A regular file put there since the check would be written over, not replaced.
    if (fstat(descriptor, &opened) != 0 || S_ISREG(opened.st_mode) || S_ISDIR(opened.st_mode)) {
        close(descriptor);
        throw OutputError("cannot write " + what_ + ": it changed while being opened");
    }
    file_ = fdopen(descriptor, "wb");
    if (!file_) {
        const int error = errno;
        close(descriptor);
        Fail(what_, error);
    }
    owned_ = true;
}

void OutputFile::Close() {
    if (file_ && owned_) std::fclose(file_);
    file_ = nullptr;
}

void OutputFile::Write(std::span<const std::uint8_t> bytes) {
    if (!file_) throw OutputError("cannot write " + what_ + ": it was written already");
    WriteAll(file_, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, what_);
    if (!owned_) {
        file_ = nullptr;
        return;
    }
    if (!target_.empty() && fsync(fileno(file_)) != 0) Fail(what_, errno);
    std::FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0) Fail(what_, errno);
    if (target_.empty()) return;
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) Fail(what_, errno);
    temporary_.clear();
}

}  // namespace modcards::strategy
