#pragma once
// The pictures of whole sheets: the sheet as it will print (with outlines), the numbered sheet map
// in which the user picks a sticker, and the sheet-selection picture. Each draws the current design
// with a painter already on the view's picture (white, with its background copied in).
#include "format/design_look.h"
#include "format/seal_data.h"
#include "render/font_pool.h"
#include "render/view_frame.h"

#include <QPoint>

// Whole sheet with every sticker's stored lines (or a grey box where the text did not fit), frames
// when they are on and every sticker's outline: the stickers as the screen draws them.
void DrawOrvanelSheet(QPainter& painter, const PictureFrame& frame, const CSealData2& sheet, const DesignLook& look,
                      const CFontPool& pool = g_fontPool);
void DrawZolviSheet(QPainter& painter, const PictureFrame& frame, const CSealData3& sheet, const DesignLook& look,
                    const CFontPool& pool = g_fontPool);

// The scale of a Zolvi sheet's whole view by its kind; kind 2 sheets are shown like kind 4.
int ZolviSheetScale(const CSealData3& sheet);
// The scale of an Orvanel sheet's whole-sheet views: kScaleSheet, or smaller for a label sheet's
// larger paper, so that the whole paper fits the view as a postcard does.
int OrvanelSheetScale(const CSealData2& sheet);

// Sheet map: the current sticker marked in blue.
template <typename Record>
void DrawSheetMap(QPainter& painter, const PictureFrame& frame, const Record& sheet);
// The sticker a click at `click` (client pixels) selects, or -1.
template <typename Record>
int HitTest(const Record& sheet, const PictureFrame& frame, QPoint click);

// Sheet-selection picture of the chosen catalog entry: outlines and the paper's edge.
void DrawOrvanelSelection(QPainter& painter, const PictureFrame& frame, const CSealData2& sheet);
void DrawZolviSelection(QPainter& painter, const PictureFrame& frame, const CSealData3& sheet, const DesignLook& look);

// Pens of the views: width in sheet units (0: one pixel).
QPen SolidPen(const QColor& colour, int width);
// Sets a view's pen; like the platform's pens it is never thinner than one device pixel, so thin
// outlines stay visible on a reduced picture.
void SetPen(QPainter& painter, QPen pen);
QPen GeometricPen(const QColor& colour, int width);
// A rounded rectangle whose corner ellipse is `corner` wide and high (0: square corners).
void DrawRoundRect(QPainter& painter, const Rect& r, int corner);
// The grey box that stands for a text that did not fit.
void DrawOverflowBox(QPainter& painter, const Rect& r, int corner, const QPen& outline);
