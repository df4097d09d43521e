#include "design/design_fields.h"

#include "platform/byte_scanner.h"

namespace {

bool TakeTab(const std::string& data, std::size_t& pos)
{
    if (pos >= data.size() || data[pos] != '\t')
        return false;
    ++pos;
    return true;
}

template <typename Value, typename Parse>
bool ReadTabbed(const std::string& data, std::size_t& pos, Value& value, Parse parse)
{
    ByteScanner scan(data, pos, data.size());
    Value parsed{};
    if (!parse(scan, parsed))
        return false;
    std::size_t after = scan.Position();
    if (!TakeTab(data, after))
        return false;
    value = parsed;
    pos = after;
    return true;
}

}  // namespace

bool ReadTabbedInt(const std::string& data, std::size_t& pos, int& value)
{
    return ReadTabbed(data, pos, value, [](ByteScanner& scan, int& out) { return scan.Int(out); });
}

bool ReadTabbedHex(const std::string& data, std::size_t& pos, std::uint32_t& value)
{
    return ReadTabbed(data, pos, value, [](ByteScanner& scan, std::uint32_t& out) { return scan.Hex(out); });
}

bool TakeBytes(const std::string& data, std::size_t& pos, int length, int maxLength, std::string& out)
{
    if (length < 0 || length > maxLength || pos > data.size() ||
        static_cast<std::size_t>(length) > data.size() - pos)
        return false;
    out.assign(data, pos, static_cast<std::size_t>(length));
    pos += static_cast<std::size_t>(length);
    return true;
}

bool TakeLineFeed(const std::string& data, std::size_t& pos)
{
    if (pos >= data.size() || data[pos] != '\n')
        return false;
    ++pos;
    return true;
}

bool SkipPastLineFeed(const std::string& data, std::size_t& pos)
{
    const std::size_t lf = data.find('\n', pos);
    if (lf == std::string::npos)
        return false;
    pos = lf + 1;
    return true;
}

bool OnlySpaceLeft(const std::string& data, std::size_t pos)
{
    for (; pos < data.size(); ++pos)
        if (!IsScanSpace(static_cast<unsigned char>(data[pos])))
            return false;
    return true;
}
