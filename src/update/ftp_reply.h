#pragma once
// Reading the FTP server's replies: whole reply lines and the data address of a PASV reply.
#include <cstdint>
#include <optional>
#include <string>

#include <boost/asio/streambuf.hpp>

// The next complete line in `buffer` (up to a line feed, which is consumed and dropped; a
// carriage return before it is dropped too), or nothing while no line feed has arrived yet.
std::optional<std::string> TakeReplyLine(boost::asio::streambuf& buffer);

struct PasvAddress {
    std::string host;  // dotted quad
    std::string port;  // decimal
};

// The data address in a passive-mode reply line: the six numbers in parentheses, h1,h2,h3,h4,p1,p2,
// give the host h1.h2.h3.h4 and the port p1*256+p2. Nothing when the line has no six numbers
// or a number does not fit a byte.
std::optional<PasvAddress> ParsePasvAddress(const std::string& line);

// The size in a reply "213 N" to SIZE; nothing for any other line or a number beyond 64 bits.
std::optional<std::uint64_t> ParseSizeReply(const std::string& line);

// Reply lines start with a three-digit code; these look at the code only.
bool IsReplyCode(const std::string& line, const char* code);
// A 4xx or 5xx reply: the server refused the command.
bool IsRefusal(const std::string& line);

// The server's text as it may be shown on a terminal: printable ASCII, line feeds and tabs kept,
// every other byte (escape sequences, bells, NUL, carriage returns, code page 932) and the
// backslash written as \xNN, so a server cannot move the cursor, recolour or hide anything.
std::string EscapedReplyText(const std::string& text);
