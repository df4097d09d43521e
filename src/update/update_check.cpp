#include "update/update_check.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <optional>

#include "update/installer_launch.h"
#include "update/update_archive.h"
#include "update/update_marker.h"
#include "update/update_signature.h"

namespace {

const char kMarkerName[] = "update_";
const char kStoredMarkerName[] = "update_.dt";
// The update file grows here and takes its own name only once complete and verified.
const char kPartialSuffix[] = ".part";
const char kSignatureSuffix[] = ".sig";

void RemoveIfPresent(const std::filesystem::path& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

bool IsFile(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

bool Rename(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (ec)
        std::cerr << "cannot rename " << from.string() << " to " << to.string() << ": " << ec.message() << std::endl;
    return !ec;
}

// Fetches `fileName` into `localFile`, which is removed first so nothing stale is appended to.
// True when the whole file arrived within `maxBytes`; a failed fetch leaves no file behind.
bool Fetch(const FtpAccount& account, const std::string& fileName, const std::filesystem::path& localFile,
           std::uint64_t maxBytes)
{
    RemoveIfPresent(localFile);
    if (RunDownload(account, fileName, localFile, maxBytes).succeeded() && IsFile(localFile))
        return true;
    RemoveIfPresent(localFile);
    return false;
}

// The signature, when the settings ask for one: fetched beside the file and checked against it.
bool SignatureHolds(const FtpAccount& account, const std::string& fileName, const std::filesystem::path& file,
                    const UpdateCheckEnvironment& environment)
{
    if (environment.updateKey.empty())
        return true;
    const std::optional<UpdateKey> key = DecodeUpdateKey(environment.updateKey);
    if (!key) {
        std::cerr << "UPDATEKEY is no Ed25519 public key in base64" << std::endl;
        return false;
    }
    const std::filesystem::path signature = environment.downloadFolder / (fileName + kSignatureSuffix);
    const bool holds = Fetch(account, fileName + kSignatureSuffix, signature, kSignatureBytes) &&
                       SignatureMatches(file, signature, *key);
    RemoveIfPresent(signature);
    if (!holds)
        std::cerr << "update file refused: its signature is missing or does not match" << std::endl;
    return holds;
}

// Fetches the update file and keeps it under its own name only when it is whole and, with a key,
// signed.
std::optional<std::filesystem::path> FetchUpdate(const FtpAccount& account, const std::string& fileName,
                                                 const UpdateCheckEnvironment& environment)
{
    const std::filesystem::path partial = environment.downloadFolder / (fileName + kPartialSuffix);
    const std::filesystem::path file = environment.downloadFolder / fileName;
    if (Fetch(account, fileName, partial, environment.maxUpdateBytes)) {
        if (!IsWholeUpdateArchive(partial))
            std::cerr << "update file refused: not a whole gzip-compressed tar" << std::endl;
        else if (SignatureHolds(account, fileName, partial, environment) && Rename(partial, file))
            return file;
    }
    RemoveIfPresent(partial);
    return std::nullopt;
}

// The stored marker is replaced only once the update is installed, so a failed fetch, a refused
// file or a failed install is tried again at the next start.
int CheckForUpdate(const FtpAccount& account, const std::string& fileName, const UpdateCheckEnvironment& environment)
{
    if (!IsUpdateFileName(fileName)) {
        std::cerr << "update file name refused: " << fileName << std::endl;
        return kNoUpdate;
    }
    const std::filesystem::path& folder = environment.downloadFolder;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::cerr << "cannot make " << folder.string() << ": " << ec.message() << std::endl;
        return kNoUpdate;
    }
    const std::filesystem::path marker = folder / kMarkerName;
    const std::filesystem::path storedMarker = folder / kStoredMarkerName;
    if (!Fetch(account, kMarkerName, marker, kMaxMarkerBytes))
        return kNoUpdate;
    if (SameMarker(marker, storedMarker)) {
        RemoveIfPresent(marker);
        return kNoUpdate;
    }
    const std::optional<std::filesystem::path> update = FetchUpdate(account, fileName, environment);
    const bool installed = update && RunInstaller(environment.installer, *update, environment.sheetsFolder);
    if (update)
        RemoveIfPresent(*update);
    if (!installed) {
        RemoveIfPresent(marker);
        return kNoUpdate;
    }
    Rename(marker, storedMarker);
    return kUpdateFetched;
}

bool IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
           c == '_';
}

}  // namespace

bool IsUpdateFileName(const std::string& name)
{
    const std::string own[] = {kMarkerName, kStoredMarkerName, "velmaro", "velmaro.ini", kInstallerName};
    return !name.empty() && name[0] != '.' && std::all_of(name.begin(), name.end(), IsNameCharacter) &&
           std::find(std::begin(own), std::end(own), name) == std::end(own);
}

void run_update_check(std::string server, std::string user, std::string password, std::string remoteDir,
                      std::string fileName, const UpdateCheckEnvironment& environment)
{
    FtpAccount account;
    account.server = std::move(server);
    account.user = std::move(user);
    account.password = std::move(password);
    account.remoteDir = std::move(remoteDir);
    account.service = environment.service;
    account.deadline = environment.deadline;
    int result = kNoUpdate;
    try {
        result = CheckForUpdate(account, fileName, environment);
    } catch (const std::exception& error) {
        std::cerr << error.what() << std::endl;
    }
    if (environment.report)
        environment.report(result);
}
