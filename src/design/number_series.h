#pragma once
// Numbered series of entries: "No.001" to "No.120" and the like.
#include "design/entry_list.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct NumberSeries {
    std::string prefix;  // UTF-8
    std::string suffix;  // UTF-8
    long long start = 1;
    long long step = 1;
    int count = 0;
    int digits = 0;  // zero padding of the number (the sign not counted)
};

// Entry `index` (0..count-1) of the series; cheap, for live previews.
std::string SeriesEntry(const NumberSeries& series, int index);
// Every entry; an entry's line is its index + 1.
std::vector<ListEntry> SeriesEntries(const NumberSeries& series);
// "PREFIX,START,STEP,COUNT,DIGITS[,SUFFIX]"; nothing and a message in `error` when malformed.
std::optional<NumberSeries> ParseSeries(std::string_view text, std::string* error);
