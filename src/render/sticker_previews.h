#pragma once
// One sticker at a large scale: the text page's preview of the current sticker, and the samples
// of the layout and font pages. These lay their text out anew for their own box, wrapping lines
// as `breaks` says.
#include "format/design_look.h"
#include "format/seal_data.h"
#include "render/font_pool.h"
#include "render/view_frame.h"
#include "text/line_breaks.h"

#include <optional>

// The size the preview had to reduce the text to, as an index into the size list: the page's size
// list follows it. Nothing when the size stayed.
using ReducedSize = std::optional<int>;

ReducedSize DrawOrvanelPreview(QPainter& painter, const PictureFrame& frame, CSealData2& sheet, const DesignLook& look,
                               LineBreaks breaks, const CFontPool& pool = g_fontPool);
ReducedSize DrawZolviPreview(QPainter& painter, const PictureFrame& frame, CSealData3& sheet, const DesignLook& look,
                             LineBreaks breaks, const CFontPool& pool = g_fontPool);

// The samples: "印さつPr" after a Japanese typeface was picked, "ABcd" after a Latin one
// (look.latinSample).
void DrawOrvanelSample(QPainter& painter, const PictureFrame& frame, const CSealData2& sheet, const DesignLook& look,
                       LineBreaks breaks, const CFontPool& pool = g_fontPool);
// `designFonts`: the font page's sample uses the design's typefaces and boldness, the layout
// page's always the gothic and Arial faces without bold.
void DrawZolviSample(QPainter& painter, const PictureFrame& frame, const CSealData3& sheet, const DesignLook& look,
                     bool designFonts, LineBreaks breaks, const CFontPool& pool = g_fontPool);
