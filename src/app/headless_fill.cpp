#include "app/headless_fill.h"

#include "design/design_record.h"
#include "design/design_sheets.h"
#include "design/entry_list.h"
#include "design/fill_entries.h"
#include "design/number_series.h"
#include "design/seal_format.h"
#include "design/sheets_file.h"
#include "design/sticker_number.h"
#include "platform/file_bytes.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <map>

namespace {

// Why a list could not be read; its size limit is said in full.
std::string ListReadError(int error)
{
    if (error == EFBIG)
        return "リストが大きすぎます（" + std::to_string(kMaxListBytes / (1024 * 1024)) + " MiBまで）";
    return std::strerror(error != 0 ? error : EIO);
}

// How messages name where an entry came from: "LIST:LINE" or "連番N".
std::string Where(const FillRequest& request, int line)
{
    if (request.seriesGiven)
        return "連番 " + std::to_string(line) + "番目";
    const std::string name = request.list == "-" ? "標準入力" : request.list;
    return name + ":" + std::to_string(line);
}

// A table by its name, or when a column is asked for; any other list is lines, commas and all, so
// that a name like "Tanaka, Taro" is never cut or taken for a header.
ListFormat FormatOf(const FillRequest& request)
{
    std::string lower = request.list;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto endsWith = [&](const char* tail) {
        const std::size_t n = std::strlen(tail);
        return lower.size() >= n && lower.compare(lower.size() - n, n, tail) == 0;
    };
    if (endsWith(".csv"))
        return ListFormat::Csv;
    if (endsWith(".tsv") || endsWith(".tab"))
        return ListFormat::Tsv;
    return request.columnGiven ? ListFormat::Detect : ListFormat::Lines;
}

bool ReadListBytes(const std::string& list, std::string& bytes, std::ostream& err)
{
    errno = 0;
    std::optional<std::string> read =
        list == "-" ? ReadStreamBytes(STDIN_FILENO, kMaxListBytes) : ReadFileBytes(list, kMaxListBytes);
    if (!read) {
        err << (list == "-" ? "標準入力" : list) << ": " << ListReadError(errno) << '\n';
        return false;
    }
    bytes = std::move(*read);
    return true;
}

// Reads at most one entry more than `most`: `tooMany` tells whether there were more.
bool ReadEntries(const FillRequest& request, std::size_t most, std::vector<ListEntry>& entries, bool& tooMany,
                 std::ostream& err)
{
    if (request.seriesGiven) {
        std::string error;
        const std::optional<NumberSeries> series = ParseSeries(request.series, &error);
        if (!series) {
            err << "--series: " << error << '\n';
            return false;
        }
        entries = SeriesEntries(*series);
        tooMany = entries.size() > most;
        return true;
    }
    std::string bytes;
    if (!ReadListBytes(request.list, bytes, err))
        return false;
    ListOptions options;
    options.format = FormatOf(request);
    options.column = request.column;
    options.maxEntries = most;
    EntryList list = ReadEntryList(bytes, options);
    if (!list.error.empty()) {
        err << Where(request, list.errorLine) << ": " << list.error << '\n';
        return false;
    }
    entries = std::move(list.entries);
    tooMany = list.tooMany;
    return true;
}

// The first record of the sticker "--from" numbers, or -1 with the reason on `err`.
int FirstRecord(const FillRequest& request, int kind, std::ostream& err)
{
    if (!request.fromGiven)
        return 0;
    const std::vector<SealPiece>* pieces = PiecesOf(kind);
    const int count = pieces && !pieces->empty() ? StickerNumber(kind, static_cast<int>(pieces->size()) - 1) : 0;
    int number = 0;
    const bool digits = !request.from.empty() && request.from.size() < 7
                        && std::all_of(request.from.begin(), request.from.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits)
        number = std::stoi(request.from);
    if (number < 1 || number > count) {
        err << "--from: シールの番号は1から" << count << "までです: " << request.from << '\n';
        return -1;
    }
    return FirstRecordOf(kind, number);
}

// A design holds at most kMaxSheets sheets, and an export of more would run for hours.
void ReportTooMany(const FillRequest& request, std::size_t most, std::ostream& err)
{
    err << (request.seriesGiven ? "--series: " : "--fill: ") << "シートが" << kMaxSheets << "枚を超えます（この用紙では"
        << most << "件まで）。分けて出力してください。\n";
}

void ReportIssues(const FillRequest& request, const std::vector<EntryIssue>& issues, std::ostream& err)
{
    for (const EntryIssue& issue : issues) {
        err << Where(request, issue.line) << ": ";
        if (issue.kind == EntryIssue::Kind::NotCp932)
            err << "シールに使えない文字を「？」にしました: " << issue.detail << '\n';
        else if (issue.kind == EntryIssue::Kind::OtherEncoding)
            err << "リストをシフトJISとして読みましたが、この行はUTF-8のようです（文字化けします）: " << issue.detail
                << '\n';
        else
            err << "長すぎるため入れませんでした (" << issue.detail << "、" << kMaxStickerTextBytes << "バイトまで)\n";
    }
}

}  // namespace

bool TakeFillOption(const std::string& name, const std::string& value, FillRequest& request)
{
    const auto take = [&](std::string& field, bool& given) {
        if (given)
            return false;
        field = value;
        given = true;
        return true;
    };
    if (name == "--fill")
        return take(request.list, request.listGiven);
    if (name == "--column")
        return take(request.column, request.columnGiven);
    if (name == "--series")
        return take(request.series, request.seriesGiven);
    if (name == "--from")
        return take(request.from, request.fromGiven);
    return false;
}

bool FillOptionsComplete(const FillRequest& request)
{
    if (request.listGiven && request.seriesGiven)
        return false;
    if (request.columnGiven && !request.listGiven)
        return false;
    return !request.fromGiven || request.Wanted();
}

bool FillFromRequest(const FillRequest& request, int kind, std::vector<FilledEntry>& filled, std::ostream& err)
{
    const int from = FirstRecord(request, kind, err);
    if (from < 0)
        return false;
    const std::size_t most = EntriesWithin(kind, kMaxSheets - ShownSheet(kind), from, ZolviFill::Fronts);
    std::vector<ListEntry> entries;
    bool tooMany = false;
    if (!ReadEntries(request, most, entries, tooMany, err))
        return false;
    const CheckedEntries checked = PrepareEntries(entries, BadEntries::Replace);
    if (tooMany) {
        ReportTooMany(request, most, err);
        return false;
    }
    ReportIssues(request, checked.issues, err);
    const std::vector<FilledPlace> places = FillStickers(kind, checked.texts, from, ZolviFill::Fronts);
    filled.clear();
    filled.reserve(places.size());
    for (std::size_t i = 0; i < places.size(); ++i)
        filled.push_back({checked.lines[i], places[i].sheet, places[i].sticker, StickerNumber(kind, places[i].sticker)});
    return true;
}

void ReportOverflow(const FillRequest& request, const std::vector<FilledEntry>& filled,
                    const std::vector<StickerPlace>& overflowing, std::ostream& err)
{
    std::map<StickerPlace, const FilledEntry*> entries;
    for (const FilledEntry& entry : filled)
        entries[{entry.sheet, entry.sticker}] = &entry;
    for (const StickerPlace& place : overflowing) {
        const auto found = entries.find(place);
        if (found == entries.end())
            continue;
        err << Where(request, found->second->line) << ": 文字がシールに収まりません（" << place.first + 1 << "枚目の"
            << found->second->number << "番のシール）\n";
    }
}
