#include "design/number_series.h"

#include "platform/utf8.h"

#include <charconv>
#include <cstdlib>
#include <limits>

namespace {

// More entries than any fill takes; keeps a mistyped count from asking for millions of sheets.
constexpr int kMaxSeriesCount = 100000;
constexpr int kMaxDigits = 18;

bool ParseNumber(std::string_view text, long long& value)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// Whether every number of the series stays within long long.
bool ValuesFit(long long start, long long step, int count)
{
    const __int128 last = static_cast<__int128>(start) + static_cast<__int128>(step) * (count > 0 ? count - 1 : 0);
    return last >= std::numeric_limits<long long>::min() + 1 && last <= std::numeric_limits<long long>::max();
}

}  // namespace

std::string SeriesEntry(const NumberSeries& series, int index)
{
    const long long value = series.start + series.step * static_cast<long long>(index);
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    if (static_cast<int>(digits.size()) < series.digits)
        digits.insert(0, static_cast<std::size_t>(series.digits) - digits.size(), '0');
    std::string out = series.prefix;
    if (value < 0)
        out += '-';
    out += digits;
    out += series.suffix;
    return out;
}

std::vector<ListEntry> SeriesEntries(const NumberSeries& series)
{
    std::vector<ListEntry> out;
    out.reserve(static_cast<std::size_t>(std::max(series.count, 0)));
    for (int i = 0; i < series.count; ++i)
        out.push_back({SeriesEntry(series, i), i + 1, {}});
    return out;
}

std::optional<NumberSeries> ParseSeries(std::string_view text, std::string* error)
{
    const auto fail = [&](std::string message) -> std::optional<NumberSeries> {
        if (error)
            *error = std::move(message);
        return std::nullopt;
    };
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    // The suffix is what follows the fifth comma, commas and all.
    while (fields.size() < 5) {
        const std::size_t comma = text.find(',', pos);
        if (comma == std::string_view::npos)
            break;
        fields.push_back(text.substr(pos, comma - pos));
        pos = comma + 1;
    }
    fields.push_back(text.substr(pos));
    if (fields.size() < 5)
        return fail("連番は 接頭辞,開始,増分,個数,桁数[,接尾辞] の形で指定してください（項目が"
                    + std::to_string(fields.size()) + "個です）");
    NumberSeries series;
    series.prefix.assign(fields[0]);
    if (fields.size() > 5)
        series.suffix.assign(fields[5]);
    // Text from the command line may be any bytes; entries are converted as UTF-8.
    if (utf8::FirstBad(series.prefix) != std::string::npos)
        return fail("接頭辞が UTF-8 の文字列ではありません");
    if (utf8::FirstBad(series.suffix) != std::string::npos)
        return fail("接尾辞が UTF-8 の文字列ではありません");
    long long count = 0;
    long long digits = 0;
    if (!ParseNumber(fields[1], series.start))
        return fail("開始の値が整数ではありません: \"" + std::string(fields[1]) + "\"");
    if (!ParseNumber(fields[2], series.step))
        return fail("増分が整数ではありません: \"" + std::string(fields[2]) + "\"");
    if (!ParseNumber(fields[3], count) || count < 1 || count > kMaxSeriesCount)
        return fail("個数は1から" + std::to_string(kMaxSeriesCount) + "までの整数で指定してください: \""
                    + std::string(fields[3]) + "\"");
    if (!ParseNumber(fields[4], digits) || digits < 0 || digits > kMaxDigits)
        return fail("桁数は0から" + std::to_string(kMaxDigits) + "までの整数で指定してください: \""
                    + std::string(fields[4]) + "\"");
    series.count = static_cast<int>(count);
    series.digits = static_cast<int>(digits);
    if (!ValuesFit(series.start, series.step, series.count))
        return fail("連番の数が大きくなりすぎます");
    return series;
}
