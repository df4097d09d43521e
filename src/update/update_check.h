#pragma once
// The background check for an update: fetch the marker "update_", compare it with the marker of
// the last update taken ("update_.dt"), and when it has changed fetch the update file, verify it
// (size, gzip check, whole tar, signature when a key is set), run the installer on it and wait
// for it. The marker is kept only once an update has been installed, so anything that fails is
// fetched again at the next start.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "update/ftp_download.h"

// Results reported to the start page.
constexpr int kUpdateFetched = 2000;  // an update was installed: the catalog is to be reloaded
constexpr int kNoUpdate = 2010;       // no new update, or the check failed

// The marker is a few bytes of text; a larger one is refused.
inline constexpr std::uint64_t kMaxMarkerBytes = 64 * 1024;

struct UpdateCheckEnvironment {
    std::filesystem::path settingsFile;    // "velmaro.ini": the user's own, or the program's default
    std::filesystem::path downloadFolder;  // the markers and downloads, a folder of their own
    std::filesystem::path installer;       // the update installer program
    std::filesystem::path sheetsFolder;    // the user's "印刷情報" folder the installer writes to
    std::string updateKey;                 // Ed25519 public key in base64; empty: no signature needed
    std::uint64_t maxUpdateBytes = kDefaultUpdateLimit;
    std::string service = "ftp";  // port or service name of the FTP server (FTP/PORT sets it)
    std::chrono::steady_clock::duration deadline = std::chrono::seconds(300);
    // Receives the result on the update thread; the start page handles it before returning.
    std::function<void(int result)> report;
};

// The body of the update thread: reports exactly one result through `environment.report`.
void run_update_check(std::string server, std::string user, std::string password, std::string remoteDir,
                      std::string fileName, const UpdateCheckEnvironment& environment);

// An update file name is a plain name of ASCII letters, digits, ".", "-" and "_", not starting
// with a dot, and none of the names the check itself uses in its folder.
bool IsUpdateFileName(const std::string& name);
