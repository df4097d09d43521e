#pragma once
// Reading the fields of a design file. Every read stays inside the file's bytes and moves `pos`
// only when it succeeds; a false result means the file is damaged.
#include <cstddef>
#include <cstdint>
#include <string>

// A decimal (or hexadecimal) number after optional white space, followed by one tab.
bool ReadTabbedInt(const std::string& data, std::size_t& pos, int& value);
bool ReadTabbedHex(const std::string& data, std::size_t& pos, std::uint32_t& value);

// Exactly `length` bytes; refused when the length is negative, above `maxLength` or past the end.
bool TakeBytes(const std::string& data, std::size_t& pos, int length, int maxLength, std::string& out);

// One line feed at `pos`.
bool TakeLineFeed(const std::string& data, std::size_t& pos);

// Moves past the next line feed; false when there is none.
bool SkipPastLineFeed(const std::string& data, std::size_t& pos);

// Nothing but white space from `pos` to the end.
bool OnlySpaceLeft(const std::string& data, std::size_t pos);
