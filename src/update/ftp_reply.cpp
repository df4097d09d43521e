#include "update/ftp_reply.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <regex>

#include <boost/asio/buffers_iterator.hpp>

std::optional<std::string> TakeReplyLine(boost::asio::streambuf& buffer)
{
    const auto data = buffer.data();
    const auto begin = boost::asio::buffers_begin(data);
    const auto end = boost::asio::buffers_end(data);
    const auto lineFeed = std::find(begin, end, '\n');
    if (lineFeed == end)
        return std::nullopt;
    std::string line(begin, lineFeed);
    buffer.consume(line.size() + 1);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

namespace {

// At most three digits each, so a number never overflows before the range test.
const std::regex kPasvNumbers(
    R"(\(([0-9]{1,3}),([0-9]{1,3}),([0-9]{1,3}),([0-9]{1,3}),([0-9]{1,3}),([0-9]{1,3})\))");

}  // namespace

std::optional<PasvAddress> ParsePasvAddress(const std::string& line)
{
    std::smatch match;
    if (!std::regex_search(line, match, kPasvNumbers))
        return std::nullopt;
    int numbers[6];
    for (int i = 0; i < 6; ++i) {
        numbers[i] = std::stoi(match[i + 1].str());
        if (numbers[i] > 255)
            return std::nullopt;
    }
    PasvAddress address;
    address.host = std::to_string(numbers[0]) + "." + std::to_string(numbers[1]) + "." +
                   std::to_string(numbers[2]) + "." + std::to_string(numbers[3]);
    address.port = std::to_string(numbers[4] * 256 + numbers[5]);
    return address;
}

std::optional<std::uint64_t> ParseSizeReply(const std::string& line)
{
    constexpr std::size_t kMaxDigits = 19;  // every 19-digit number fits 64 bits
    if (line.compare(0, 4, "213 ") != 0)
        return std::nullopt;
    std::size_t end = 4;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9')
        ++end;
    if (end == 4 || end - 4 > kMaxDigits)
        return std::nullopt;
    return std::stoull(line.substr(4, end - 4));
}

bool IsReplyCode(const std::string& line, const char* code)
{
    return line.compare(0, std::strlen(code), code) == 0;
}

bool IsRefusal(const std::string& line)
{
    return !line.empty() && (line[0] == '4' || line[0] == '5');
}

std::string EscapedReplyText(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 0x20 && byte < 0x7F && byte != '\\') || byte == '\n' || byte == '\t') {
            out += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out;
}
