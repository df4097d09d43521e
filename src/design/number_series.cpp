#include "design/number_series.h"

std::string SeriesEntry(const NumberSeries&, int)
{
    return {};
}

std::vector<ListEntry> SeriesEntries(const NumberSeries&)
{
    return {};
}

std::optional<NumberSeries> ParseSeries(std::string_view, std::string*)
{
    return std::nullopt;
}
