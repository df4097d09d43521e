#include "update/update_check.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <exception>
#include <iostream>
#include <optional>

#include "platform/file_bytes.h"
#include "platform/folder_lock.h"
#include "update/installer_launch.h"
#include "update/private_file.h"
#include "update/update_marker.h"
#include "update/update_release.h"
#include "update/update_signature.h"

namespace {

const char kMarkerName[] = "update_";
const char kStoredMarkerName[] = "update_.dt";
const char kStoredSerialName[] = "update_.serial";
// Names earlier versions of the check left in the folder; they are no longer used.
const char* const kOldSuffixes[] = {"", ".part", ".sig"};

const char kRefusedOld[] = "更新データが古いため、適用しませんでした。";

void Log(const std::string& message) { std::cerr << message << std::endl; }

// The server's account and the time by which the whole check is over, however slow the server.
struct CheckAccount {
    FtpAccount server;
    std::chrono::steady_clock::time_point end;
};

// Fetches `name` into a new private file; the file when the whole of it arrived within `maxBytes`.
// Each download gets what is left of the check's time.
std::optional<PrivateFile> Fetch(const CheckAccount& account, const std::string& name,
                                 const std::filesystem::path& folder, std::uint64_t maxBytes)
{
    PrivateFile file(folder, name);
    if (!file.open()) {
        Log(folder.string() + " にファイルを作れないため、更新を確認できませんでした。");
        return std::nullopt;
    }
    FtpAccount timed = account.server;
    const auto left = account.end - std::chrono::steady_clock::now();
    timed.deadline = std::max(std::chrono::steady_clock::duration::zero(), left);
    if (!RunDownload(timed, name, file.fd(), maxBytes).succeeded() || file.size() == 0)
        return std::nullopt;
    return file;
}

void RemoveOldDownloads(const std::filesystem::path& folder, const std::string& fileName)
{
    std::error_code ignored;
    std::filesystem::remove(folder / kMarkerName, ignored);
    for (const char* suffix : kOldSuffixes)
        std::filesystem::remove(folder / (fileName + suffix), ignored);
}

// The serial of the last release installed: 0 before the first; nothing when the stored one is
// damaged, so no release is taken rather than an old one.
std::optional<std::uint64_t> StoredSerial(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (!std::filesystem::exists(folder / kStoredSerialName, ec))
        return 0;
    const std::optional<std::string> text = ReadFileBytes(folder / kStoredSerialName, 32);
    const std::optional<std::uint64_t> serial = text ? ParseSerial(*text) : std::nullopt;
    if (!serial)
        Log((folder / kStoredSerialName).string() + " が読めないため、更新を適用しませんでした。");
    return serial;
}

// The sheets folder can take new sheets: a staging folder can be made in it (and is removed again).
bool SheetsFolderWritable(const std::filesystem::path& sheetsFolder)
{
    std::error_code ignored;
    std::filesystem::create_directories(sheetsFolder, ignored);
    std::string probe = (sheetsFolder / ".staging-XXXXXX").string();
    if (!::mkdtemp(probe.data()))
        return false;
    ::rmdir(probe.c_str());
    return true;
}

struct VerifiedUpdate {
    PrivateFile file;
    std::optional<std::uint64_t> serial;  // of the signed release; none for an unsigned update
};

// The release statement the key signed for this marker, with a serial above the last one installed.
std::optional<UpdateRelease> SignedRelease(const CheckAccount& account, const std::string& marker,
                                           const UpdateCheckEnvironment& environment, const UpdateKey& key)
{
    const std::filesystem::path& folder = environment.downloadFolder;
    const std::optional<PrivateFile> file = Fetch(account, kReleaseStatementName, folder, kMaxReleaseBytes);
    const std::optional<std::string> statement = file ? file->bytes(kMaxReleaseBytes) : std::nullopt;
    const std::optional<UpdateRelease> release = statement ? VerifiedRelease(*statement, key) : std::nullopt;
    if (!release) {
        Log("更新データの署名(" + std::string(kReleaseStatementName) + ")がないか確かめられないため、適用しませんでした。");
        return std::nullopt;
    }
    const std::optional<std::uint64_t> stored = StoredSerial(folder);
    if (!stored)
        return std::nullopt;
    if (release->serial <= *stored) {
        Log(kRefusedOld);
        return std::nullopt;
    }
    if (release->markerSha256 != Sha256Hex(marker)) {
        Log("署名された更新データが今回の更新の印(update_)と合わないため、適用しませんでした。");
        return std::nullopt;
    }
    return release;
}

// The update file as the release names it: its size and SHA-256 are checked before anything else
// reads it.
std::optional<VerifiedUpdate> FetchSignedUpdate(const CheckAccount& account, const std::string& fileName,
                                                const std::string& marker, const UpdateCheckEnvironment& environment,
                                                const UpdateKey& key)
{
    const std::optional<UpdateRelease> release = SignedRelease(account, marker, environment, key);
    if (!release)
        return std::nullopt;
    if (release->fileName != fileName || release->size > environment.maxUpdateBytes) {
        Log("署名された更新データの名前か大きさが設定と合わないため、適用しませんでした。");
        return std::nullopt;
    }
    std::optional<PrivateFile> file = Fetch(account, fileName, environment.downloadFolder, release->size);
    if (!file)
        return std::nullopt;
    const std::optional<std::string> sha256 = Sha256HexOfFile(file->fd());
    if (file->size() != release->size || sha256 != release->sha256) {
        Log("更新データが署名された内容と違うため、適用しませんでした。");
        return std::nullopt;
    }
    return VerifiedUpdate{std::move(*file), release->serial};
}

std::optional<VerifiedUpdate> FetchUpdate(const CheckAccount& account, const std::string& fileName,
                                          const std::string& marker, const UpdateCheckEnvironment& environment)
{
    if (!environment.updateKey.empty()) {
        const std::optional<UpdateKey> key = DecodeUpdateKey(environment.updateKey);
        if (!key) {
            Log("velmaro.ini の UPDATEKEY が公開鍵として読めないため、更新を適用しませんでした。");
            return std::nullopt;
        }
        return FetchSignedUpdate(account, fileName, marker, environment, *key);
    }
    if (!environment.allowUnsigned) {
        Log("更新データの署名を確かめる鍵(UPDATEKEY)がないため、更新を適用しませんでした。");
        return std::nullopt;
    }
    std::optional<PrivateFile> file = Fetch(account, fileName, environment.downloadFolder, environment.maxUpdateBytes);
    if (!file)
        return std::nullopt;
    return VerifiedUpdate{std::move(*file), std::nullopt};
}

// The marker first: should the serial then fail to be kept, the next start finds the marker
// unchanged, and an older release is still refused by the serial kept before.
void KeepMarker(const std::filesystem::path& folder, const std::string& marker, const std::optional<std::uint64_t>& serial)
{
    if (WriteFileAtomically(folder / kStoredMarkerName, marker) != 0 ||
        (serial && WriteFileAtomically(folder / kStoredSerialName, std::to_string(*serial)) != 0))
        Log(folder.string() + " に更新の印を保存できませんでした。次回の起動時にもう一度確認します。");
}

// Holds the folder's lock throughout, so a second instance neither fetches nor installs meanwhile.
// The stored marker is replaced only once the update is installed, so a failed fetch, a refused
// file or a failed install is tried again at the next start.
int CheckForUpdate(const CheckAccount& account, const std::string& fileName, const UpdateCheckEnvironment& environment)
{
    if (!IsUpdateFileName(fileName)) {
        Log("更新データの名前が使えないため、更新を確認しません: " + fileName);
        return kNoUpdate;
    }
    const std::filesystem::path& folder = environment.downloadFolder;
    if (!MakePrivateFolder(folder)) {
        Log(folder.string() + " をこのユーザー専用のフォルダとして使えないため、更新を確認しません。");
        return kNoUpdate;
    }
    const FolderLock lock(folder);
    if (!lock.held())
        return kNoUpdate;
    RemoveOldDownloads(folder, fileName);
    const std::optional<PrivateFile> markerFile = Fetch(account, kMarkerName, folder, kMaxMarkerBytes);
    const std::optional<std::string> marker = markerFile ? markerFile->bytes(kMaxMarkerBytes) : std::nullopt;
    if (!marker)
        return kNoUpdate;
    const std::optional<std::string> stored = ReadFileBytes(folder / kStoredMarkerName, kMaxMarkerBytes);
    if (stored && SameMarker(*marker, *stored))
        return kNoUpdate;
    if (!SheetsFolderWritable(environment.sheetsFolder)) {
        const std::string message = "シートを保存するフォルダ " + environment.sheetsFolder.string() +
                                    " に書き込めないため、更新を取得しませんでした。";
        Log(message);
        if (environment.notice)
            environment.notice(message);
        return kNoUpdate;
    }
    const std::optional<VerifiedUpdate> update = FetchUpdate(account, fileName, *marker, environment);
    if (!update)
        return kNoUpdate;
    const InstallerOutcome outcome = RunInstaller(environment.installer, update->file.fd(), environment.sheetsFolder);
    if (outcome == InstallerOutcome::Failed)
        Log("更新データをインストールできませんでした。次回の起動時にもう一度試します。");
    if (outcome != InstallerOutcome::Installed)
        return kNoUpdate;
    KeepMarker(folder, *marker, update->serial);
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
    const std::string own[] = {kMarkerName,         kStoredMarkerName, kStoredSerialName, kReleaseStatementName,
                               "velmaro",           "velmaro.ini",     kInstallerName};
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
    account.transcript = environment.transcript;
    int result = kNoUpdate;
    try {
        result = CheckForUpdate(CheckAccount{account, std::chrono::steady_clock::now() + account.deadline}, fileName,
                                environment);
    } catch (const std::exception& error) {
        std::cerr << error.what() << std::endl;
    }
    if (environment.report)
        environment.report(result);
}
