#pragma once
// The pictures of the text and print pages as views of their picture controls: the whole sheet
// (print pages and whole-sheet preview windows), the numbered sheet maps and the one-sticker
// previews.
#include "render/sticker_previews.h"
#include "render/view_frame.h"

#include <functional>

class CLayoutFontStatic;

// Whole sheets, 1098 (Orvanel) and 1123 (Zolvi), with their black border.
void RegisterWholeSheetViews();
// The sheet map and the one-sticker preview of `kind`'s text page. `painted` hears, as soon as the
// preview has laid the current sticker out and drawn it, of the size it had to reduce it to.
void RegisterTextPageViews(int kind, std::function<void(ReducedSize)> painted);

// The surface of a picture control as the sheet views see it.
PictureFrame FrameOf(const CLayoutFontStatic& control);
