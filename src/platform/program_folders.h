#pragma once
// Where the program keeps what. Program data is read-only: "../share/velmaro" from the executable
// when installed, else the executable's own folder (a build folder). Everything the program writes
// goes to the user's folders of the XDG base directories, never beside the program.
#include <filesystem>
#include <functional>

struct ProgramFolders {
    std::filesystem::path programData;  // sheets, title picture, default settings, sample designs
    std::filesystem::path userData;     // sheets from updates, update markers and downloads
    std::filesystem::path userConfig;   // the user's own "velmaro.ini"
    std::filesystem::path userState;    // what the program remembers between runs

    // The user's "velmaro.ini" when there is one, else the default among the program data.
    std::filesystem::path SettingsFile() const;
};

// Reads one environment variable; nullptr when unset.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// $name when it holds an absolute path (relative ones are to be ignored), else HOME/`fallback`.
std::filesystem::path XdgBaseFolder(const EnvironmentLookup& environment, const char* name, const char* fallback);

ProgramFolders LocateProgramFolders(const std::filesystem::path& exeFolder,
                                    const EnvironmentLookup& environment);
// The same for this process, from its executable and environment.
ProgramFolders LocateProgramFolders();
