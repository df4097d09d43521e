#pragma once
// Small files of values the program remembers between runs (preferences, the last folders used):
// "[group]" and "key=value" lines as QSettings writes them, so files of earlier versions still
// read. Read through the bounded regular-file reader; written whole, by an atomic replace.
#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

// Far more than a few remembered values need.
inline constexpr std::size_t kMaxIniValuesBytes = 64 * 1024;

// Values by "group/key", UTF-8.
using IniValues = std::map<std::string, std::string>;

IniValues ParseIniValues(std::string_view text);
std::string IniValuesText(const IniValues& values);

// The values of `file`; none for a missing file, one larger than kMaxIniValuesBytes, or anything
// but a regular file (never waited on).
IniValues ReadIniValues(const std::filesystem::path& file);
// Sets `key` to `value` in `file`, making its folder when needed; 0 or the errno of the step that
// failed.
int StoreIniValue(const std::filesystem::path& file, const std::string& key, const std::string& value);
