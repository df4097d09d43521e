#pragma once
// The sheet map of the open design: its sheet's "numberseal.bmp" as it was when the design took
// the sheet. An update may replace the sheet's folder while the wizard runs; the open design keeps
// the product it was made on until another sheet or design is taken, so its map and its stickers
// stay on one geometry. The sheet list shows the new product meanwhile.
#include "wizard/wizard_sheet.h"

#include <QImage>

#include <string>

// Reads the map of the sheet with `code` now and keeps it in `pin` for the open design.
void PinSheetMap(SheetMapPin& pin, const std::string& code);
// The kept map when it is that of `code`; else it is read and kept now. Null when the sheet has
// no readable map.
QImage PinnedSheetMap(SheetMapPin& pin, const std::string& code);
