// Lists of entries on any bytes, in every encoding and format: the reader either names the line it
// cannot read or gives entries of lines within the input, in order, that the checks take whole;
// only a Shift_JIS list marks UTF-8 lines.
#include "design/entry_list.h"
#include "design/fill_entries.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the options; the rest is the list.
    const std::uint8_t choice = data[0];
    ListOptions options;
    options.encoding = static_cast<TextEncoding>(choice % 4);
    options.format = static_cast<ListFormat>((choice / 4) % 4);
    options.hasHeader = (choice & 0x10) != 0;
    options.skipBlank = (choice & 0x20) != 0;
    options.column = (choice & 0x40) != 0 ? "2" : ((choice & 0x80) != 0 ? "name" : "");
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const EntryList list = ReadEntryList(bytes, options);
    const auto lines = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n') + std::count(bytes.begin(), bytes.end(), '\r') + 1);
    if (!list.error.empty()) {
        Require(list.errorLine >= 1 && list.errorLine <= lines, "an error names a line of the input");
        Require(list.entries.empty(), "unreadable input gives no entries");
        return 0;
    }
    int previous = 0;
    for (const ListEntry& entry : list.entries) {
        Require(entry.line > previous && entry.line <= lines, "entries come in the order of their lines");
        Require(entry.text.find('\r') == std::string::npos, "line breaks in entries are line feeds");
        Require(entry.otherEncoding.empty() || list.encoding == TextEncoding::Cp932,
                "only a Shift_JIS list has lines of another encoding");
        previous = entry.line;
    }
    const CheckedEntries checked = PrepareEntries(list.entries, BadEntries::Replace);
    Require(checked.texts.size() == checked.lines.size(), "every text keeps its line");
    return 0;
}
