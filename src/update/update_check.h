#pragma once
// The background check for an update: fetch the marker "update_", compare it with the marker of
// the last update taken ("update_.dt"), and fetch the update file when the marker has changed.
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

// Results reported to the start page.
constexpr int kUpdateFetched = 2000;
constexpr int kNoUpdate = 2010;  // no new update, or the check failed

struct UpdateCheckEnvironment {
    std::filesystem::path settingsFile;  // "velmaro.ini": the user's own, or the program's default
    std::filesystem::path dataFolder;    // the user's data folder: the markers and the update file live here
    std::string service = "ftp";         // port or service name of the FTP server (FTP/PORT sets it)
    std::chrono::steady_clock::duration deadline = std::chrono::seconds(300);
    // Receives the result on the update thread; the start page handles it before returning.
    std::function<void(int result)> report;
};

// The body of the update thread: reports exactly one result through `environment.report`.
void run_update_check(std::string server, std::string user, std::string password, std::string remoteDir,
                      std::string fileName, const UpdateCheckEnvironment& environment);

// An update file name must name a file in the data folder, not a path out of it.
bool IsPlainFileName(const std::string& name);
