#include "design/fill_entries.h"

#include "design/design_record.h"
#include "design/design_sheets.h"
#include "design/seal_format.h"
#include "platform/cp932.h"
#include "platform/utf8.h"
#include "text/layout_mode.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr char kReplacement[] = "\x81\x48";  // "？" in code page 932
constexpr std::uint16_t kNoCode = 0xFFFF;

// Code page 932 bytes of each code point of the Basic Multilingual Plane (kNoCode: none). Where
// several codes decode to one character, the lowest is taken, except the NEC-selected IBM rows
// (0xED40-0xEEFC), which the IBM rows stand for.
const std::vector<std::uint16_t>& EncodeTable()
{
    static const std::vector<std::uint16_t> table = [] {
        std::vector<std::uint16_t> out(0x10000, kNoCode);
        const auto take = [&](char32_t c, std::uint16_t code, bool weak) {
            if (c == 0xFFFD || c >= 0x10000)
                return;
            if (out[c] == kNoCode || (out[c] >= 0xED40 && out[c] <= 0xEEFC && !weak))
                out[c] = code;
        };
        std::string bytes(2, '\0');
        for (int b = 0; b < 0x100; ++b) {
            if (cp932::IsLeadByte(static_cast<unsigned char>(b)))
                continue;
            bytes.assign(1, static_cast<char>(b));
            take(cp932::DecodeChar(bytes, 0, nullptr), static_cast<std::uint16_t>(b), false);
        }
        for (int code = 0x8100; code < 0x10000; ++code) {
            if (!cp932::IsLeadByte(static_cast<unsigned char>(code >> 8)))
                continue;
            bytes.assign({static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
            std::size_t length = 0;
            const char32_t c = cp932::DecodeChar(bytes, 0, &length);
            if (length == 2)
                take(c, static_cast<std::uint16_t>(code), code >= 0xED40 && code <= 0xEEFC);
        }
        return out;
    }();
    return table;
}

struct Encoded {
    std::string bytes;
    std::string missing;  // UTF-8: each character code page 932 cannot hold, once
};

Encoded Encode(const std::string& text)
{
    const std::vector<std::uint16_t>& table = EncodeTable();
    Encoded out;
    out.bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t c = utf8::Next(text, pos);
        const std::uint16_t code = c < 0x10000 ? table[c] : kNoCode;
        if (code == kNoCode) {
            const std::string_view character(text.data() + start, pos - start);
            if (out.missing.find(character) == std::string::npos)
                out.missing += character;
            out.bytes += kReplacement;
        } else if (code > 0xFF) {
            out.bytes += static_cast<char>(code >> 8);
            out.bytes += static_cast<char>(code & 0xFF);
        } else {
            out.bytes += static_cast<char>(code);
        }
    }
    return out;
}

void AddIssues(const ListEntry& entry, const Encoded& encoded, std::vector<EntryIssue>& issues)
{
    if (!entry.otherEncoding.empty())
        issues.push_back({entry.line, EntryIssue::Kind::OtherEncoding, entry.otherEncoding});
    if (!encoded.missing.empty())
        issues.push_back({entry.line, EntryIssue::Kind::NotCp932, encoded.missing});
    if (encoded.bytes.size() > static_cast<std::size_t>(kMaxStickerTextBytes))
        issues.push_back({entry.line, EntryIssue::Kind::TooLong, std::to_string(encoded.bytes.size()) + " bytes"});
}

// Whether each Zolvi pair takes one entry, on its front part.
bool OneEntryAPair(int kind, ZolviFill how)
{
    return kind == kKindZolvi
           && (SameTextPairs(CSealFormat::s_nLayoutMode)
               || (TwoTextPairs(CSealFormat::s_nLayoutMode) && how == ZolviFill::Fronts));
}

// The stickers of one sheet that take an entry, in order.
std::vector<int> Targets(int kind, ZolviFill how)
{
    const std::vector<SealPiece>* pieces = PiecesOf(kind);
    const int count = pieces ? static_cast<int>(pieces->size()) : 0;
    std::vector<int> out;
    const bool pairs = OneEntryAPair(kind, how);
    for (int i = 0; i < count; ++i)
        if (!pairs || i % 2 == 0)
            out.push_back(i);
    return out;
}

// A fill from a back part that takes one entry a pair starts on the front of that same sticker.
std::size_t FirstTarget(const std::vector<int>& targets, int kind, ZolviFill how, int fromSticker)
{
    const int from = OneEntryAPair(kind, how) ? fromSticker - fromSticker % 2 : fromSticker;
    return static_cast<std::size_t>(std::lower_bound(targets.begin(), targets.end(), from) - targets.begin());
}

}  // namespace

std::vector<EntryIssue> FindEntryIssues(const std::vector<ListEntry>& entries)
{
    std::vector<EntryIssue> issues;
    for (const ListEntry& entry : entries)
        AddIssues(entry, Encode(entry.text), issues);
    return issues;
}

CheckedEntries PrepareEntries(const std::vector<ListEntry>& entries, BadEntries handling)
{
    CheckedEntries out;
    out.texts.reserve(entries.size());
    out.lines.reserve(entries.size());
    for (const ListEntry& entry : entries) {
        Encoded encoded = Encode(entry.text);
        const std::size_t before = out.issues.size();
        AddIssues(entry, encoded, out.issues);
        const bool tooLong = encoded.bytes.size() > static_cast<std::size_t>(kMaxStickerTextBytes);
        if (tooLong || (handling == BadEntries::Skip && out.issues.size() != before))
            continue;
        out.texts.push_back(std::move(encoded.bytes));
        out.lines.push_back(entry.line);
    }
    return out;
}

int SheetsNeeded(int kind, std::size_t entryCount, int fromSticker, ZolviFill how)
{
    const std::vector<int> targets = Targets(kind, how);
    if (targets.empty() || entryCount == 0)
        return 1;
    const std::size_t first = targets.size() - FirstTarget(targets, kind, how, fromSticker);
    if (entryCount <= first)
        return 1;
    const std::size_t rest = entryCount - first;
    return 1 + static_cast<int>((rest + targets.size() - 1) / targets.size());
}

std::size_t EntriesWithin(int kind, int sheets, int fromSticker, ZolviFill how)
{
    const std::vector<int> targets = Targets(kind, how);
    if (targets.empty() || sheets < 1)
        return 0;
    const std::size_t first = targets.size() - FirstTarget(targets, kind, how, fromSticker);
    return first + static_cast<std::size_t>(sheets - 1) * targets.size();
}

std::vector<FilledPlace> FillStickers(int kind, const std::vector<std::string>& texts, int fromSticker, ZolviFill how)
{
    std::vector<FilledPlace> places;
    const std::vector<int> targets = Targets(kind, how);
    if (targets.empty() || texts.empty())
        return places;
    places.reserve(texts.size());
    std::size_t next = 0;
    int sheet = ShownSheet(kind);
    std::size_t target = FirstTarget(targets, kind, how, fromSticker);
    while (next < texts.size()) {
        if (sheet >= SheetCount(kind))
            AddSheet(kind);
        std::vector<PieceDesign> design = SheetDesign(kind, sheet);
        for (; target < targets.size() && next < texts.size(); ++target, ++next) {
            design[static_cast<std::size_t>(targets[target])].text = texts[next];
            places.push_back({sheet, targets[target]});
        }
        StoreSheetDesign(kind, sheet, design);
        target = 0;
        ++sheet;
    }
    SetModified(kind, true);
    return places;
}
