#pragma once
// Filling the stickers of an opened design from a list or a numbered series, for --export.
#include "render/export_sheets.h"

#include <iosfwd>
#include <string>
#include <vector>

struct FillRequest {
    std::string list;  // a file, or "-" for standard input
    std::string column;
    std::string series;
    std::string from;
    bool listGiven = false;
    bool columnGiven = false;
    bool seriesGiven = false;
    bool fromGiven = false;

    bool Wanted() const { return listGiven || seriesGiven; }
};

// Takes "--fill", "--column", "--series" or "--from" with its value; false for any other name or
// one given twice.
bool TakeFillOption(const std::string& name, const std::string& value, FillRequest& request);
// False for options that do not go together: a list and a series, a column without a list, a
// start without either.
bool FillOptionsComplete(const FillRequest& request);

// Where the entry of an input line went.
struct FilledEntry {
    int line = 0;
    int sheet = 0;
    int sticker = 0;  // the record, 0-based
    int number = 0;   // the sticker's number as shown, from 1
};

// Reads the entries and fills the design of `kind` with them, onto as many sheets as they take.
// Entries code page 932 cannot hold, or too long for a sticker, are named on `err` with their line
// (characters replaced by "？", too long entries left out). False, with the reason and the line on
// `err`, when the entries cannot be read.
bool FillFromRequest(const FillRequest& request, int kind, std::vector<FilledEntry>& filled, std::ostream& err);

// Names on `err` each filled entry whose sticker overflowed when laid out.
void ReportOverflow(const FillRequest& request, const std::vector<FilledEntry>& filled,
                    const std::vector<StickerPlace>& overflowing, std::ostream& err);
