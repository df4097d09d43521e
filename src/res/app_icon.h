#pragma once
// The program's icon: a sheet of stickers, some with lines of text, one peeling off. Drawn from one
// list of shapes both as an SVG document (for the icon theme) and with QPainter at any size, so
// every size shows the same picture.
#include <QImage>
#include <QString>

// The icon is drawn on a square of this many units.
inline constexpr int kIconUnits = 256;

QString AppIconSvg();
QImage DrawAppIcon(int pixels);
