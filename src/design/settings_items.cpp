#include "design/settings_items.h"

#include "design/design_fields.h"
#include "platform/byte_scanner.h"

#include <algorithm>

void WriteSettings(const SettingValues& values, std::string& out)
{
    for (int value : values)
        out += std::to_string(value) + '\t';
}

bool ReadSettings(const std::string& data, std::size_t& pos, SettingValues& values)
{
    for (int& value : values)
        if (!ReadTabbedInt(data, pos, value))
            return false;
    return true;
}

void WriteOtherFace(const std::string& name, std::string& out)
{
    out += std::to_string(name.size()) + '\t' + name + '\t';
}

bool OtherFaceFits(const std::string& name)
{
    std::string item;
    WriteOtherFace(name, item);
    return item.size() <= kOtherFaceBlock;
}

namespace {

// Number, tab, exactly `length` bytes, tab, all inside the block.
bool ReadExactName(const std::string& data, std::size_t afterNumber, std::size_t blockEnd, int length,
                   std::string& name, std::size_t& itemEnd)
{
    if (afterNumber >= blockEnd || data[afterNumber] != '\t')
        return false;
    const std::size_t nameStart = afterNumber + 1;
    const std::size_t nameEnd = nameStart + static_cast<std::size_t>(length);
    // Font names hold no tabs: a tab before the end means the length does not fit the name.
    if (nameEnd >= blockEnd || data.find('\t', nameStart) != nameEnd)
        return false;
    if (length > 0)
        name.assign(data, nameStart, static_cast<std::size_t>(length));
    itemEnd = nameEnd + 1;
    return true;
}

// The first word after the number, at most `length` bytes; the item ends after the block's
// second tab.
bool ReadWordName(const std::string& data, std::size_t blockStart, ByteScanner& scan, int length,
                  std::string& name, std::size_t& itemEnd)
{
    const std::size_t blockEnd = std::min(data.size(), blockStart + kOtherFaceBlock);
    const std::size_t firstTab = data.find('\t', blockStart);
    const std::size_t secondTab = firstTab == std::string::npos ? firstTab : data.find('\t', firstTab + 1);
    if (secondTab == std::string::npos || secondTab >= blockEnd)
        return false;
    std::string word;
    if (length > 0 && scan.Text(word, static_cast<std::size_t>(length)))
        name = word;
    itemEnd = secondTab + 1;
    return true;
}

}  // namespace

bool ReadOtherFace(const std::string& data, std::size_t& pos, std::string& name)
{
    const std::size_t blockEnd = pos < data.size() ? std::min(data.size(), pos + kOtherFaceBlock) : pos;
    ByteScanner scan(data, pos, blockEnd);
    int length = 0;
    if (!scan.Int(length) || length < 0)
        return false;
    std::size_t itemEnd = 0;
    if (!ReadExactName(data, scan.Position(), blockEnd, length, name, itemEnd) &&
        !ReadWordName(data, pos, scan, length, name, itemEnd))
        return false;
    pos = itemEnd;
    return true;
}
