#pragma once
// Ed25519 signatures of updates (libsodium): the settings may carry the public key, and the server
// then signs what it publishes (see update_release.h).
#include <array>
#include <cstddef>
#include <optional>
#include <string>

using UpdateKey = std::array<unsigned char, 32>;

// A detached signature is exactly this long.
inline constexpr std::size_t kSignatureBytes = 64;

// The key from its base64 text (standard alphabet, the final "=" left out or not), or nothing when
// the text is not exactly one key.
std::optional<UpdateKey> DecodeUpdateKey(const std::string& base64);

// Whether `signature` is a valid signature of all of `message` by `key`.
bool SignatureMatches(const std::string& message, const std::string& signature, const UpdateKey& key);
