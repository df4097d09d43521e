#pragma once
// The signed release statement "update_.sig" that an update server publishes beside the marker
// when the settings carry a key. It names the update by everything that must match:
//
//   VELMARO-UPDATE 1\n
//   serial N\n                 decimal, 1 to 19 digits; each release's serial is larger than the last
//   marker HEX\n               SHA-256 of the marker file "update_" as served, 64 lowercase hex digits
//   file NAME\n                the update file's name (FTP/FILENAME)
//   size N\n                   the update file's length in bytes
//   sha256 HEX\n               SHA-256 of the update file
//
// followed directly by the 64-byte Ed25519 signature of all the text before it. A client keeps the
// serial of the last release it installed and refuses one that is not larger, so an old release
// served again, with its own marker or a new one, is never installed a second time. The older
// detached signature "FILENAME.sig" of the archive alone stays on the server for older clients,
// which keep checking it as before; this statement does not change what they do.
#include <cstdint>
#include <optional>
#include <string>

#include "update/update_signature.h"

inline constexpr char kReleaseStatementName[] = "update_.sig";
// Six short lines and a signature.
inline constexpr std::size_t kMaxReleaseBytes = 4096;

struct UpdateRelease {
    std::uint64_t serial = 0;
    std::string markerSha256;
    std::string fileName;
    std::uint64_t size = 0;
    std::string sha256;
};

// The release the statement names when its text has exactly the form above and `key` signed it.
std::optional<UpdateRelease> VerifiedRelease(const std::string& statement, const UpdateKey& key);

// The serial as stored after an install: decimal digits only; nothing for anything else.
std::optional<std::uint64_t> ParseSerial(const std::string& text);

// SHA-256 in lowercase hex: of bytes in memory, or of all of an open file read from its start.
std::string Sha256Hex(const std::string& bytes);
std::optional<std::string> Sha256HexOfFile(int fd);
