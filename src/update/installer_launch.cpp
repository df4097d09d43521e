#include "update/installer_launch.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>

extern char** environ;

const char kInstallerName[] = "velmaro-install-update";

bool RunInstaller(const std::filesystem::path& installer, const std::filesystem::path& archiveFile,
                  const std::filesystem::path& sheetsFolder)
{
    std::string program = installer.string();
    std::string archive = archiveFile.string();
    std::string sheets = sheetsFolder.string();
    char* argv[] = {program.data(), archive.data(), sheets.data(), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
