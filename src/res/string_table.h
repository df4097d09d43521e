#pragma once
// The string table: the seventeen text colours, ids 102 to 118, as "0x" and six hex digits
// (red in the low byte).
#include <optional>
#include <string>

inline constexpr int kFirstColourString = 102;
inline constexpr int kLastColourString = 118;

// The text of a string id, or nothing for an id the table does not hold.
std::optional<std::string> LoadResString(int id);
