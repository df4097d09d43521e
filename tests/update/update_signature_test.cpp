// Update signatures: the key from its base64 text, detached Ed25519 signatures, and the signed
// release statement that names an update.
#include <gtest/gtest.h>

#include <unistd.h>

#include "temp_folder.h"
#include "test_signer.h"
#include "update/private_file.h"
#include "update/update_release.h"
#include "update/update_signature.h"

namespace {

// The key is taken with or without its base64 padding.
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
                                   std::string(44, '='), text + "=="}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(DecodeUpdateKey(bad));
    }
}

TEST(UpdateSignature, OnlyTheKeysSignatureOfTheWholeMessageHolds)
{
    const TestSigner pair;
    const TestSigner other;
    const UpdateKey key = *DecodeUpdateKey(pair.base64());
    const std::string message = std::string("the statement\x00\x1a\xff", 16) + std::string(1000, 'u');
    const std::string signature = pair.sign(message);
    std::string tampered = message;
    tampered[500] ^= 1;
    const struct {
        const char* name;
        std::string message;
        std::string signature;
        bool holds;
    } cases[] = {
        {"signed", message, signature, true},
        {"one byte changed", tampered, signature, false},
        {"cut short", message.substr(0, message.size() - 1), signature, false},
        {"another key's signature", message, other.sign(message), false},
        {"signature cut short", message, signature.substr(0, 63), false},
        {"signature too long", message, signature + "x", false},
        {"no signature", message, "", false},
        {"empty message signed", "", pair.sign(""), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SignatureMatches(c.message, c.signature, key), c.holds);
    }
}

// A statement is taken only in its exact form and only with the key's signature over all its text.
TEST(UpdateRelease, OnlyAStatementOfTheExactFormSignedByTheKeyIsTaken)
{
    const TestSigner pair;
    const TestSigner other;
    const UpdateKey key = *DecodeUpdateKey(pair.base64());
    const std::string text = ReleaseText(42, "2024-06-01\r\n", "sheets.tar.gz", "the archive");
    auto replaced = [&text](const std::string& from, const std::string& to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    const struct {
        const char* name;
        std::string statement;
        bool taken;
    } cases[] = {
        {"signed", pair.signed_text(text), true},
        {"another key", other.signed_text(text), false},
        {"text changed after signing", replaced("serial 42", "serial 43") + pair.sign(text), false},
        {"no signature", text, false},
        {"other first line", pair.signed_text(replaced("VELMARO-UPDATE 1", "VELMARO-UPDATE 2")), false},
        {"serial zero", pair.signed_text(replaced("serial 42", "serial 0")), false},
        {"serial not a number", pair.signed_text(replaced("serial 42", "serial -42")), false},
        {"serial of twenty digits", pair.signed_text(replaced("serial 42", "serial 10000000000000000000")), false},
        {"fields out of order", pair.signed_text(replaced("serial 42\n", "") + "serial 42\n"), false},
        {"a field more", pair.signed_text(text + "note x\n"), false},
        {"carriage returns", pair.signed_text(replaced("serial 42\n", "serial 42\r\n")), false},
        {"marker not hex",
         pair.signed_text(replaced("marker " + TestSha256("2024-06-01\r\n"), "marker " + std::string(64, 'G'))), false},
        {"too long", pair.signed_text(text + std::string(kMaxReleaseBytes, 'x')), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<UpdateRelease> release = VerifiedRelease(c.statement, key);
        ASSERT_EQ(release.has_value(), c.taken);
        if (c.taken) {
            EXPECT_EQ(release->serial, 42u);
            EXPECT_EQ(release->markerSha256, TestSha256("2024-06-01\r\n"));
            EXPECT_EQ(release->fileName, "sheets.tar.gz");
            EXPECT_EQ(release->size, std::string("the archive").size());
            EXPECT_EQ(release->sha256, TestSha256("the archive"));
        }
    }
}

TEST(UpdateRelease, HashesAFileFromItsStartWhateverItsOffset)
{
    TempFolder folder;
    PrivateFile file(folder.path(), "f");
    ASSERT_TRUE(file.open());
    const std::string bytes = std::string(200000, 'a') + "end";
    ASSERT_EQ(::write(file.fd(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));

    EXPECT_EQ(Sha256HexOfFile(file.fd()), TestSha256(bytes));
    EXPECT_EQ(Sha256Hex(bytes), TestSha256(bytes));
}

TEST(UpdateRelease, StoredSerialIsDigitsOnly)
{
    const std::pair<std::string, std::optional<std::uint64_t>> cases[] = {
        {"7", 7}, {"18446744073709551615", std::nullopt}, {"", std::nullopt}, {"7\n", std::nullopt}, {"x", std::nullopt},
    };
    for (const auto& [text, serial] : cases)
        EXPECT_EQ(ParseSerial(text), serial) << text;
}

}  // namespace
