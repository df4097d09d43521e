#pragma once
// The drawing surface of a picture control: a background picture stored at 150 dots per inch, the
// memory picture it was scaled into for the screen, and how sheet units map onto it.
#include <QPainter>
#include <QSize>
#include <QTransform>

struct PictureFrame {
    QSize picture;  // the background picture in its own pixels
    QSize memory;   // the memory picture in screen pixels
    QSize client;   // the control's client area in screen pixels
    bool screen = true;  // a raster display: drawing only darkens the picture
};

// Scale factors of the views, in tenths of a percent of the picture's own size (1000: 1:1).
inline constexpr int kScaleSheet = 1440;
inline constexpr int kScaleSheetKind5 = 1250;
inline constexpr int kScaleMap = 1000;

// The sheet extent the picture shows at scale `f`, in 0.01 mm.
QSizeF WindowExtent(QSize picture, int f);
// The one-sticker preview's scale from the sheet's preview setting: the extent shown.
QSizeF PreviewExtent(QSize picture, int previewScale);

// Sets up `painter` (on the memory picture) so that sheet units land where the views put them:
// the extent fills the memory picture's height, its width keeps the client's proportions.
void UseSheetMapping(QPainter& painter, const PictureFrame& frame, QSizeF extent);
// The sheet maps stretch the extent over the whole memory picture.
void UseMapMapping(QPainter& painter, const PictureFrame& frame, QSizeF extent);

// Draws `background` over the memory picture again, as wide as UseSheetMapping maps the sheet
// (its width follows the client's proportions, not the picture's), so that a picture of the sheet
// lies under what the view draws on it.
void FitBackgroundToSheetMapping(QPainter& painter, const PictureFrame& frame, const QImage& background);
