#pragma once
// Reads tab-separated fields the way the old files were written and read: each field may be
// preceded by any white space; texts end at white space; numbers are decimal or hexadecimal.
// Never reads outside the range it was given.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The value of a hexadecimal digit, or -1 for any other character.
int HexDigit(char c);

class ByteScanner {
public:
    ByteScanner(const std::string& data, std::size_t begin, std::size_t end);
    explicit ByteScanner(const std::string& data) : ByteScanner(data, 0, data.size()) {}
    // The scanner reads the caller's bytes in place; a temporary would be gone before it is read.
    ByteScanner(std::string&&, std::size_t, std::size_t) = delete;
    explicit ByteScanner(std::string&&) = delete;

    // A white-space delimited word; only its first `maxBytes` are kept (the rest is consumed).
    bool Text(std::string& out, std::size_t maxBytes = 255);
    // A decimal integer with optional sign; saturates at the int range.
    bool Int(int& out);
    // Hexadecimal digits with an optional "0x"; saturates at 32 bits.
    bool Hex(std::uint32_t& out);
    // One raw byte after any white space (a field written with %c).
    bool RawByte(unsigned char& out);

    std::size_t Position() const { return m_pos; }
    bool AtEnd() const { return m_pos >= m_end; }

private:
    void SkipSpace();

    const std::string& m_data;
    std::size_t m_pos;
    std::size_t m_end;
};

bool IsScanSpace(unsigned char c);

// One line from `pos` up to a line feed, without it (a carriage return stays); moves `pos` past
// the line feed. Nothing when `pos` is at the end.
std::optional<std::string> ReadLine(const std::string& data, std::size_t& pos);

// Four integers left, top, right, bottom from a rectangle line.
struct Rect;
bool ParseRect(const std::string& line, Rect& rect);
