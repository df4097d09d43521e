#pragma once
// The five kinds of design file, told apart by the magic at the start of the file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

enum class DesignVariant { Orvanel, Zolvi, OldOrvanel, OldZolvi, FirstVersion };

// The flag byte that opens a Zolvi file saved from a sheet of format kind 5.
inline constexpr std::uint8_t kZolviKind5Flag = 0x01;

// "orvanel", "zolvi", "old-orvanel", "old-zolvi" or "first-version".
const char* VariantName(DesignVariant variant);

// True for the variants that hold an Orvanel record.
bool HoldsOrvanel(DesignVariant variant);

// The magic bytes: the opening byte (0x00, or the flag for Zolvi files), the name and a 0x00.
std::string MagicBytes(DesignVariant variant, std::uint8_t openingByte = 0);
std::size_t MagicLength(DesignVariant variant);

// The variant whose magic `bytes` start with; nothing for a file that is no design file.
std::optional<DesignVariant> RecogniseVariant(const std::string& bytes);
