#pragma once
// The automatic pictures of the picture buttons.
#include <QColor>
#include <QImage>

// Every pixel that is not `transparent` with each channel c made int(c - 0.08 c).
QImage DarkerPicture(const QImage& picture, QRgb transparent);
// A colour made grey: int(0.299 r + 0.587 g + 0.114 b) in every channel.
QRgb GreyColour(QRgb colour);
// Every pixel that is not `transparent` made grey (GreyColour).
QImage GreyPicture(const QImage& picture, QRgb transparent);
// The picture with the pixels of `transparent` see-through, for drawing through its mask.
QImage MaskedPicture(const QImage& picture, QRgb transparent);
// Every second pixel of each row, alternating by row, set to `face`.
QImage ChequeredPicture(const QImage& picture, const QColor& face);
