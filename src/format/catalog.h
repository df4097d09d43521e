#pragma once
// Every sheet product found in the data folder, in the order the folder listed them.
#include "format/seal_data.h"

#include <string>
#include <variant>
#include <vector>

using CatalogEntry = std::variant<CSealData2, CSealData3>;  // 0: Orvanel, 1: Zolvi
using SealCatalog = std::vector<CatalogEntry>;

extern SealCatalog g_sealCatalog;

// The first entry whose code equals `code` byte for byte, or g_sealCatalog.end().
SealCatalog::const_iterator FindFormat(const std::string& code);
bool IsZolvi(const CatalogEntry& entry);
// The record of the requested kind; the wrong kind throws std::bad_variant_access.
const CSealData2& AsOrvanel(const CatalogEntry& entry);
const CSealData3& AsZolvi(const CatalogEntry& entry);
const std::string& CodeOf(const CatalogEntry& entry);
void ClearCatalog();

// A sheet code names the sheet's folder, so only ASCII letters and digits make one: nothing a
// path could be built from.
bool IsSheetCode(const std::string& code);
