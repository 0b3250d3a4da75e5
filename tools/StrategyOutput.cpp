// Output with every failure caught and told in words.
#include "tools/StrategyOutput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace modcards::strategy {

namespace {

[[noreturn]] void Fail(std::string_view what, int error) {
    throw OutputError("cannot write " + std::string(what) + ": " + std::strerror(error));
}

}  // namespace

void WriteAll(std::FILE* out, std::string_view bytes, std::string_view what) {
    errno = 0;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), out);
    if (written != bytes.size() || std::fflush(out) != 0 || std::ferror(out))
        Fail(what, errno != 0 ? errno : EIO);
}

void WriteFileWhole(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string what = "\"" + path + "\"";
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) Fail(what, errno);
    // mkstemp makes a private file; the finished one gets the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    std::FILE* file = fdopen(descriptor, "wb");
    if (!file) {
        const int error = errno;
        close(descriptor);
        unlink(temporary.c_str());
        Fail(what, error);
    }
    try {
        WriteAll(file, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, what);
        if (fsync(fileno(file)) != 0) Fail(what, errno);
    } catch (...) {
        std::fclose(file);
        unlink(temporary.c_str());
        throw;
    }
    if (std::fclose(file) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        Fail(what, error);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        Fail(what, error);
    }
}

}  // namespace modcards::strategy
