#pragma once
// Checking a list of entries against what a sticker can hold, and placing them on the stickers of
// the current design, onto further sheets as needed.
#include "design/entry_list.h"

#include <cstddef>
#include <string>
#include <vector>

struct EntryIssue {
    enum class Kind { NotCp932, TooLong, OtherEncoding };
    int line = 0;
    Kind kind = Kind::NotCp932;
    // UTF-8: the characters code page 932 cannot hold, the entry's length, or the line as the
    // other encoding reads it
    std::string detail;
};

// Bad entries: Skip leaves them out; Replace puts "？" for each character code page 932 cannot
// hold, and keeps an entry of another encoding as read. An entry too long for a sticker is left out
// either way (it is listed as an issue).
enum class BadEntries { Skip, Replace };

struct CheckedEntries {
    std::vector<std::string> texts;  // code page 932, line breaks as sticker texts store them
    std::vector<int> lines;          // the input line of each text
    std::vector<EntryIssue> issues;  // every entry with an issue, in input order
};

std::vector<EntryIssue> FindEntryIssues(const std::vector<ListEntry>& entries);
CheckedEntries PrepareEntries(const std::vector<ListEntry>& entries, BadEntries handling);

// Zolvi two-text layouts: entries to the front parts only, or to front and back in turn.
enum class ZolviFill { Fronts, FrontAndBack };

// The sheets a fill of `entryCount` entries from sticker `fromSticker` (0-based) of the shown
// sheet spans, counting the shown sheet.
int SheetsNeeded(int kind, std::size_t entryCount, int fromSticker, ZolviFill how);
// How many entries `sheets` sheets take from sticker `fromSticker` of the first of them.
std::size_t EntriesWithin(int kind, int sheets, int fromSticker, ZolviFill how);

// A place a fill put an entry: the sheet (0-based) and the sticker of it.
struct FilledPlace {
    int sheet = 0;
    int sticker = 0;
};

// Puts `texts` onto the stickers of the design of `kind` from sticker `fromSticker` of the shown
// sheet on, in sticker order, then onto the sheets after it from their first sticker, adding sheets
// after the last as needed; marks the design modified.
// Returns where each text went.
std::vector<FilledPlace> FillStickers(int kind, const std::vector<std::string>& texts, int fromSticker,
                                      ZolviFill how);
