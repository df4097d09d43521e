#include "render/sticker_previews.h"

#include "design/seal_format.h"
#include "platform/cp932.h"
#include "render/pool_measurer.h"
#include "render/sheet_views.h"
#include "render/sticker_style.h"
#include "render/zolvi_figures.h"
#include "text/fit_text.h"
#include "text/layout_mode.h"
#include "text/size_steps.h"

namespace {

// A text laid out for one view.
struct ViewLayout {
    std::vector<std::string> lines;
    std::vector<int> extents;
    int pitch = 0;
    int overflow = 0;
    int start = 0;
    LineFonts fonts;
    bool reduced() const { return fonts.japanese.sizeIndex != start && fonts.latin.sizeIndex != start; }
};

// What the text is laid out with besides its box and size: the faces and where lines may wrap.
struct Faces {
    int japanese;
    int latin;
    bool bold;
    LineBreaks breaks;
};

Faces DesignFaces(LineBreaks breaks)
{
    return {CSealFormat::s_nJapaneseFace, CSealFormat::s_nLatinFace, CSealFormat::s_bBold != 0, breaks};
}

ViewLayout LayOut(const CFontPool& pool, const Rect& box, const std::string& text, int sizeTenths, int partParity,
                  const Faces& faces)
{
    ViewLayout out;
    const std::optional<LayoutModeInfo> mode = ModeFor(CSealFormat::s_nLayoutMode, partParity);
    if (!mode)
        return out;
    out.start = StartSizeIndex(sizeTenths);
    JapaneseFont japanese{faces.japanese, mode->vertical, faces.bold, mode->japaneseRotation, out.start};
    LatinFont latin{faces.latin, faces.bold, mode->latinRotation, out.start};
    FontPoolMeasurer measurer(pool);
    const auto fit = mode->family == WritingFamily::kVertical ? FitVerticalText : FitHorizontalText;
    out.overflow = fit(measurer, box, text, out.lines, out.extents, out.pitch, japanese, latin, faces.breaks);
    out.fonts = LineFonts{japanese, latin};
    return out;
}

// Draws a laid-out text with the drawing rules of the mode and the given alignments.
void DrawLayout(QPainter& painter, const ViewLayout& layout, const Rect& box, int partParity, int alignH, int alignV,
                const QColor& colour, const CFontPool& pool)
{
    const std::optional<DrawModeInfo> mode = DrawModeFor(CSealFormat::s_nLayoutMode, partParity);
    if (!mode)
        return;
    LineFonts fonts = layout.fonts;
    fonts.japanese.rotation = mode->type;
    fonts.latin.rotation = mode->latinRotation;
    painter.setPen(colour);
    DrawTextBlock(painter, mode->family, box, layout.lines, layout.extents, layout.pitch, fonts, mode->type,
                  AlignmentsFor(*mode, alignH, alignV), DeviceOffsets{}, pool);
}

int SizeOf(const SealPiece& piece, int defaultSize) { return piece.m_nSize == -1 ? defaultSize : piece.m_nSize; }

// 0xFEFFFF is the colour list's "no frame" entry: the preview draws it white.
QColor PreviewFrameColour(const SealPiece& piece, std::uint32_t sheetFrame)
{
    const std::uint32_t colour = piece.m_crFrame == kNoFrameColour ? sheetFrame : piece.m_crFrame;
    return FromColorRef(colour == 0xFEFFFF ? 0xFFFFFF : colour);
}

}  // namespace

ReducedSize DrawOrvanelPreview(QPainter& painter, const PictureFrame& frame, CSealData2& sheet, LineBreaks breaks,
                               const CFontPool& pool)
{
    if (sheet.m_nCurPiece < 0 || sheet.m_nCurPiece >= static_cast<int>(sheet.m_pieces.size()))
        return std::nullopt;
    UseSheetMapping(painter, frame, PreviewExtent(frame.picture, sheet.m_nPreviewScale));
    SealPiece& piece = sheet.m_pieces[static_cast<std::size_t>(sheet.m_nCurPiece)];
    SetPen(painter, SolidPen(Qt::black, sheet.m_nOutlinePen));
    DrawRoundRect(painter, sheet.m_rcPreview[0], sheet.m_nOutlineRound);
    const QPen framePen = SolidPen(PreviewFrameColour(piece, sheet.m_crFrame), sheet.m_nFramePen);
    if (sheet.m_bFrame) {
        SetPen(painter, framePen);
        DrawRoundRect(painter, sheet.m_rcPreview[1], sheet.m_nFrameRound);
    }
    const ViewLayout layout =
        LayOut(pool, sheet.m_rcPreview[2], piece.m_strText, SizeOf(piece, sheet.m_nDefaultSize), 0, DesignFaces(breaks));
    piece.m_bOverflow = layout.overflow;
    if (layout.reduced()) {
        piece.m_nSize = 10 * pool.PointsAt(layout.fonts.japanese.sizeIndex);
        return layout.fonts.japanese.sizeIndex;
    }
    if (layout.overflow)
        DrawOverflowBox(painter, sheet.m_rcPreview[1], sheet.m_nFrameRound, sheet.m_bFrame ? framePen : QPen(Qt::NoPen));
    else
        DrawLayout(painter, layout, sheet.m_rcPreview[2], 0, piece.m_nAlignH, piece.m_nAlignV, StickerTextColour(piece),
                   pool);
    return std::nullopt;
}

namespace {

// The pen that frames the parts of the preview and the samples: the grey band on kind-5 sheets,
// else the frame pen when frames are on; nothing otherwise.
std::optional<QPen> PartFramePen(const CSealData3& sheet, const ZolviCorners& corners, const QColor& frameColour)
{
    if (sheet.m_nKind == 5)
        return GeometricPen(QColor(0x7F, 0x7F, 0x7F), corners.greyBand);
    if (sheet.m_bFrame)
        return GeometricPen(frameColour, sheet.m_nFramePen);
    return std::nullopt;
}

void DrawPreviewOutline(QPainter& painter, const CSealData3& sheet, const ZolviCorners& corners)
{
    SetPen(painter, GeometricPen(Qt::black, sheet.m_nOutlinePen));
    painter.drawPath(FoldedOutline(sheet.m_rcPreview[0], sheet.m_rcPreview[1], corners.outline, corners.foldDashes));
}

}  // namespace

ReducedSize DrawZolviPreview(QPainter& painter, const PictureFrame& frame, CSealData3& sheet, LineBreaks breaks,
                             const CFontPool& pool)
{
    const int count = static_cast<int>(sheet.m_pieces.size());
    const int first = sheet.m_nCurPiece - sheet.m_nCurPiece % 2;
    if (sheet.m_nCurPiece < 0 || first + 1 >= count)
        return std::nullopt;
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, kScaleMap));
    const std::optional<ZolviCorners> corners = CornersFor(CSealFormat::s_nOldSheetType);
    if (!corners)
        return std::nullopt;
    const bool sameText = SameTextPairs(CSealFormat::s_nLayoutMode);
    ReducedSize reduced;
    DrawPreviewOutline(painter, sheet, *corners);
    for (int p = 0; p < 2; ++p) {
        SealPiece& part = sheet.m_pieces[static_cast<std::size_t>(first + p)];
        SealPiece& owner = sameText ? sheet.m_pieces[static_cast<std::size_t>(first)] : part;
        const Rect& textBox = sheet.m_rcPreview[4 + p];
        const Rect& frameBox = sheet.m_rcPreview[2 + p];
        const ViewLayout layout =
            LayOut(pool, textBox, owner.m_strText, SizeOf(owner, sheet.m_nDefaultSize), p, DesignFaces(breaks));
        part.m_bOverflow = layout.overflow;
        if (layout.reduced()) {
            owner.m_nSize = 10 * pool.PointsAt(layout.fonts.japanese.sizeIndex);
            reduced = layout.fonts.japanese.sizeIndex;
        }
        const std::optional<QPen> pen = PartFramePen(sheet, *corners, StickerFrameColour(owner, sheet.m_crFrame));
        if (layout.overflow) {
            DrawOverflowBox(painter, frameBox, sheet.m_nFrameRound, pen ? *pen : QPen(Qt::NoPen));
            if (pen) {
                SetPen(painter, *pen);
                painter.drawPath(PartFrame(frameBox, p == 0, corners->partFrame, true));
            }
            continue;
        }
        DrawLayout(painter, layout, textBox, p, owner.m_nAlignH, owner.m_nAlignV, StickerTextColour(owner), pool);
        if (pen) {
            SetPen(painter, *pen);
            painter.drawPath(PartFrame(frameBox, p == 0, corners->partFrame));
        }
    }
    return reduced;
}

namespace {

std::string SampleText(bool secondPart)
{
    const bool latin = CSealFormat::s_bLatinFace != 0;
    if (secondPart)
        return cp932::FromUtf8(latin ? "EFgh" : "Ｚｏｌｖｉ");
    return cp932::FromUtf8(latin ? "ABcd" : "印さつPr");
}

// The samples take colour and size from the first-version sticker table, whose entries are unset:
// the design's text colour and the sheet's default size apply.
QColor SampleColour()
{
    const CSealData::Entry& entry =
        CSealFormat::Legacy().m_entries[static_cast<std::size_t>(CSealFormat::Legacy().m_nCurPiece * 2) % 32];
    return TextColour(entry.m_nTextColour == kNoTextColour ? CSealFormat::s_nTextColour : entry.m_nTextColour);
}

}  // namespace

void DrawOrvanelSample(QPainter& painter, const PictureFrame& frame, const CSealData2& sheet, LineBreaks breaks,
                       const CFontPool& pool)
{
    CSealFormat::s_nOldSheetType = 137;
    UseSheetMapping(painter, frame, PreviewExtent(frame.picture, sheet.m_nPreviewScale));
    SetPen(painter, SolidPen(Qt::black, 0));
    DrawRoundRect(painter, sheet.m_rcPreview[0], sheet.m_nOutlineRound);
    if (sheet.m_bFrame) {
        SetPen(painter, SolidPen(FromColorRef(sheet.m_crFrame), sheet.m_nFramePen));
        DrawRoundRect(painter, sheet.m_rcPreview[1], sheet.m_nFrameRound);
    }
    const ViewLayout layout = LayOut(pool, sheet.m_rcPreview[2], SampleText(false), sheet.m_nDefaultSize, 0,
                                     DesignFaces(breaks));
    DrawLayout(painter, layout, sheet.m_rcPreview[2], 0, 0, 0, SampleColour(), pool);
}

void DrawZolviSample(QPainter& painter, const PictureFrame& frame, const CSealData3& sheet, bool designFonts,
                     LineBreaks breaks, const CFontPool& pool)
{
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, kScaleMap));
    const std::optional<ZolviCorners> corners = CornersFor(CSealFormat::s_nOldSheetType);
    if (!corners)
        return;
    DrawPreviewOutline(painter, sheet, *corners);
    if (const std::optional<QPen> pen = PartFramePen(sheet, *corners, FromColorRef(sheet.m_crFrame))) {
        SetPen(painter, *pen);
        painter.drawPath(PartFrame(sheet.m_rcPreview[2], true, corners->partFrame));
        painter.drawPath(PartFrame(sheet.m_rcPreview[3], false, corners->partFrame));
    }
    const Faces faces = designFonts ? DesignFaces(breaks) : Faces{0, 1, false, breaks};
    const bool ownTexts = !SameTextPairs(CSealFormat::s_nLayoutMode);
    for (int p = 0; p < 2; ++p) {
        const Rect& box = sheet.m_rcPreview[4 + p];
        const ViewLayout layout = LayOut(pool, box, SampleText(ownTexts && p == 1), sheet.m_nDefaultSize, p, faces);
        DrawLayout(painter, layout, box, p, 0, 0, SampleColour(), pool);
    }
}
