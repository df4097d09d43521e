#include "update/update_check.h"

#include <exception>
#include <iostream>

#include "update/ftp_download.h"
#include "update/update_marker.h"

namespace {

const char kMarkerName[] = "update_";
const char kStoredMarkerName[] = "update_.dt";
// The update file grows here and replaces the real one only when complete.
const char kPartialSuffix[] = ".part";

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
// True when the whole file arrived; a failed fetch leaves no file behind.
bool Fetch(const FtpAccount& account, const std::string& fileName, const std::filesystem::path& localFile)
{
    RemoveIfPresent(localFile);
    if (RunDownload(account, fileName, localFile).succeeded() && IsFile(localFile))
        return true;
    RemoveIfPresent(localFile);
    return false;
}

// The stored marker is replaced only once the update file is in place, so a failed fetch is
// tried again at the next start.
int CheckForUpdate(const FtpAccount& account, const std::string& fileName, const std::filesystem::path& folder)
{
    if (!IsPlainFileName(fileName)) {
        std::cerr << "update file name refused: " << fileName << std::endl;
        return kNoUpdate;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::cerr << "cannot make " << folder.string() << ": " << ec.message() << std::endl;
        return kNoUpdate;
    }
    const std::filesystem::path marker = folder / kMarkerName;
    const std::filesystem::path storedMarker = folder / kStoredMarkerName;
    if (!Fetch(account, kMarkerName, marker))
        return kNoUpdate;
    if (SameMarker(marker, storedMarker)) {
        RemoveIfPresent(marker);
        return kNoUpdate;
    }
    const std::filesystem::path partial = folder / (fileName + kPartialSuffix);
    if (!Fetch(account, fileName, partial) || !Rename(partial, folder / fileName)) {
        RemoveIfPresent(partial);
        RemoveIfPresent(marker);
        return kNoUpdate;
    }
    Rename(marker, storedMarker);
    return kUpdateFetched;
}

}  // namespace

bool IsPlainFileName(const std::string& name)
{
    // A NUL byte would cut the path short at the system call.
    const std::string forbidden("/\0", 2);
    return !name.empty() && name != "." && name != ".." && name.find_first_of(forbidden) == std::string::npos;
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
        result = CheckForUpdate(account, fileName, environment.dataFolder);
    } catch (const std::exception& error) {
        std::cerr << error.what() << std::endl;
    }
    if (environment.report)
        environment.report(result);
}
