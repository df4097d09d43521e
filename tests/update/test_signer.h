#pragma once
// A fresh Ed25519 key pair for signing what a test serves, with its public key as the settings
// write it, and the signed release statements an update server publishes with it.
#include <sodium.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

// SHA-256 in lowercase hex, as the release statement writes it.
inline std::string TestSha256(const std::string& bytes)
{
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    char hex[sizeof digest * 2 + 1];
    sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
    return hex;
}

// The text of a release statement, before its signature.
inline std::string ReleaseText(std::uint64_t serial, const std::string& marker, const std::string& fileName,
                               const std::string& update)
{
    return "VELMARO-UPDATE 1\nserial " + std::to_string(serial) + "\nmarker " + TestSha256(marker) + "\nfile " +
           fileName + "\nsize " + std::to_string(update.size()) + "\nsha256 " + TestSha256(update) + "\n";
}

struct TestSigner {
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    unsigned char secretKey[crypto_sign_SECRETKEYBYTES];

    TestSigner()
    {
        EXPECT_GE(sodium_init(), 0);
        crypto_sign_keypair(publicKey, secretKey);
    }
    std::string base64(int variant = sodium_base64_VARIANT_ORIGINAL_NO_PADDING) const
    {
        char text[sodium_base64_ENCODED_LEN(crypto_sign_PUBLICKEYBYTES, sodium_base64_VARIANT_ORIGINAL)];
        sodium_bin2base64(text, sizeof text, publicKey, sizeof publicKey, variant);
        return text;
    }
    std::string sign(const std::string& message) const
    {
        unsigned char signature[crypto_sign_BYTES];
        crypto_sign_detached(signature, nullptr, reinterpret_cast<const unsigned char*>(message.data()),
                             message.size(), secretKey);
        return std::string(reinterpret_cast<char*>(signature), sizeof signature);
    }
    // The statement text followed by its signature, as served in "update_.sig".
    std::string signed_text(const std::string& text) const { return text + sign(text); }
    std::string release(std::uint64_t serial, const std::string& marker, const std::string& fileName,
                        const std::string& update) const
    {
        return signed_text(ReleaseText(serial, marker, fileName, update));
    }
};
