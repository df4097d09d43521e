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

std::string ToUtf8(const std::string& cp932Text) { return Convert("UTF-8", "CP932", cp932Text, "\xEF\xBF\xBD", false); }

std::string FromUtf8(const std::string& utf8Text) { return Convert("CP932", "UTF-8", utf8Text, "?", true); }

}  // namespace cp932
