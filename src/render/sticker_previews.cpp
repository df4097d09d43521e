#include "render/sticker_previews.h"

#include "platform/cp932.h"
#include "render/pool_measurer.h"
#include "render/sheet_views.h"
#include "render/sticker_style.h"
#include "render/zolvi_figures.h"
#include "text/layout_mode.h"
#include "text/layout_sheet.h"

namespace {

// A text laid out for one view, in the look's layout mode and faces. Under a number that is no
// layout mode the text has no lines and nothing overflows.
LayoutResult LayOut(const CFontPool& pool, const Rect& box, const std::string& text, int sizeTenths, int partParity,
                    const DesignLook& look, LineBreaks breaks)
{
    const std::optional<LayoutModeInfo> mode = ModeFor(look.layoutMode, partParity);
    if (!mode)
        return LayoutResult{};
    FontPoolMeasurer measurer(pool);
    return LayoutPiece(measurer, LayoutInputs{text, sizeTenths, box, *mode, look.japaneseFace, look.latinFace,
                                              look.bold, breaks, measurer.FontsVersion()});
}

// Draws a laid-out text with the drawing rules of the mode and the given alignments.
void DrawLayout(QPainter& painter, const LayoutResult& layout, const DesignLook& look, const Rect& box, int partParity,
                int alignH, int alignV, const QColor& colour, const CFontPool& pool)
{
    const std::optional<DrawModeInfo> mode = DrawModeFor(look.layoutMode, partParity);
    if (!mode)
        return;
    const LineFonts fonts{
        JapaneseFont{look.japaneseFace, mode->vertical, look.bold, mode->type, layout.japaneseSizeIndex},
        LatinFont{look.latinFace, look.bold, mode->latinRotation, layout.latinSizeIndex}};
    painter.setPen(colour);
    DrawTextBlock(painter, mode->family, box, layout.lines, layout.extents, layout.pitch, fonts, mode->type,
                  AlignmentsFor(*mode, alignH, alignV), DeviceOffsets{}, pool);
}

bool Reduced(const LayoutResult& layout) { return layout.reducedSize != -1; }

int SizeOf(const SealPiece& piece, int defaultSize) { return piece.m_nSize == -1 ? defaultSize : piece.m_nSize; }

// 0xFEFFFF is the colour list's "no frame" entry: the preview draws it white.
QColor PreviewFrameColour(const SealPiece& piece, std::uint32_t sheetFrame)
{
    const std::uint32_t colour = piece.m_crFrame == kNoFrameColour ? sheetFrame : piece.m_crFrame;
    return FromColorRef(colour == 0xFEFFFF ? 0xFFFFFF : colour);
}

}  // namespace

ReducedSize DrawOrvanelPreview(QPainter& painter, const PictureFrame& frame, CSealData2& sheet, const DesignLook& look,
                               LineBreaks breaks, const CFontPool& pool)
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
    const LayoutResult layout =
        LayOut(pool, sheet.m_rcPreview[2], piece.m_strText, SizeOf(piece, sheet.m_nDefaultSize), 0, look, breaks);
    piece.m_bOverflow = layout.overflow;
    if (Reduced(layout)) {
        piece.m_nSize = 10 * pool.PointsAt(layout.japaneseSizeIndex);
        return layout.japaneseSizeIndex;
    }
    if (layout.overflow)
        DrawOverflowBox(painter, sheet.m_rcPreview[1], sheet.m_nFrameRound, sheet.m_bFrame ? framePen : QPen(Qt::NoPen));
    else
        DrawLayout(painter, layout, look, sheet.m_rcPreview[2], 0, piece.m_nAlignH, piece.m_nAlignV,
                   StickerTextColour(piece, look), pool);
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

ReducedSize DrawZolviPreview(QPainter& painter, const PictureFrame& frame, CSealData3& sheet, const DesignLook& look,
                             LineBreaks breaks, const CFontPool& pool)
{
    const int count = static_cast<int>(sheet.m_pieces.size());
    const int first = sheet.m_nCurPiece - sheet.m_nCurPiece % 2;
    if (sheet.m_nCurPiece < 0 || first + 1 >= count)
        return std::nullopt;
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, kScaleMap));
    const std::optional<ZolviCorners> corners = CornersFor(look.sheetType);
    if (!corners)
        return std::nullopt;
    const bool sameText = SameTextPairs(look.layoutMode);
    ReducedSize reduced;
    DrawPreviewOutline(painter, sheet, *corners);
    for (int p = 0; p < 2; ++p) {
        SealPiece& part = sheet.m_pieces[static_cast<std::size_t>(first + p)];
        SealPiece& owner = sameText ? sheet.m_pieces[static_cast<std::size_t>(first)] : part;
        const Rect& textBox = sheet.m_rcPreview[4 + p];
        const Rect& frameBox = sheet.m_rcPreview[2 + p];
        const LayoutResult layout =
            LayOut(pool, textBox, owner.m_strText, SizeOf(owner, sheet.m_nDefaultSize), p, look, breaks);
        part.m_bOverflow = layout.overflow;
        if (Reduced(layout)) {
            owner.m_nSize = 10 * pool.PointsAt(layout.japaneseSizeIndex);
            reduced = layout.japaneseSizeIndex;
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
        DrawLayout(painter, layout, look, textBox, p, owner.m_nAlignH, owner.m_nAlignV, StickerTextColour(owner, look),
                   pool);
        if (pen) {
            SetPen(painter, *pen);
            painter.drawPath(PartFrame(frameBox, p == 0, corners->partFrame));
        }
    }
    return reduced;
}

namespace {

std::string SampleText(bool latin, bool secondPart)
{
    if (secondPart)
        return cp932::FromUtf8(latin ? "EFgh" : "Ｚｏｌｖｉ");
    return cp932::FromUtf8(latin ? "ABcd" : "印さつPr");
}

// The samples take colour and size from the first-version sticker table, whose entries are never
// set: the look's text colour and the sheet's default size apply.
QColor SampleColour(const DesignLook& look) { return TextColour(look.textColour); }

}  // namespace

void DrawOrvanelSample(QPainter& painter, const PictureFrame& frame, const CSealData2& sheet, const DesignLook& look,
                       LineBreaks breaks, const CFontPool& pool)
{
    UseSheetMapping(painter, frame, PreviewExtent(frame.picture, sheet.m_nPreviewScale));
    SetPen(painter, SolidPen(Qt::black, 0));
    DrawRoundRect(painter, sheet.m_rcPreview[0], sheet.m_nOutlineRound);
    if (sheet.m_bFrame) {
        SetPen(painter, SolidPen(FromColorRef(sheet.m_crFrame), sheet.m_nFramePen));
        DrawRoundRect(painter, sheet.m_rcPreview[1], sheet.m_nFrameRound);
    }
    const LayoutResult layout =
        LayOut(pool, sheet.m_rcPreview[2], SampleText(look.latinSample, false), sheet.m_nDefaultSize, 0, look, breaks);
    DrawLayout(painter, layout, look, sheet.m_rcPreview[2], 0, 0, 0, SampleColour(look), pool);
}

void DrawZolviSample(QPainter& painter, const PictureFrame& frame, const CSealData3& sheet, const DesignLook& look,
                     bool designFonts, LineBreaks breaks, const CFontPool& pool)
{
    UseSheetMapping(painter, frame, WindowExtent(frame.picture, kScaleMap));
    const std::optional<ZolviCorners> corners = CornersFor(look.sheetType);
    if (!corners)
        return;
    DrawPreviewOutline(painter, sheet, *corners);
    if (const std::optional<QPen> pen = PartFramePen(sheet, *corners, FromColorRef(sheet.m_crFrame))) {
        SetPen(painter, *pen);
        painter.drawPath(PartFrame(sheet.m_rcPreview[2], true, corners->partFrame));
        painter.drawPath(PartFrame(sheet.m_rcPreview[3], false, corners->partFrame));
    }
    DesignLook sampleLook = look;
    if (!designFonts) {
        sampleLook.japaneseFace = 0;
        sampleLook.latinFace = 1;
        sampleLook.bold = false;
    }
    const bool ownTexts = !SameTextPairs(look.layoutMode);
    for (int p = 0; p < 2; ++p) {
        const Rect& box = sheet.m_rcPreview[4 + p];
        const std::string text = SampleText(look.latinSample, ownTexts && p == 1);
        const LayoutResult layout = LayOut(pool, box, text, sheet.m_nDefaultSize, p, sampleLook, breaks);
        DrawLayout(painter, layout, sampleLook, box, p, 0, 0, SampleColour(look), pool);
    }
}
