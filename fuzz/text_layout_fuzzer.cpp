// Laying out any bytes in any box with the tests' fake measurer, which checks the measuring
// contract. Either one text is fitted directly, or a small sheet is laid out with any design
// settings, once afresh and once more from the layout cache. A byte chooses plain or kinsoku line
// breaks.
//
// A fitted text's lines are the text cut at line ends or between characters (under the kinsoku
// rules less the spaces where a line wrapped), each shorter than the box and stacked within it; a
// text that does not fit leaves both fonts at the smallest size. A sheet laid out from the cache
// comes out exactly as laid out afresh, also when the cache holds a layout with the other breaks.
#include "fake_measurer.h"
#include "format/font_sizes.h"
#include "fuzz_check.h"
#include "text/char_class.h"
#include "text/fit_text.h"
#include "text/layout_sheet.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxText = 1200;  // a little beyond the longest text a design file holds
constexpr int kLayoutModes[] = {182, 186, 187, 188, 144, 145, 146, 147, 148, 149};

// The fake measurer without its log, which long texts would make large.
class Measurer : public FakeMeasurer {
public:
    TextExtent MeasureJapanese(const JapaneseFont& font, std::string_view run) override
    {
        const TextExtent extent = FakeMeasurer::MeasureJapanese(font, run);
        log.clear();
        return extent;
    }
    TextExtent MeasureLatin(const LatinFont& font, std::string_view run) override
    {
        const TextExtent extent = FakeMeasurer::MeasureLatin(font, run);
        log.clear();
        return extent;
    }
};

Rect AnyBox(FuzzedDataProvider& in)
{
    const bool anyValues = in.ConsumeBool();
    auto coordinate = [&] {
        return anyValues ? in.ConsumeIntegral<std::int32_t>() : in.ConsumeIntegralInRange<std::int32_t>(-200, 6000);
    };
    Rect box;
    box.left = coordinate();
    box.top = coordinate();
    box.right = coordinate();
    box.bottom = coordinate();
    return box;
}

void RequireContractKept()
{
    Require(!testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed(), "the measuring contract holds");
}

LineBreaks AnyBreaks(FuzzedDataProvider& in) { return in.ConsumeBool() ? LineBreaks::kKinsoku : LineBreaks::kPlain; }

// The lines put back together with one control byte where a line ended at one, and under the
// kinsoku rules the spaces where a line wrapped, give the text.
void CheckLinesCoverText(std::string_view text, const std::vector<std::string>& lines, LineBreaks breaks)
{
    std::string_view rest = text;
    for (const std::string& line : lines) {
        Require(rest.substr(0, line.size()) == line, "each line continues the text");
        rest.remove_prefix(line.size());
        const std::size_t lineEnd = LineEndLength(rest, 0);
        if (lineEnd == 0 && breaks == LineBreaks::kKinsoku && !line.empty())
            rest.remove_prefix(LeadingSpaces(rest));
        rest.remove_prefix(lineEnd);
    }
    Require(rest.empty(), "the lines hold the whole text");
}

void FitOneText(FuzzedDataProvider& in, Measurer& measurer)
{
    const Rect box = AnyBox(in);
    const bool vertical = in.ConsumeBool();
    JapaneseFont japanese{in.ConsumeIntegralInRange(0, 2), vertical, in.ConsumeBool(), in.ConsumeIntegralInRange(0, 3),
                          in.ConsumeIntegral<int>()};
    LatinFont latin{in.ConsumeIntegralInRange(0, 3), japanese.bold, in.ConsumeIntegralInRange(0, 3),
                    in.ConsumeIntegral<int>()};
    const LineBreaks breaks = AnyBreaks(in);
    const std::string text = in.ConsumeRemainingBytesAsString();

    std::vector<std::string> lines;
    std::vector<int> extents;
    int pitch = 0;
    const auto fit = vertical ? FitVerticalText : FitHorizontalText;
    const int result = fit(measurer, box, text, lines, extents, pitch, japanese, latin, breaks);
    RequireContractKept();
    Require(japanese.sizeIndex >= 0 && japanese.sizeIndex < 22 && latin.sizeIndex >= 0 && latin.sizeIndex < 22,
            "the sizes used are listed sizes");
    if (result != 0) {
        Require(result == -1 && japanese.sizeIndex == 0 && latin.sizeIndex == 0, "a text that does not fit is -1");
        return;
    }
    CheckLinesCoverText(text, lines, breaks);
    Require(extents.size() == lines.size(), "one extent per line");
    const bool alongX = AxisOfRotation(japanese.rotation) == LineAxis::kX;
    const long long along = alongX ? static_cast<long long>(box.right) - box.left : static_cast<long long>(box.bottom) - box.top;
    const long long across = alongX ? static_cast<long long>(box.bottom) - box.top : static_cast<long long>(box.right) - box.left;
    for (std::size_t i = 0; i < lines.size(); ++i)
        Require(extents[i] >= 0 && (extents[i] < along || (lines[i].empty() && extents[i] == 0)),
                "every line is shorter than the box");
    Require(lines.empty() || static_cast<long long>(pitch) * static_cast<long long>(lines.size()) <= across,
            "the lines stack within the box");
}

template <typename Sheet>
void LayOutSheet(FuzzedDataProvider& in, Measurer& measurer)
{
    DesignLook look;
    look.layoutMode = in.ConsumeBool() ? in.PickValueInArray(kLayoutModes) : in.ConsumeIntegral<int>();
    look.japaneseFace = in.ConsumeIntegralInRange(-1, 3);
    look.latinFace = in.ConsumeIntegralInRange(-1, 4);
    look.bold = in.ConsumeIntegral<int>() != 0;
    const LineBreaks breaks = AnyBreaks(in);
    const LineBreaks other = breaks == LineBreaks::kKinsoku ? LineBreaks::kPlain : LineBreaks::kKinsoku;
    Sheet sheet;
    sheet.m_nDefaultSize = in.ConsumeIntegral<int>();
    sheet.m_pieces.resize(in.ConsumeIntegralInRange(1, 4));
    for (SealPiece& piece : sheet.m_pieces) {
        piece.m_rcText = AnyBox(in);
        piece.m_nSize = in.ConsumeBool() ? -1 : in.ConsumeIntegral<int>();
        piece.m_strText = in.ConsumeRandomLengthString(kMaxText);
    }
    const Sheet original = sheet;
    Sheet cached = sheet;
    LayoutSheet(measurer, sheet, look, breaks);
    // The cache first holds the layout with the other breaks, which must not be taken; then the
    // last layout finds every sticker's inputs as they were the time before.
    LayoutCache cache;
    for (const LineBreaks pass : {other, breaks, breaks}) {
        for (std::size_t i = 0; i < cached.m_pieces.size(); ++i)
            cached.m_pieces[i].m_nSize = original.m_pieces[i].m_nSize;
        LayoutSheet(measurer, cached, look, pass, &cache);
    }
    RequireContractKept();
    for (std::size_t i = 0; i < sheet.m_pieces.size(); ++i) {
        const SealPiece& fresh = sheet.m_pieces[i];
        const SealPiece& again = cached.m_pieces[i];
        Require(fresh.m_bOverflow == 0 || fresh.m_bOverflow == -1, "overflow is 0 or -1");
        Require(fresh.m_lines == again.m_lines && fresh.m_lineExtents == again.m_lineExtents &&
                    fresh.m_nPitch == again.m_nPitch && fresh.m_bOverflow == again.m_bOverflow &&
                    fresh.m_nSize == again.m_nSize,
                "the cache gives what laying out afresh gives");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    Measurer measurer;
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: FitOneText(in, measurer); break;
    case 1: LayOutSheet<CSealData2>(in, measurer); break;
    default: LayOutSheet<CSealData3>(in, measurer); break;
    }
    return 0;
}
