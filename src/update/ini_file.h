#pragma once
// The settings file reader: a strict INI grammar with no comments, loaded whole at construction.
// A line holds one "=" between key and value; further ones are taken only at the value's end, as
// the padding of a base64 value (a key written "UPDATEKEY=...=").
#include <cstddef>
#include <istream>
#include <map>
#include <string>

// Far more than any settings file needs, little enough to read whole.
inline constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

class ini_file {
public:
    // Reads and parses the whole file; throws std::runtime_error with one of the fixed messages
    // ("INI file not found", "found brackets in mid-line", ...) at the first fault. Only a regular
    // file of at most kMaxSettingsBytes is read ("INI file is no regular file", "INI file too large").
    explicit ini_file(const std::string& path);
    // The same for text already open, to its end.
    explicit ini_file(std::istream& in);

    // The value stored under section and key (bytes, case-sensitive), or "" when there is none.
    std::string get(const std::string& section, const std::string& key) const;

private:
    void parse_all(std::istream& in);
    void parse_line(const std::string& rawLine, std::string& section);

    std::map<std::string, std::map<std::string, std::string>> m_sections;
};
