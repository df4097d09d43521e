#pragma once
// The bundled Orvanel sheet with the most stickers: the heaviest case for the page benchmarks.
#include "format/load_formats.h"

#include <stdexcept>
#include <string>
#include <variant>

inline std::string BusiestOrvanelSheet()
{
    const CSealData2* busiest = nullptr;
    for (const CatalogEntry& entry : g_sealCatalog)
        if (const auto* record = std::get_if<CSealData2>(&entry))
            if (!busiest || record->m_pieces.size() > busiest->m_pieces.size())
                busiest = record;
    if (!busiest)
        throw std::runtime_error("no bundled Orvanel sheet");
    return busiest->m_strCode;
}
