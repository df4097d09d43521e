#include "platform/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace cp932 {

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

bool IsHalfWidthKatakana(unsigned char c) { return c >= 0xA1 && c <= 0xDF; }

std::size_t CharLength(const std::string& text, std::size_t pos)
{
    if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos])))
        return 2;
    return 1;
}

std::size_t PreviousCharStart(const std::string& text, std::size_t pos)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < pos;) {
        start = i;
        i += CharLength(text, i);
    }
    return start;
}

namespace {

// One conversion; `replacement` stands for every input byte sequence the target cannot hold.
std::string Convert(const char* to, const char* from, const std::string& in, const std::string& replacement,
                    bool utf8Source)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return in;
    std::string out;
    std::vector<char> buffer(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), dst);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // Skip the offending byte (EILSEQ) or the truncated tail (EINVAL).
            out += replacement;
            ++src;
            --srcLeft;
            while (utf8Source && srcLeft > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80) {
                ++src;
                --srcLeft;
            }
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

namespace {

char32_t DecodeWithIconv(iconv_t cd, const char* bytes, std::size_t n)
{
    char32_t out = 0;
    char* src = const_cast<char*>(bytes);
    char* dst = reinterpret_cast<char*>(&out);
    std::size_t srcLeft = n, dstLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft != 0)
        return U'\uFFFD';
    return out;
}

// Code points of every single byte and every lead/trail pair, built once.
struct DecodeTable {
    std::vector<char32_t> single = std::vector<char32_t>(256);
    std::vector<char32_t> pair = std::vector<char32_t>(65536, U'\uFFFD');

    DecodeTable()
    {
        iconv_t cd = iconv_open("UTF-32LE", "CP932");
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            single[b] = IsLeadByte(static_cast<unsigned char>(b)) || cd == reinterpret_cast<iconv_t>(-1)
                            ? U'\uFFFD'
                            : DecodeWithIconv(cd, &c, 1);
        }
        for (int lead = 0x81; lead <= 0xFC && cd != reinterpret_cast<iconv_t>(-1); ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                pair[(lead << 8) | trail] = DecodeWithIconv(cd, bytes, 2);
            }
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
};

const DecodeTable& Table()
{
    static const DecodeTable table;
    return table;
}

}  // namespace

char32_t DecodeChar(const std::string& text, std::size_t pos, std::size_t* length)
{
    const std::size_t n = CharLength(text, pos);
    if (length)
        *length = n;
    const auto first = static_cast<unsigned char>(text[pos]);
    if (n == 1)
        return Table().single[first];
    return Table().pair[(first << 8) | static_cast<unsigned char>(text[pos + 1])];
}

std::u32string ToCodePoints(const std::string& cp932Text)
{
    std::u32string out;
    out.reserve(cp932Text.size());
    for (std::size_t pos = 0, n = 0; pos < cp932Text.size(); pos += n)
        out.push_back(DecodeChar(cp932Text, pos, &n));
    return out;
}

std::string ToUtf8(const std::string& cp932Text) { return Convert("UTF-8", "CP932", cp932Text, "\xEF\xBF\xBD", false); }

std::string FromUtf8(const std::string& utf8Text) { return Convert("CP932", "UTF-8", utf8Text, "?", true); }

}  // namespace cp932
