#pragma once
// The background check for an update. One updater at a time per user: the check holds a lock on
// its folder from the marker's fetch until the new marker is kept, and a second instance that
// finds it taken skips its check for this start. Every download goes to a file of this process
// alone (private_file.h); the update is verified through that file and handed to the installer
// as it is.
//
// The check fetches the marker "update_" and compares it with the marker of the last update taken
// ("update_.dt"); when it has changed:
// - with a key, it fetches the signed release statement (update_release.h) and takes the update
//   only when the key signed it, its serial is larger than the last one installed
//   ("update_.serial"), it names this marker and this file, and the file fetched has the size and
//   SHA-256 it names: nothing is unpacked before that;
// - without a key, only when the settings allow unsigned updates, it fetches the file alone.
// Then the installer runs on it. The marker and serial are kept only once an update has been
// installed, so anything that fails is fetched again at the next start.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "update/ftp_download.h"

// Results reported to the start page.
constexpr int kUpdateFetched = 2000;  // an update was installed: the catalog is to be reloaded
constexpr int kNoUpdate = 2010;       // no new update, or the check failed or was skipped

// The marker is a few bytes of text; a larger one is refused.
inline constexpr std::uint64_t kMaxMarkerBytes = 64 * 1024;

struct UpdateCheckEnvironment {
    std::filesystem::path settingsFile;    // "velmaro.ini": the user's own, or the program's default
    std::filesystem::path downloadFolder;  // the markers and downloads, a folder of this user alone
    std::filesystem::path installer;       // the update installer program
    std::filesystem::path sheetsFolder;    // the user's "印刷情報" folder the installer writes to
    std::string updateKey;                 // Ed25519 public key in base64
    bool allowUnsigned = false;            // without a key, take updates unsigned
    std::uint64_t maxUpdateBytes = kDefaultUpdateLimit;
    std::string service = "ftp";  // port or service name of the FTP server (FTP/PORT sets it)
    // The whole check, every download included, is over by then, however slowly the server answers.
    std::chrono::steady_clock::duration deadline = std::chrono::seconds(300);
    std::ostream* transcript = nullptr;  // the server dialogue, when the settings ask for it
    // Receives the result on the update thread; the start page handles it before returning.
    std::function<void(int result)> report;
    // A message for the user (UTF-8), on the update thread; may be empty.
    std::function<void(const std::string& message)> notice;
};

// The body of the update thread: reports exactly one result through `environment.report`.
void run_update_check(std::string server, std::string user, std::string password, std::string remoteDir,
                      std::string fileName, const UpdateCheckEnvironment& environment);

// An update file name is a plain name of ASCII letters, digits, ".", "-" and "_", not starting
// with a dot, and none of the names the check itself uses in its folder.
bool IsUpdateFileName(const std::string& name);
