#pragma once
// Lists of entries for filling stickers: plain lines, or one column of a CSV or TSV table, in any
// of the encodings people's files come in.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// A list larger than this is no list of sticker texts, whether it comes from a file or a pipe.
inline constexpr std::size_t kMaxListBytes = 256 * 1024 * 1024;

enum class TextEncoding { Detect, Utf8, Utf16, Cp932 };
enum class ListFormat { Detect, Lines, Csv, Tsv };

struct ListOptions {
    TextEncoding encoding = TextEncoding::Detect;
    ListFormat format = ListFormat::Detect;
    std::string column;     // header name (UTF-8) or 1-based number; empty: the first column
    bool hasHeader = true;  // CSV and TSV only
    bool skipBlank = false;
    // Reading stops after one entry more than this (EntryList::tooMany), so that a list of
    // millions of empty lines never takes gigabytes.
    std::size_t maxEntries = std::numeric_limits<std::size_t>::max();
};

struct ListEntry {
    std::string text;  // UTF-8, line breaks as '\n'
    int line = 0;      // 1-based input line where the entry starts
    // In a list read as Shift_JIS, a line of the entry that reads as UTF-8 instead, as UTF-8 reads
    // it (the entry's text is then garbled); empty for any other entry.
    std::string otherEncoding;
};

struct EntryList {
    std::vector<ListEntry> entries;
    TextEncoding encoding = TextEncoding::Utf8;  // as read (never Detect)
    ListFormat format = ListFormat::Lines;       // as read (never Detect)
    std::vector<std::string> columns;            // header fields, UTF-8 (CSV and TSV with a header)
    std::string error;                           // non-empty: the input is unreadable ...
    int errorLine = 0;                           // ... at this 1-based line
    bool tooMany = false;                        // more than ListOptions::maxEntries: the rest unread
};

// The encoding is chosen for the whole list: one that mixes UTF-8 lines into Shift_JIS is read
// as Shift_JIS, and its entries with UTF-8 lines say so (ListEntry::otherEncoding).
EntryList ReadEntryList(std::string_view bytes, const ListOptions& options);
