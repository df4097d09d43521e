// Label-template files on any bytes: a refused file gives no sheets; every sheet read is one the
// program can lay out (positive finite sizes, one to 64 layouts, 1 to kMaxPieces labels), and
// written as a template of its own it reads back the same.
#include "format/format_blocks.h"
#include "fuzz_check.h"
#include "labels/label_templates.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::vector<PaperSize> kPapers = {{"A4", 210, 297}, {"US-Letter", 215.9, 279.4}};

LabelGeometry KnownSheet()
{
    LabelGeometry sheet;
    sheet.brand = "Avery";
    sheet.part = "7163";
    sheet.paperId = "A4";
    sheet.paperWidth = 210;
    sheet.paperHeight = 297;
    sheet.width = 99.1;
    sheet.height = 38.1;
    sheet.layouts = {{2, 7, 4.65, 15.15, 101.6, 38.1}};
    return sheet;
}

bool Positive(double length)
{
    return std::isfinite(length) && length > 0;
}

bool NonNegative(double length)
{
    return std::isfinite(length) && length >= 0;
}

void RequireUsable(const LabelGeometry& sheet)
{
    Require(!sheet.brand.empty() && !sheet.part.empty(), "a sheet has a brand and a part");
    Require(Positive(sheet.paperWidth) && Positive(sheet.paperHeight), "the paper has a size");
    Require(Positive(sheet.width) && Positive(sheet.height), "the labels have a size");
    Require(sheet.shape != LabelShape::Round || sheet.width == sheet.height, "a round label is as wide as high");
    Require(NonNegative(sheet.round) && NonNegative(sheet.xWaste) && NonNegative(sheet.yWaste),
            "corners and waste are not negative");
    Require(!sheet.layouts.empty() && sheet.layouts.size() <= kMaxLayoutsPerTemplate, "one to 64 layouts");
    for (const LabelLayout& layout : sheet.layouts)
        Require(layout.nx >= 1 && layout.ny >= 1 && NonNegative(layout.x0) && NonNegative(layout.y0) &&
                    NonNegative(layout.dx) && NonNegative(layout.dy),
                "a layout has labels and no negative offset");
    Require(sheet.LabelCount() >= 1 && sheet.LabelCount() <= kMaxPieces, "a sheet has 1 to kMaxPieces labels");
}

bool SameLayouts(const std::vector<LabelLayout>& a, const std::vector<LabelLayout>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].nx != b[i].nx || a[i].ny != b[i].ny || a[i].x0 != b[i].x0 || a[i].y0 != b[i].y0 ||
            a[i].dx != b[i].dx || a[i].dy != b[i].dy)
            return false;
    return true;
}

// Everything but the equivalent, which a written template does not keep.
bool SameSheet(const LabelGeometry& a, const LabelGeometry& b)
{
    return a.brand == b.brand && a.part == b.part && a.description == b.description && a.paperId == b.paperId &&
           a.paperWidth == b.paperWidth && a.paperHeight == b.paperHeight && a.shape == b.shape &&
           a.width == b.width && a.height == b.height && a.round == b.round && a.xWaste == b.xWaste &&
           a.yWaste == b.yWaste && SameLayouts(a.layouts, b.layouts);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<LabelGeometry> known = {KnownSheet()};
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TemplateFileResult result = ReadTemplateBytes(bytes, kPapers, known);
    if (!result.error.empty()) {
        Require(result.sheets.empty() && result.unsupported == 0, "a refused file gives nothing");
        return 0;
    }
    for (const LabelGeometry& sheet : result.sheets) {
        RequireUsable(sheet);
        const TemplateFileResult written = ReadTemplateBytes(WriteTemplateXml(sheet), kPapers, {});
        Require(written.error.empty() && written.sheets.size() == 1 && SameSheet(written.sheets[0], sheet),
                "a sheet written as a template reads back the same");
    }
    return 0;
}
