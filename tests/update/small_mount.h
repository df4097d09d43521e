#pragma once
// Runs a test body in a child process that sees a small tmpfs (full after a few KiB, or mounted
// read-only) at a folder, in a mount namespace of its own, so nothing of it reaches the rest of
// the machine. Needs the right to make mount namespaces (root); otherwise the case is skipped.
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

// The body's own result; kMountUnavailable when the folder could not be mounted.
inline constexpr int kMountUnavailable = 77;

enum class SmallMount { Full, ReadOnly };

// The body returns 0 when everything it checks holds, else the number of the first check that
// failed; files already in `folder` are copied onto the new mount first.
inline int RunOnSmallMount(const std::filesystem::path& folder, SmallMount kind, const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        const std::filesystem::path copy = folder.string() + ".before-mount";
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        std::filesystem::copy(folder, copy, std::filesystem::copy_options::recursive, ignored);
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16k,mode=0755") != 0)
            ::_exit(kMountUnavailable);
        std::filesystem::copy(copy, folder, std::filesystem::copy_options::recursive, ignored);
        std::filesystem::remove_all(copy, ignored);
        if (kind == SmallMount::ReadOnly &&
            ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            ::_exit(kMountUnavailable);
        ::_exit(body());
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
