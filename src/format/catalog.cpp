#include "format/catalog.h"

#include <algorithm>

SealCatalog g_sealCatalog;

const std::string& CodeOf(const CatalogEntry& entry)
{
    return std::visit([](const auto& record) -> const std::string& { return record.m_strCode; }, entry);
}

SealCatalog::const_iterator FindFormat(const std::string& code)
{
    return std::find_if(g_sealCatalog.cbegin(), g_sealCatalog.cend(),
                        [&code](const CatalogEntry& entry) { return CodeOf(entry) == code; });
}

bool IsZolvi(const CatalogEntry& entry) { return entry.index() == 1; }

const CSealData2& AsOrvanel(const CatalogEntry& entry) { return std::get<CSealData2>(entry); }

const CSealData3& AsZolvi(const CatalogEntry& entry) { return std::get<CSealData3>(entry); }

void ClearCatalog() { g_sealCatalog.clear(); }

bool IsSheetCode(const std::string& code)
{
    return !code.empty() && std::all_of(code.begin(), code.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}
