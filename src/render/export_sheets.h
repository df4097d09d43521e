#pragma once
// Exporting every sheet of a design: one PDF page per sheet, or one picture per sheet.
#include "render/print_page.h"

#include <string>
#include <utility>
#include <vector>

// The sheet (0-based) and sticker whose text did not fit when the sheet was laid out.
using StickerPlace = std::pair<int, int>;

// Writes every sheet of the design of `kind` to `path` as ExportSheet writes one: a PDF of one
// page per sheet, or for .png the pictures PATH-1.png, PATH-2.png, ... (a design of one sheet
// keeps writing PATH itself). `overflowing` receives the stickers whose text did not fit. The
// shown sheet is shown again afterwards. Returns an error message, or an empty string.
std::string ExportSheets(const std::string& path, int kind, QPoint offsets, LineBreaks breaks,
                         std::vector<StickerPlace>& overflowing, const CFontPool& pool = g_fontPool);

// PATH-N.png for sheet `sheet` (0-based) of PATH.png.
std::string NumberedPicturePath(const std::string& path, int sheet);
