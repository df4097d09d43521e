#include "update/update_release.h"

#include <sodium.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {

constexpr char kFirstLine[] = "VELMARO-UPDATE 1";
constexpr std::size_t kMaxDigits = 19;  // every 19-digit number fits 64 bits
constexpr std::size_t kHexDigits = 64;

std::optional<std::uint64_t> Number(const std::string& text)
{
    if (text.empty() || text.size() > kMaxDigits || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoull(text);
}

bool IsSha256Hex(const std::string& text)
{
    return text.size() == kHexDigits && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

std::string Hex(const unsigned char* bytes, std::size_t size)
{
    std::string out(size * 2 + 1, '\0');
    sodium_bin2hex(out.data(), out.size(), bytes, size);
    out.pop_back();
    return out;
}

// The value of the line "KEY value" at `position`, which then moves past the line.
std::optional<std::string> Field(const std::string& text, std::size_t& position, const std::string& key)
{
    const std::size_t end = text.find('\n', position);
    if (end == std::string::npos || text.compare(position, key.size() + 1, key + " ") != 0)
        return std::nullopt;
    std::string value = text.substr(position + key.size() + 1, end - position - key.size() - 1);
    position = end + 1;
    return value;
}

std::optional<UpdateRelease> ParseStatement(const std::string& text)
{
    std::size_t position = 0;
    if (text.compare(0, sizeof kFirstLine, std::string(kFirstLine) + "\n") != 0)
        return std::nullopt;
    position = sizeof kFirstLine;
    const auto serial = Field(text, position, "serial");
    const auto marker = Field(text, position, "marker");
    const auto file = Field(text, position, "file");
    const auto size = Field(text, position, "size");
    const auto sha256 = Field(text, position, "sha256");
    if (!sha256 || position != text.size())
        return std::nullopt;
    UpdateRelease release;
    const auto serialNumber = Number(*serial);
    const auto sizeNumber = Number(*size);
    if (!serialNumber || *serialNumber == 0 || !sizeNumber || !IsSha256Hex(*marker) || !IsSha256Hex(*sha256) ||
        file->empty())
        return std::nullopt;
    release.serial = *serialNumber;
    release.markerSha256 = *marker;
    release.fileName = *file;
    release.size = *sizeNumber;
    release.sha256 = *sha256;
    return release;
}

}  // namespace

std::optional<UpdateRelease> VerifiedRelease(const std::string& statement, const UpdateKey& key)
{
    if (statement.size() <= kSignatureBytes || statement.size() > kMaxReleaseBytes)
        return std::nullopt;
    const std::string text = statement.substr(0, statement.size() - kSignatureBytes);
    if (!SignatureMatches(text, statement.substr(text.size()), key))
        return std::nullopt;
    return ParseStatement(text);
}

std::optional<std::uint64_t> ParseSerial(const std::string& text) { return Number(text); }

std::string Sha256Hex(const std::string& bytes)
{
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return Hex(digest, sizeof digest);
}

std::optional<std::string> Sha256HexOfFile(int fd)
{
    if (sodium_init() < 0)
        return std::nullopt;
    crypto_hash_sha256_state state;
    crypto_hash_sha256_init(&state);
    std::vector<unsigned char> block(64 * 1024);
    off_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, block.data(), block.size(), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        crypto_hash_sha256_update(&state, block.data(), static_cast<unsigned long long>(n));
        offset += n;
    }
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256_final(&state, digest);
    return Hex(digest, sizeof digest);
}
