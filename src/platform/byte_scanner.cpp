#include "platform/byte_scanner.h"

#include "platform/rect.h"

#include <climits>

bool IsScanSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

ByteScanner::ByteScanner(const std::string& data, std::size_t begin, std::size_t end)
    : m_data(data), m_pos(begin < data.size() ? begin : data.size()), m_end(end < data.size() ? end : data.size())
{
    if (m_end < m_pos)
        m_end = m_pos;
}

void ByteScanner::SkipSpace()
{
    while (m_pos < m_end && IsScanSpace(static_cast<unsigned char>(m_data[m_pos])))
        ++m_pos;
}

bool ByteScanner::Text(std::string& out, std::size_t maxBytes)
{
    SkipSpace();
    std::size_t start = m_pos;
    while (m_pos < m_end && !IsScanSpace(static_cast<unsigned char>(m_data[m_pos])))
        ++m_pos;
    if (m_pos == start)
        return false;
    std::size_t length = m_pos - start;
    out.assign(m_data, start, length < maxBytes ? length : maxBytes);
    return true;
}

bool ByteScanner::Int(int& out)
{
    SkipSpace();
    std::size_t p = m_pos;
    bool negative = false;
    if (p < m_end && (m_data[p] == '-' || m_data[p] == '+'))
        negative = m_data[p++] == '-';
    if (p >= m_end || m_data[p] < '0' || m_data[p] > '9')
        return false;
    long long value = 0;
    while (p < m_end && m_data[p] >= '0' && m_data[p] <= '9') {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (m_data[p] - '0');
        ++p;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    if (value < INT_MIN)
        value = INT_MIN;
    out = static_cast<int>(value);
    m_pos = p;
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ByteScanner::Hex(std::uint32_t& out)
{
    SkipSpace();
    std::size_t p = m_pos;
    if (p + 2 < m_end && m_data[p] == '0' && (m_data[p + 1] == 'x' || m_data[p + 1] == 'X') &&
        HexDigit(m_data[p + 2]) >= 0)
        p += 2;
    if (p >= m_end || HexDigit(m_data[p]) < 0)
        return false;
    unsigned long long value = 0;
    while (p < m_end && HexDigit(m_data[p]) >= 0) {
        if (value <= 0xFFFFFFFFull)
            value = value * 16 + static_cast<unsigned>(HexDigit(m_data[p]));
        ++p;
    }
    out = value > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(value);
    m_pos = p;
    return true;
}

bool ByteScanner::RawByte(unsigned char& out)
{
    SkipSpace();
    if (m_pos >= m_end)
        return false;
    out = static_cast<unsigned char>(m_data[m_pos++]);
    return true;
}

std::optional<std::string> ReadLine(const std::string& data, std::size_t& pos)
{
    if (pos >= data.size())
        return std::nullopt;
    std::size_t lf = data.find('\n', pos);
    std::size_t end = lf == std::string::npos ? data.size() : lf;
    std::string line = data.substr(pos, end - pos);
    pos = lf == std::string::npos ? data.size() : lf + 1;
    return line;
}

bool ParseRect(const std::string& line, Rect& rect)
{
    ByteScanner scan(line);
    int v[4];
    for (int& value : v)
        if (!scan.Int(value))
            return false;
    rect = Rect{v[0], v[1], v[2], v[3]};
    return true;
}
