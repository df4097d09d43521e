#include "pages/sheet_map_pin.h"

#include "controls/picture_file.h"
#include "format/load_formats.h"
#include "pages/program_folder.h"

void PinSheetMap(SheetMapPin& pin, const std::string& code)
{
    pin = {code, ReadPictureFile(ToQString(SheetFolder(code) / "numberseal.bmp")), true};
}

QImage PinnedSheetMap(SheetMapPin& pin, const std::string& code)
{
    if (!pin.pinned || pin.code != code)
        PinSheetMap(pin, code);
    return pin.map;
}
