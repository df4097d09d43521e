#include "update/update_settings.h"

#include <iostream>
#include <stdexcept>

#include "update/ftp_download.h"
#include "update/ini_file.h"

namespace {

UpdateSettings SettingsFrom(const ini_file& ini)
{
    UpdateSettings settings;
    settings.server = ini.get("FTP", "SERVER");
    settings.port = ini.get("FTP", "PORT");
    settings.userId = ini.get("FTP", "USERID");
    settings.password = ini.get("FTP", "PASSWORD");
    settings.remoteDir = ini.get("FTP", "URL");
    settings.fileName = ini.get("FTP", "FILENAME");
    settings.index = ini.get("SETTING", "INDEX");
    if (settings.index.empty())
        settings.index = ini.get("FTP", "INDEX");
    settings.supportUrl = ini.get("SETTING", "SUPPORTURL");
    settings.updateKey = ini.get("SETTING", "UPDATEKEY");
    settings.updateLimit = ini.get("SETTING", "UPDATELIMITMB");
    settings.allowUnsigned = ini.get("SETTING", "UPDATEUNSIGNED") == "1";
    settings.transcript = ini.get("SETTING", "UPDATEDEBUG") == "1";
    return settings;
}

// Every other byte of `text` from `first`, shifted by `delta` modulo 256.
std::string EveryOtherByte(const std::string& text, std::size_t first, int delta)
{
    std::string out;
    for (std::size_t i = first; i < text.size(); i += 2)
        out += static_cast<char>(static_cast<unsigned char>(static_cast<unsigned char>(text[i]) + delta));
    return out;
}

}  // namespace

bool UpdateSettings::complete() const
{
    return !server.empty() && !userId.empty() && !password.empty() && !remoteDir.empty() &&
           !fileName.empty() && !index.empty() && !supportUrl.empty();
}

std::uint64_t UpdateSettings::maxUpdateBytes() const
{
    constexpr std::uint64_t kMiB = 1024 * 1024;
    constexpr std::size_t kMaxDigits = 4;
    if (updateLimit.empty() || updateLimit.size() > kMaxDigits ||
        updateLimit.find_first_not_of("0123456789") != std::string::npos)
        return kDefaultUpdateLimit;
    const std::uint64_t mib = std::stoull(updateLimit);
    return mib >= 1 && mib <= 4096 ? mib * kMiB : kDefaultUpdateLimit;
}

UpdateSettings ReadUpdateSettings(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return {};
    try {
        return SettingsFrom(ini_file(path.string()));
    } catch (const std::runtime_error& error) {
        std::cerr << path.string() << ": " << error.what() << std::endl;
        return {};
    }
}

std::string UnscrambleUser(const std::string& userId) { return EveryOtherByte(userId, 0, +1); }

std::string UnscramblePassword(const std::string& password) { return EveryOtherByte(password, 1, -1); }
