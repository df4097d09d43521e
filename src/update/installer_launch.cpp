#include "update/installer_launch.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>

extern char** environ;

const char kInstallerName[] = "velmaro-install-update";

namespace {

// The installer's exit status for an update that brought nothing to install.
constexpr int kNothingInstalledStatus = 1;

class SpawnActions {
public:
    SpawnActions() { m_ok = ::posix_spawn_file_actions_init(&m_actions) == 0; }
    ~SpawnActions()
    {
        if (m_ok)
            ::posix_spawn_file_actions_destroy(&m_actions);
    }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    bool ok() const { return m_ok; }
    posix_spawn_file_actions_t* get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions{};
    bool m_ok = false;
};

}  // namespace

InstallerOutcome RunInstaller(const std::filesystem::path& installer, int archiveFd,
                              const std::filesystem::path& sheetsFolder)
{
    std::string program = installer.string();
    std::string fromInput = "-";
    std::string sheets = sheetsFolder.string();
    char* argv[] = {program.data(), fromInput.data(), sheets.data(), nullptr};
    SpawnActions actions;
    if (!actions.ok() || ::posix_spawn_file_actions_adddup2(actions.get(), archiveFd, 0) != 0)
        return InstallerOutcome::Failed;
    pid_t child = 0;
    if (::posix_spawn(&child, program.c_str(), actions.get(), nullptr, argv, environ) != 0)
        return InstallerOutcome::Failed;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return InstallerOutcome::Failed;
    }
    if (!WIFEXITED(status))
        return InstallerOutcome::Failed;
    if (WEXITSTATUS(status) == 0)
        return InstallerOutcome::Installed;
    return WEXITSTATUS(status) == kNothingInstalledStatus ? InstallerOutcome::NothingToTake
                                                          : InstallerOutcome::Failed;
}
