#include "design/design_text.h"

namespace {
constexpr char kLineBreak = '\x0B';
}  // namespace

std::string EncodeText(const std::string& text, bool dropFinalBreak)
{
    std::string encoded;
    encoded.reserve(text.size());
    for (char c : text) {
        if (c == '\r')
            continue;
        encoded += c == '\n' ? kLineBreak : c;
    }
    if (dropFinalBreak && !encoded.empty() && encoded.back() == kLineBreak)
        encoded.pop_back();
    return encoded;
}

std::string DecodeText(const std::string& encoded, bool keepFinalLineFeed)
{
    // Splitting nothing would give one empty line; an empty sticker must come back empty.
    if (encoded.empty())
        return encoded;
    std::string text;
    text.reserve(encoded.size() + 1);
    for (char c : encoded)
        text += c == kLineBreak ? '\n' : c;
    if (keepFinalLineFeed)
        text += '\n';
    return text;
}
