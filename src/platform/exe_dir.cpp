#include "platform/exe_dir.h"

#include <system_error>

std::filesystem::path ExecutableFolder()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path();
    return exe.parent_path();
}
