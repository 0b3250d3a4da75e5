// A tiny tmpfs mounted for one test, to fill up: a full disk on demand. Needs root (CI runs as
// root); elsewhere `mounted()` is false and the test skips.
#pragma once

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

class SmallDisk {
public:
    // Mounts a tmpfs of `size` (mount's words, e.g. "128k") on a new folder `at`.
    SmallDisk(std::filesystem::path at, const std::string& size) : at_(std::move(at)) {
        std::filesystem::create_directory(at_);
        mounted_ = ::mount("tmpfs", at_.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
        if (!mounted_) why_ = std::strerror(errno);
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Why the mount failed, for the skip message.
    std::string why() const {
        return "cannot mount a small tmpfs to fill (" + why_ +
               "); this needs root or CAP_SYS_ADMIN";
    }
    const std::filesystem::path& path() const { return at_; }

private:
    std::filesystem::path at_;
    bool mounted_ = false;
    std::string why_;
};
