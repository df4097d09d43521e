#include "update/companion_launch.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

const char kCompanionName[] = "VelmaroInf.exe";

bool IsExecutableFile(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

// Forks twice: the grandchild runs the companion and is adopted by init, the child ends at once
// and is reaped here, so no zombie is left and this process never waits for the companion.
bool LaunchCompanion(const std::filesystem::path& programFolder, const std::filesystem::path& updateFolder)
{
    const std::filesystem::path program = programFolder / kCompanionName;
    if (!IsExecutableFile(program))
        return false;
    std::string path = program.string();
    std::string folder = updateFolder.string();
    char* argv[] = {path.data(), folder.data(), nullptr};
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execv(argv[0], argv);
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
