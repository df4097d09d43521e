#pragma once
// Exporting a design as it would print: a PDF of one page per sheet, or PNG pictures at 300 dots
// per inch. The page is the sheet's paper, all of it printable.
#include "format/design_look.h"
#include "render/font_pool.h"
#include "text/line_breaks.h"

#include <QPoint>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// The sheet (0-based) and sticker whose text did not fit when the sheet was laid out.
using StickerPlace = std::pair<int, int>;

// Told after each sheet written: how many are done, of how many.
using ExportProgress = std::function<void(int done, int total)>;

// Writes the shown sheet of the design of `kind` (1 Orvanel, -2 Zolvi) in `look`, laid out with
// `breaks`, as a one-page PDF or a PNG picture, chosen by the file's extension. `offsets` is the
// print-position adjustment in 0.01 mm. Returns an error message, or an empty string on success.
std::string ExportSheet(const std::string& path, int kind, const DesignLook& look, QPoint offsets, LineBreaks breaks,
                        const CFontPool& pool = g_fontPool);

// The same for every sheet of the design: a PDF of one page per sheet, or for .png the pictures
// PATH-1.png, PATH-2.png, ... (a design of one sheet keeps writing PATH itself). `overflowing`
// receives the stickers whose text did not fit; `progress`, when given, hears of every sheet
// written. The shown sheet is shown again afterwards.
std::string ExportSheets(const std::string& path, int kind, const DesignLook& look, QPoint offsets,
                         LineBreaks breaks, std::vector<StickerPlace>& overflowing,
                         const CFontPool& pool = g_fontPool, const ExportProgress& progress = {});

// PATH-N.png for sheet `sheet` (0-based) of PATH.png.
std::string NumberedPicturePath(const std::string& path, int sheet);
