// Update signatures: the key from its base64 text, and detached Ed25519 signatures of a file.
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "test_signer.h"
#include "update/update_signature.h"

namespace {


// The settings cannot hold "=" in a value, so the key is written without its padding; with it,
// it is taken as well.
TEST(UpdateKey, OnlyOneWholeKeyDecodes)
{
    const TestSigner pair;
    const std::string text = pair.base64();
    for (const std::string& good : {text, pair.base64(sodium_base64_VARIANT_ORIGINAL)}) {
        ASSERT_TRUE(DecodeUpdateKey(good)) << good;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(DecodeUpdateKey(good)->data()), 32),
                  std::string(reinterpret_cast<const char*>(pair.publicKey), 32));
    }
    for (const std::string& bad : {std::string(), text.substr(0, 40), text + "AAAA", text + " ", "!" + text.substr(1),
                                   std::string(44, '=')}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(DecodeUpdateKey(bad));
    }
}

TEST(UpdateSignature, OnlyTheKeysSignatureOfTheWholeFileHolds)
{
    const TestSigner pair;
    const TestSigner other;
    const UpdateKey key = *DecodeUpdateKey(pair.base64());
    const std::string update = std::string("the update file\x00\x1a\xff", 18) + std::string(100000, 'u');
    const std::string signature = pair.sign(update);
    std::string tampered = update;
    tampered[5000] ^= 1;
    const struct {
        const char* name;
        std::string file;
        std::optional<std::string> signature;
        bool holds;
    } cases[] = {
        {"signed", update, signature, true},
        {"one byte changed", tampered, signature, false},
        {"cut short", update.substr(0, update.size() - 1), signature, false},
        {"another key's signature", update, other.sign(update), false},
        {"signature cut short", update, signature.substr(0, 63), false},
        {"signature too long", update, signature + "x", false},
        {"no signature", update, std::nullopt, false},
        {"empty file signed", "", pair.sign(""), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.write("u.tar.gz", c.file);
        if (c.signature)
            folder.write("u.tar.gz.sig", *c.signature);
        EXPECT_EQ(SignatureMatches(folder.path() / "u.tar.gz", folder.path() / "u.tar.gz.sig", key), c.holds);
    }
}

}  // namespace
