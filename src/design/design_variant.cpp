#include "design/design_variant.h"

#include <cstring>

namespace {

struct VariantInfo {
    DesignVariant variant;
    const char* magicName;
    const char* name;
};

constexpr VariantInfo kVariants[] = {
    {DesignVariant::Orvanel, "orvanelvectorzvd", "orvanel"},
    {DesignVariant::Zolvi, "zolvi2vectorzvd", "zolvi"},
    {DesignVariant::OldOrvanel, "orvanelzvd", "old-orvanel"},
    {DesignVariant::OldZolvi, "zolvi2zvd", "old-zolvi"},
    {DesignVariant::FirstVersion, "zvd", "first-version"},
};

// Recognition looks at no more than the first 20 bytes.
constexpr std::size_t kMagicWindow = 20;

const VariantInfo& InfoOf(DesignVariant variant)
{
    for (const VariantInfo& info : kVariants)
        if (info.variant == variant)
            return info;
    return kVariants[0];
}

}  // namespace

const char* VariantName(DesignVariant variant) { return InfoOf(variant).name; }

bool HoldsOrvanel(DesignVariant variant)
{
    return variant == DesignVariant::Orvanel || variant == DesignVariant::OldOrvanel;
}

std::string MagicBytes(DesignVariant variant, std::uint8_t openingByte)
{
    std::string magic(1, static_cast<char>(openingByte));
    magic += InfoOf(variant).magicName;
    magic += '\0';
    return magic;
}

std::size_t MagicLength(DesignVariant variant) { return std::strlen(InfoOf(variant).magicName) + 2; }

std::optional<DesignVariant> RecogniseVariant(const std::string& bytes)
{
    if (bytes.empty())
        return std::nullopt;
    const std::string window = bytes.substr(0, kMagicWindow);
    const std::string name = window.substr(1, window.find('\0', 1) - 1);
    const auto opening = static_cast<std::uint8_t>(bytes[0]);
    for (const VariantInfo& info : kVariants) {
        if (name != info.magicName)
            continue;
        if (opening == 0 || (opening == kZolviKind5Flag && info.variant == DesignVariant::Zolvi))
            return info.variant;
        return std::nullopt;
    }
    return std::nullopt;
}
