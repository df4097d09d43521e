#include "format/label_sheet.h"

#include "format/font_sizes.h"
#include "format/format_blocks.h"
#include "platform/cp932.h"

#include <algorithm>
#include <cmath>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <unordered_set>

namespace {

// The maker's single-sticker sheets are drawn with these pens and corners; label sheets look alike.
constexpr int kPen = 20;
constexpr int kSquareFrameRound = 200;
constexpr int kMarkRound = 300;
constexpr int kMarkPen = 50;
constexpr int kMarkOutset = 50;
constexpr int kSmallLabel = 1400;  // below it frames and text areas keep closer to the edge
// The one-label preview canvas at zoom 1, in 0.01 mm.
constexpr int kPreviewWidth = 7520;
constexpr int kPreviewHeight = 5590;
constexpr double kLargestLength = 10000.0;  // mm: no paper is ten metres long

int Hundredths(double mm) { return static_cast<int>(std::lround(mm * 100)); }

bool Sane(double mm) { return std::isfinite(mm) && std::abs(mm) <= kLargestLength; }

Rect Inset(const Rect& r, int by) { return Rect{r.left + by, r.top + by, r.right - by, r.bottom - by}; }

int Width(const Rect& r) { return r.right - r.left; }
int Height(const Rect& r) { return r.bottom - r.top; }

int FrameInset(int width, int height) { return std::min(width, height) < kSmallLabel ? 50 : 100; }

// A round or elliptical label writes into the rectangle inscribed in its frame.
Rect TextArea(const Rect& frame, LabelShape shape)
{
    if (shape == LabelShape::Rectangle)
        return Inset(frame, std::min(Width(frame), Height(frame)) < kSmallLabel ? 100 : 200);
    // Just under 1/√2, so that the corners stay inside the curve after rounding.
    const int w = Width(frame) * 7070 / 10000, h = Height(frame) * 7070 / 10000;
    const int left = frame.left + (Width(frame) - w) / 2, top = frame.top + (Height(frame) - h) / 2;
    return Rect{left, top, left + w, top + h};
}

// Corner size (the full ellipse's width) of a label's outline: a round or elliptical label is all
// corner.
int OutlineRound(const LabelGeometry& s, int width, int height)
{
    switch (s.shape) {
    case LabelShape::Round:
    case LabelShape::Ellipse: return std::max(width, height);
    case LabelShape::Rectangle: break;
    }
    return std::max(0, Hundredths(2 * s.round));
}

int FrameRound(int outlineRound, int inset, LabelShape shape, const Rect& frame)
{
    if (shape != LabelShape::Rectangle)
        return std::max(Width(frame), Height(frame));
    if (outlineRound == 0)
        return kSquareFrameRound;
    return std::max(outlineRound - 2 * inset, 0);
}

// The preview zoom that shows the label largest within its canvas: n > 0 enlarges n times, -2 and
// -1 shrink to 0.8 and 0.5 for labels larger than the canvas.
int PreviewScale(int width, int height)
{
    const auto fits = [&](int canvasWidth, int canvasHeight) {
        return width * 100 <= canvasWidth * 85 && height * 100 <= canvasHeight * 85;
    };
    if (!fits(kPreviewWidth, kPreviewHeight))
        return fits(kPreviewWidth * 1250 / 1000, kPreviewHeight * 1250 / 1000) ? -2 : -1;
    int zoom = 1;
    while (zoom < 20 && fits(kPreviewWidth / (zoom + 1), kPreviewHeight / (zoom + 1)))
        ++zoom;
    return zoom;
}

int PreviewDivisor(int scale) { return scale == -1 ? 2000 : scale == -2 ? 1250 : 1000 / scale; }

// Largest listed size at which five characters fit across the text area and two lines down it.
int DefaultSize(const Rect& text)
{
    int best = kFontSizes.front();
    for (int points : kFontSizes) {
        const int em = points * 2540 / 72;
        if (5 * em <= Width(text) && 2 * em <= Height(text))
            best = points;
    }
    return best * 10;
}

// To a tenth, "." whatever the locale says ("99.1", "40").
std::string Millimetres(double mm)
{
    const long long tenths = std::llround(mm * 10);
    const std::string whole = std::to_string(tenths / 10);
    return tenths % 10 == 0 ? whole : whole + "." + std::to_string(tenths % 10);
}

std::string PieceSize(const LabelGeometry& s)
{
    if (s.shape == LabelShape::Round)
        return cp932::FromUtf8("直径" + Millimetres(s.width) + "mm");
    return cp932::FromUtf8(Millimetres(s.width) + "×" + Millimetres(s.height) + "mm");
}

std::string FindCode(const LabelGeometry& s, const std::string& code)
{
    std::string part;
    for (char c : s.part)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            part += c;
    part = cp932::FromUtf8(part);
    return part.empty() || part.size() > 64 ? code : part;
}

bool SaneGeometry(const LabelGeometry& s)
{
    if (!(s.width > 0 && s.height > 0 && s.paperWidth > 0 && s.paperHeight > 0) || s.round < 0)
        return false;
    for (double v : {s.width, s.height, s.round, s.paperWidth, s.paperHeight})
        if (!Sane(v))
            return false;
    for (const LabelLayout& l : s.layouts)
        for (double v : {l.x0, l.y0, l.dx, l.dy, l.x0 + l.nx * l.dx, l.y0 + l.ny * l.dy})
            if (!Sane(v))
                return false;
    return true;
}

void PlaceLabels(const LabelGeometry& s, CSealData2& r)
{
    const int width = Hundredths(s.width), height = Hundredths(s.height);
    const int inset = FrameInset(width, height);
    for (const LabelLayout& l : s.layouts)
        for (int row = 0; row < l.ny; ++row)
            for (int col = 0; col < l.nx; ++col) {
                SealPiece piece;
                const int left = Hundredths(l.x0 + col * l.dx), top = Hundredths(l.y0 + row * l.dy);
                piece.m_rcPiece = Rect{left, top, left + width, top + height};
                piece.m_rcFrame = Inset(piece.m_rcPiece, inset);
                piece.m_rcText = TextArea(piece.m_rcFrame, s.shape);
                piece.m_rcMark = Inset(piece.m_rcPiece, -kMarkOutset);
                piece.m_rcHit = HitRect(piece.m_rcPiece, r.HorizontalGap(), r.VerticalGap());
                r.m_pieces.push_back(std::move(piece));
            }
}

// Metrics in the maker's order: margins, label size, gaps, paper, pitch.
void SetMetrics(const LabelGeometry& s, CSealData2& r)
{
    const LabelLayout& first = s.layouts.front();
    const int width = Hundredths(s.width), height = Hundredths(s.height);
    const int pitchX = first.nx > 1 ? Hundredths(first.dx) : width;
    const int pitchY = first.ny > 1 ? Hundredths(first.dy) : height;
    const int paperWidth = Hundredths(s.paperWidth), paperHeight = Hundredths(s.paperHeight);
    const int left = Hundredths(first.x0), top = Hundredths(first.y0);
    r.m_nMetric = {left,
                   top,
                   width,
                   std::max(0, pitchX - width),
                   height,
                   std::max(0, pitchY - height),
                   paperWidth,
                   paperHeight,
                   pitchX,
                   pitchY,
                   paperWidth - left - (first.nx - 1) * pitchX - width,
                   paperHeight - top - (first.ny - 1) * pitchY - height};
}

void SetPreview(const LabelGeometry& s, CSealData2& r)
{
    const int width = Hundredths(s.width), height = Hundredths(s.height);
    r.m_nPreviewScale = PreviewScale(width, height);
    const int divisor = PreviewDivisor(r.m_nPreviewScale);
    const int canvasWidth = kPreviewWidth * divisor / 1000, canvasHeight = kPreviewHeight * divisor / 1000;
    const int left = (canvasWidth - width) / 2, top = (canvasHeight - height) / 2;
    const Rect outline{left, top, left + width, top + height};
    const Rect frame = Inset(outline, FrameInset(width, height));
    r.m_rcPreview = {outline, frame, TextArea(frame, s.shape)};
}

}  // namespace

std::string LabelSheetCode(const std::string& brand, const std::string& part)
{
    std::string code;
    for (const std::string* text : {&brand, &part})
        for (char c : *text)
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
                code += c;
    if (!code.empty())
        return code;
    // A name without one Latin letter or digit ("私のシール") gets a code from its bytes, the
    // same at every start (FNV-1a), so that designs find it again.
    std::uint32_t hash = 2166136261u;
    for (const std::string* text : {&brand, &part})
        for (char c : *text)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", hash);
    return std::string("Label") + hex;
}

LabelSheetResult MakeLabelSheet(const LabelGeometry& s)
{
    LabelSheetResult result;
    const long long count = s.LabelCount();
    if (s.layouts.empty() || count <= 0)
        result.error = LabelSheetError::NoLabels;
    else if (count > kMaxPieces)
        result.error = LabelSheetError::TooManyLabels;
    else if (!SaneGeometry(s) || std::any_of(s.layouts.begin(), s.layouts.end(),
                                             [](const LabelLayout& l) { return l.nx <= 0 || l.ny <= 0; }))
        result.error = LabelSheetError::BadGeometry;
    if (result.error != LabelSheetError::None)
        return result;

    CSealData2& r = result.record;
    r.m_nKind = 3;
    r.m_strCode = LabelSheetCode(s.brand, s.part);
    r.m_strFindCode = FindCode(s, r.m_strCode);
    r.m_strPieceSize = PieceSize(s);
    const bool oneBlock = s.layouts.size() == 1;
    r.m_nCols = oneBlock ? s.layouts.front().nx : static_cast<int>(count);
    r.m_nRows = oneBlock ? s.layouts.front().ny : 1;
    SetMetrics(s, r);
    const int width = Hundredths(s.width), height = Hundredths(s.height);
    const int inset = FrameInset(width, height);
    r.m_nOutlineRound = OutlineRound(s, width, height);
    r.m_nOutlinePen = kPen;
    PlaceLabels(s, r);
    r.m_nFrameRound = FrameRound(r.m_nOutlineRound, inset, s.shape, r.m_pieces.front().m_rcFrame);
    r.m_nFramePen = kPen;
    r.m_nMarkRound = r.m_nOutlineRound ? r.m_nOutlineRound + 2 * kMarkOutset : kMarkRound;
    r.m_nMarkPen = kMarkPen;
    r.m_nSpare25 = kLabelSheetMark;
    r.m_nSpare26 = static_cast<int>(s.shape);
    SetPreview(s, r);
    r.m_nDefaultSize = DefaultSize(r.m_pieces.front().m_rcText);
    return result;
}

bool IsLabelSheet(const SealDataCommon& record) { return record.m_nSpare25 == kLabelSheetMark; }

LabelShape LabelShapeOf(const SealDataCommon& record)
{
    if (!IsLabelSheet(record))
        return LabelShape::Rectangle;
    switch (record.m_nSpare26) {
    case static_cast<int>(LabelShape::Round): return LabelShape::Round;
    case static_cast<int>(LabelShape::Ellipse): return LabelShape::Ellipse;
    default: return LabelShape::Rectangle;
    }
}

std::optional<PaperExtent> LabelPaper(const SealDataCommon& record)
{
    // A design file brings these: a paper that is not there or absurd falls back to the kind's.
    const int width = record.m_nMetric[6], height = record.m_nMetric[7];
    if (!IsLabelSheet(record) || width <= 0 || height <= 0 || width > 200000 || height > 200000)
        return std::nullopt;
    return PaperExtent{width, height};
}

int AppendLabelSheets(const std::vector<LabelGeometry>& sheets, SealCatalog& catalog)
{
    std::unordered_set<std::string> taken;
    for (const CatalogEntry& entry : catalog)
        taken.insert(CodeOf(entry));
    catalog.reserve(catalog.size() + sheets.size());
    int left = 0;
    for (const LabelGeometry& sheet : sheets) {
        LabelSheetResult made = MakeLabelSheet(sheet);
        if (made.error != LabelSheetError::None || made.record.m_strCode.empty()) {
            ++left;
            continue;
        }
        const std::string base = made.record.m_strCode;
        for (int n = 2; taken.count(made.record.m_strCode); ++n)
            made.record.m_strCode = base + "x" + std::to_string(n);
        taken.insert(made.record.m_strCode);
        made.record.m_label = std::make_shared<const LabelGeometry>(sheet);
        catalog.emplace_back(std::move(made.record));
    }
    return left;
}

namespace {

bool SameLetters(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool NamesLabel(const CatalogEntry& entry, const std::string& name)
{
    if (IsZolvi(entry) || !AsOrvanel(entry).m_label)
        return false;
    const LabelGeometry& label = *AsOrvanel(entry).m_label;
    return SameLetters(name, label.brand + " " + label.part) || SameLetters(name, label.part);
}

}  // namespace

SealCatalog::const_iterator FindNamedSheet(const SealCatalog& catalog, const std::string& utf8Name)
{
    const std::string cp932Name = cp932::FromUtf8(utf8Name);
    const auto first = [&catalog](auto matches) { return std::find_if(catalog.begin(), catalog.end(), matches); };
    auto found = first([&](const CatalogEntry& e) { return CodeOf(e) == cp932Name; });
    if (found == catalog.end())
        found = first([&](const CatalogEntry& e) {
            return std::visit([&](const auto& r) { return r.m_strFindCode == cp932Name; }, e);
        });
    if (found == catalog.end())
        found = first([&](const CatalogEntry& e) { return NamesLabel(e, utf8Name); });
    return found;
}
