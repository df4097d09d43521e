#pragma once
// A label sheet as an Orvanel record: one sticker a label, so that every page, layout rule, view
// and printout works on it as on the maker's single-sticker sheets. What only label sheets need
// travels in stored members the maker's records leave at zero, so a design file keeps it.
#include "format/catalog.h"
#include "format/label_geometry.h"
#include "format/seal_data.h"

#include <optional>
#include <string>

// m_nSpare25 of a label sheet's record.
inline constexpr int kLabelSheetMark = 0x4C42;

enum class LabelSheetError { None, NoLabels, TooManyLabels, BadGeometry };

struct LabelSheetResult {
    CSealData2 record;
    LabelSheetError error = LabelSheetError::None;
};

// The record of a label sheet: labels in template order (block by block, row by row), frames
// and text areas inside each label, the one-label preview, the paper in metrics 6 and 7.
LabelSheetResult MakeLabelSheet(const LabelGeometry& sheet);

// The sheet code of a label product: its brand and part, letters and digits only, so that it is a
// sheet code like the maker's (it never names a folder: label sheets have none).
std::string LabelSheetCode(const std::string& brand, const std::string& part);

bool IsLabelSheet(const SealDataCommon& record);
LabelShape LabelShapeOf(const SealDataCommon& record);

// The paper a record is printed on, in 0.01 mm, portrait; nothing for the maker's sheets, whose
// paper follows their kind.
struct PaperExtent {
    int width = 0;
    int height = 0;
};
std::optional<PaperExtent> LabelPaper(const SealDataCommon& record);

// Appends a record for every label sheet that makes one, after the sheets already listed; a code
// an earlier sheet has taken gets a number. Returns how many sheets were left out.
int AppendLabelSheets(const std::vector<LabelGeometry>& sheets, SealCatalog& catalog);

// The sheet a user names: a sheet code, the search code on its pack, or a label product as
// "BRAND PART" or its part alone (letters compared without regard to case). catalog.end() when
// nothing matches.
SealCatalog::const_iterator FindNamedSheet(const SealCatalog& catalog, const std::string& utf8Name);
