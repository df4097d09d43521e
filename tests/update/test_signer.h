#pragma once
// A fresh Ed25519 key pair for signing what a test serves, with its public key as the settings
// write it (base64 without the padding, which the settings grammar cannot hold).
#include <sodium.h>

#include <gtest/gtest.h>

#include <string>

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
};
