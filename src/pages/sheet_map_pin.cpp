#include "pages/sheet_map_pin.h"

#include "controls/picture_file.h"
#include "format/load_formats.h"
#include "pages/program_folder.h"

namespace {

struct PinnedMap {
    std::string code;
    QImage map;
    bool pinned = false;
};

PinnedMap& Pinned()
{
    static PinnedMap pinned;
    return pinned;
}

}  // namespace

void PinSheetMap(const std::string& code)
{
    Pinned() = {code, ReadPictureFile(ToQString(SheetFolder(code) / "numberseal.bmp")), true};
}

QImage PinnedSheetMap(const std::string& code)
{
    if (!Pinned().pinned || Pinned().code != code)
        PinSheetMap(code);
    return Pinned().map;
}
