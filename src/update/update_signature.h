#pragma once
// Ed25519 signatures of update files (libsodium): the settings may carry the public key, and the
// server then serves "FILENAME.sig", the 64-byte detached signature of the whole file.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

using UpdateKey = std::array<unsigned char, 32>;

// A signature file is exactly this long; the download of one is limited to it.
inline constexpr std::size_t kSignatureBytes = 64;

// The key from its base64 text (standard alphabet, the final "=" left out or not), or nothing when
// the text is not exactly one key.
std::optional<UpdateKey> DecodeUpdateKey(const std::string& base64);

// Whether `signatureFile` holds a valid signature of all of `file` by `key`.
bool SignatureMatches(const std::filesystem::path& file, const std::filesystem::path& signatureFile,
                      const UpdateKey& key);
