#include "controls/picture_ops.h"

namespace {

template <typename PixelFunction>
QImage MapPixels(const QImage& picture, QRgb transparent, PixelFunction change)
{
    QImage result = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparent & 0xFFFFFF;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0xFFFFFF) != key)
                line[x] = change(line[x]);
    }
    return result;
}

int Darken(int c)
{
    return static_cast<int>(c - 0.08 * c);
}

}  // namespace

QImage DarkerPicture(const QImage& picture, QRgb transparent)
{
    return MapPixels(picture, transparent, [](QRgb p) {
        return qRgb(Darken(qRed(p)), Darken(qGreen(p)), Darken(qBlue(p)));
    });
}

QRgb GreyColour(QRgb colour)
{
    const int level = static_cast<int>(0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour));
    return qRgb(level, level, level);
}

QImage GreyPicture(const QImage& picture, QRgb transparent)
{
    return MapPixels(picture, transparent, GreyColour);
}

QImage MaskedPicture(const QImage& picture, QRgb transparent)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent & 0xFFFFFF;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return result;
}

QImage ChequeredPicture(const QImage& picture, const QColor& face)
{
    QImage result = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = y % 2; x < result.width(); x += 2)
            line[x] = face.rgb();
    }
    return result;
}
