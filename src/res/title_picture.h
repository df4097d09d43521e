#pragma once
// The title picture of the start page, "BeginingTilteLog.bmp" beside the executable.
#include <QImage>

// Width and height of control 1013 (449 x 365 dialog units) in pixels; shown 1:1.
inline constexpr int kTitleWidth = 674;
inline constexpr int kTitleHeight = 548;

QImage DrawTitlePicture();
