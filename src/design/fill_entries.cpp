#include "design/fill_entries.h"

std::vector<EntryIssue> FindEntryIssues(const std::vector<ListEntry>&)
{
    return {};
}

CheckedEntries PrepareEntries(const std::vector<ListEntry>&, BadEntries)
{
    return {};
}

int SheetsNeeded(int, std::size_t, int, ZolviFill)
{
    return 1;
}

std::vector<FilledPlace> FillStickers(int, const std::vector<std::string>&, int, ZolviFill)
{
    return {};
}
