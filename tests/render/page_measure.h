#pragma once
// Printed pages measured on paper: a PDF rasterised by pdftoppm at 254 dots per inch (0.1 mm per
// pixel, as ink.h counts), where the straight parts of a frame's strokes lie, and where text ink is.
#include "platform/rect.h"

#include <QImage>
#include <QRect>

#include <optional>
#include <string>

// Page `pageNumber` (1-based) of `pdf` in grey levels, its top-left pixel at the paper's corner; a
// null image when pdftoppm failed, with the reason in `error`.
QImage RasterisePdf(const std::string& pdf, std::string& error, int pageNumber = 1);

// A frame as printed: the centre lines of its four strokes in sheet units (0.01 mm), each found in
// the middle half of its side within 0.6 mm of where `expected` puts it. Nothing when a side shows
// no stroke there.
struct MeasuredFrame {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};
std::optional<MeasuredFrame> MeasureFrame(const QImage& page, const Rect& expected);

// The largest distance between the sides of `measured` and `expected`, in sheet units.
double LargestError(const MeasuredFrame& measured, const Rect& expected);

// The ink inside `frame` (0.5 mm in from its strokes), in sheet units; empty when there is none.
QRect InkInside(const QImage& page, const Rect& frame);

// `r` moved by `dx`, `dy` sheet units.
Rect Moved(const Rect& r, int dx, int dy);
