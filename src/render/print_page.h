#pragma once
// The printed sheet: every sticker's stored lines and, when frames are on, its frame; a grey box
// where a text did not fit; nothing else (no outlines). Used for the printer, PDF and picture
// export alike, so all of them show exactly the same page.
#include "format/design_look.h"
#include "format/seal_data.h"
#include "render/font_pool.h"
#include "render/line_renderer.h"

#include <QPageLayout>
#include <QPainter>
#include <QSizeF>

#include <string>

// The page set-up of a device: its resolution and where its printable area begins on the paper.
struct PrintDevice {
    double dotsPerInch = 1200;
    double printableLeftMm = 0;  // the painter's origin, measured from the paper's corner
    double printableTopMm = 0;
};

// The page set-up of a printer whose page layout is `layout`, drawn on at `dotsPerInch`: a
// printer's painter starts at the corner of the printable area the layout puts on the paper.
PrintDevice PrintDeviceFor(const QPageLayout& layout, int dotsPerInch);

// Paints `sheet` in `look` on one page: the stickers as the paper shows them. `offsets` is the
// user's print-position adjustment in 0.01 mm (dx right, dy up).
void PaintOrvanelPage(QPainter& painter, const PrintDevice& device, const CSealData2& sheet, const DesignLook& look,
                      QPoint offsets, const CFontPool& pool = g_fontPool);
void PaintZolviPage(QPainter& painter, const PrintDevice& device, const CSealData3& sheet, const DesignLook& look,
                    QPoint offsets, const CFontPool& pool = g_fontPool);

// The paper a sheet is printed on: the white canvas its views are drawn on, in pixels at 150 dots
// per inch, and in millimetres. Kind-5 fold-over sheets have the smaller paper.
inline constexpr int kCanvasDpi = 150;
QSize PaperCanvas(bool zolviKind5);
QSizeF PaperSizeMm(bool zolviKind5);
// The paper of the current design of `kind`: a label sheet's own paper, otherwise the paper of
// its kind as above.
QSize DesignPaperCanvas(int kind);
QSizeF DesignPaperMm(int kind);

// Paints the current record of `kind` (1 Orvanel, -2 Zolvi) on one page.
void PaintDesignPage(QPainter& painter, const PrintDevice& device, int kind, const DesignLook& look, QPoint offsets,
                     const CFontPool& pool = g_fontPool);
