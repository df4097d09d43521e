#pragma once
// The update settings from "velmaro.ini", and the unscrambling of the account.
#include <cstdint>
#include <filesystem>
#include <string>

struct UpdateSettings {
    std::string server;      // FTP/SERVER
    std::string port;        // FTP/PORT, optional: the FTP port when the server does not listen on 21
    std::string userId;      // FTP/USERID, scrambled
    std::string password;    // FTP/PASSWORD, scrambled
    std::string remoteDir;   // FTP/URL
    std::string fileName;    // FTP/FILENAME
    std::string index;       // SETTING/INDEX, or FTP/INDEX where older files keep it
    std::string supportUrl;  // SETTING/SUPPORTURL
    std::string updateKey;   // SETTING/UPDATEKEY: base64 Ed25519 public key the updates are signed with
    std::string updateLimit; // SETTING/UPDATELIMITMB: the largest update file in MiB; empty for the default
    // SETTING/UPDATEUNSIGNED=1: without a key, updates are taken unsigned (for servers that publish
    // no signature). Without a key and without this, no update is taken.
    bool allowUnsigned = false;
    // SETTING/UPDATEDEBUG=1: the dialogue with the update server is written to standard error.
    bool transcript = false;

    // The update file's limit in bytes: UPDATELIMITMB when it is a number from 1 to 4096, else the
    // default.
    std::uint64_t maxUpdateBytes() const;

    // The check runs only when every value is present.
    bool complete() const;
};

// The settings read from the file at `path`. A missing file gives empty values; a file that does
// not parse gives empty values too, after its error has been written to standard error.
UpdateSettings ReadUpdateSettings(const std::filesystem::path& path);

// The account is stored scrambled: the user is every other byte from the first, each raised by
// one; the password every other byte from the second, each lowered by one (wrapping at 0 and 255).
std::string UnscrambleUser(const std::string& userId);
std::string UnscramblePassword(const std::string& password);
