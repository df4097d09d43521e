// What an FTP server sends, arriving in pieces of one size (the first byte) as reads would bring
// it: every complete line comes out once, without its line end, and the rest waits for more; a
// PASV address taken from a line is a dotted quad of bytes and a port that fits 16 bits; a size
// taken from a line is the decimal number right after "213 ".
#include "fuzz_check.h"
#include "update/ftp_reply.h"

#include <boost/asio/buffer.hpp>
#include <boost/asio/streambuf.hpp>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool IsByteNumber(const std::string& text)
{
    return !text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos &&
           std::stoi(text) <= 255;
}

void CheckAddress(const PasvAddress& address)
{
    std::string host = address.host + ".";
    int parts = 0;
    for (std::size_t dot; (dot = host.find('.')) != std::string::npos; host.erase(0, dot + 1), ++parts)
        Require(IsByteNumber(host.substr(0, dot)), "each host part is a byte");
    Require(parts == 4, "the host has four parts");
    Require(!address.port.empty() && address.port.size() <= 5 &&
                address.port.find_first_not_of("0123456789") == std::string::npos && std::stoi(address.port) <= 65535,
            "the port fits 16 bits");
}

void HandleLine(const std::string& line)
{
    Require(line.find('\n') == std::string::npos, "a reply line holds no line feed");
    if (const auto address = ParsePasvAddress(line))
        CheckAddress(*address);
    if (const auto announced = ParseSizeReply(line)) {
        const std::string digits = std::to_string(*announced);
        Require(line.compare(0, 4, "213 ") == 0, "a size comes from a 213 reply");
        const std::size_t end = line.find_first_not_of("0123456789", 4);
        const std::string written = line.substr(4, end == std::string::npos ? std::string::npos : end - 4);
        Require(written.find_first_not_of('0') == std::string::npos ? *announced == 0
                                                                   : written.substr(written.find_first_not_of('0')) == digits,
                "the size is the number written");
    }
    IsReplyCode(line, "227");
    IsRefusal(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t piece = data[0] + 1u;
    const std::string sent(reinterpret_cast<const char*>(data) + 1, size - 1);
    boost::asio::streambuf buffer;
    std::size_t delivered = 0;
    std::size_t taken = 0;  // bytes of `sent` the lines so far stand for
    while (delivered < sent.size()) {
        const std::size_t n = std::min(piece, sent.size() - delivered);
        std::memcpy(buffer.prepare(n).data(), sent.data() + delivered, n);
        buffer.commit(n);
        delivered += n;
        while (const auto line = TakeReplyLine(buffer)) {
            HandleLine(*line);
            const std::size_t lineFeed = sent.find('\n', taken);
            Require(lineFeed != std::string::npos && lineFeed < delivered, "a line ends at a line feed that came");
            std::string expected = sent.substr(taken, lineFeed - taken);
            if (!expected.empty() && expected.back() == '\r')
                expected.pop_back();
            Require(*line == expected, "the line is the bytes before its line end");
            taken = lineFeed + 1;
        }
        Require(buffer.size() == delivered - taken, "what is not a line yet stays in the buffer");
    }
    return 0;
}
