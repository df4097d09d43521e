#include "update/update_signature.h"

#include <sodium.h>

std::optional<UpdateKey> DecodeUpdateKey(const std::string& base64)
{
    if (sodium_init() < 0)
        return std::nullopt;
    // The padding of a 32-byte key is one "=", written or left out.
    std::string text = base64;
    if (!text.empty() && text.back() == '=')
        text.pop_back();
    UpdateKey key{};
    std::size_t length = 0;
    const char* end = nullptr;
    if (sodium_base642bin(key.data(), key.size(), text.data(), text.size(), nullptr, &length, &end,
                          sodium_base64_VARIANT_ORIGINAL_NO_PADDING) != 0 ||
        length != key.size() || end != text.data() + text.size())
        return std::nullopt;
    return key;
}

bool SignatureMatches(const std::string& message, const std::string& signature, const UpdateKey& key)
{
    return sodium_init() >= 0 && signature.size() == kSignatureBytes &&
           crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.data()),
                                       reinterpret_cast<const unsigned char*>(message.data()), message.size(),
                                       key.data()) == 0;
}
