#include "platform/program_folders.h"

#include "platform/exe_dir.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

namespace {

const char kProgramName[] = "velmaro";
const char kSettingsFileName[] = "velmaro.ini";

bool IsDirectory(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

std::filesystem::path HomeFolder(const EnvironmentLookup& environment)
{
    if (const char* home = environment("HOME"); home && *home)
        return home;
    // A service started without HOME still has an entry in the password database.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return "/";
}

}  // namespace

std::filesystem::path XdgBaseFolder(const EnvironmentLookup& environment, const char* name, const char* fallback)
{
    const char* value = environment(name);
    if (value && *value && std::filesystem::path(value).is_absolute())
        return value;
    return HomeFolder(environment) / fallback;
}

std::filesystem::path ProgramFolders::SettingsFile() const
{
    const std::filesystem::path own = userConfig / kSettingsFileName;
    std::error_code ignored;
    return std::filesystem::exists(own, ignored) ? own : programData / kSettingsFileName;
}

ProgramFolders LocateProgramFolders(const std::filesystem::path& exeFolder, const EnvironmentLookup& environment)
{
    ProgramFolders folders;
    const std::filesystem::path installed = exeFolder.parent_path() / "share" / kProgramName;
    folders.programData = IsDirectory(installed) ? installed.lexically_normal() : exeFolder;
    folders.userData = XdgBaseFolder(environment, "XDG_DATA_HOME", ".local/share") / kProgramName;
    folders.userConfig = XdgBaseFolder(environment, "XDG_CONFIG_HOME", ".config") / kProgramName;
    folders.userState = XdgBaseFolder(environment, "XDG_STATE_HOME", ".local/state") / kProgramName;
    return folders;
}

ProgramFolders LocateProgramFolders()
{
    return LocateProgramFolders(ExecutableFolder(), [](const char* name) { return std::getenv(name); });
}
