#include "res/text_print_templates.h"

#include "res/resource_ids.h"
#include "res/text_print_ids.h"

namespace {

using K = ControlKind;

DialogTemplate Page(int id, int footer)
{
    return {id, 451, 355, "", PageStrips(footer)};
}

void Add(DialogTemplate& page, std::vector<ControlTemplate> controls)
{
    page.controls.insert(page.controls.end(), controls.begin(), controls.end());
}

// The three bulk buttons in a column from (x, y).
std::vector<ControlTemplate> BulkButtons(int x, int y)
{
    return {{kIdcCopyToAll, K::PictureButton, x, y, 132, 21, "", kBmpCopyToAll},
            {kIdcDeleteSelected, K::PictureButton, x, y + 23, 132, 21, "", kBmpDeleteSelected},
            {kIdcDeleteAll, K::PictureButton, x, y + 46, 132, 21, "", kBmpDeleteAll}};
}

}  // namespace

DialogTemplate OrvanelTextTemplate()
{
    DialogTemplate page = Page(kIddOrvanelText, kBmpFooterText);
    Add(page, {{1153, K::Picture, 15, 40, 110, 14, "", 269},
               {1154, K::Picture, 15, 55, 236, 12, "", 270},
               {1155, K::Picture, 15, 67, 80, 12, "", 271},
               {1156, K::Picture, 47, 82, 56, 14, "", 237},
               {kIdcStickerNumber, K::Label, 105, 81, 26, 14},
               {1157, K::Picture, 133, 82, 80, 14, "", 238},
               {kIdcOverflowMessage, K::Label, 126, 175, 117, 11},
               {1158, K::Picture, 15, 186, 58, 12, "", 239},
               {kIdcSizeHint, K::Label, 46, 199, 8, 19},
               {1161, K::Picture, 70, 178, 54, 20, "", 242},
               {kIdcStickerFrameCaption, K::Picture, 129, 186, 46, 10, "", 244},
               {kIdcStickerFrameColour, K::FontButton, 129, 197, 45, 22},
               {kIdcStickerFrameHint, K::Picture, 176, 194, 76, 30, "", 245},
               {1159, K::Picture, 15, 230, 56, 10, "", 240},
               {kIdcStickerTextColour, K::FontButton, 15, 242, 45, 22},
               {1164, K::Picture, 122, 236, 80, 10, "", 276},
               {1160, K::Picture, 15, 274, 100, 10, "", 241},
               {1165, K::Picture, 268, 44, 76, 12, "", 246},
               {kIdcOrvanelMap, K::LayoutPicture, 271, 59, 70, 93},
               {1166, K::Picture, 350, 40, 66, 60, "", 247},
               {1148, K::Picture, 346, 100, 83, 25, "", kBmpSampleCaption},
               {1147, K::Picture, 352, 128, 22, 24, "", kBmpSampleArrow},
               {kIdcWholePreview, K::FontButton, 380, 125, 57, 27},
               {kIdcOrvanelPreview, K::LayoutPicture, 272, 158, 162, 139}});
    Add(page, BulkButtons(122, 247));
    return page;
}

DialogTemplate ZolviTextTemplate()
{
    DialogTemplate page = Page(kIddZolviText, kBmpFooterText);
    Add(page, {{1167, K::Picture, 15, 40, 240, 26, "", 236},
               {1156, K::Picture, 65, 83, 56, 14, "", 237},
               {kIdcStickerNumber, K::Label, 123, 83, 24, 14},
               {1157, K::Picture, 149, 83, 80, 14, "", 238},
               {kIdcOverflowMessage, K::Label, 160, 175, 128, 11},
               {1158, K::Picture, 22, 185, 58, 12, "", 239},
               {kIdcSizeHint, K::Label, 52, 197, 8, 19},
               {1161, K::Picture, 88, 176, 54, 20, "", 242},
               {kIdcStickerFrameCaption, K::Picture, 164, 188, 46, 10, "", 244},
               {kIdcStickerFrameColour, K::FontButton, 164, 199, 45, 22},
               {kIdcStickerFrameHint, K::Picture, 212, 194, 76, 30, "", 245},
               {1159, K::Picture, 22, 229, 56, 10, "", 240},
               {kIdcStickerTextColour, K::FontButton, 22, 240, 45, 22},
               {1164, K::Picture, 159, 234, 80, 10, "", 276},
               {1160, K::Picture, 22, 272, 100, 10, "", 241},
               {1165, K::Picture, 302, 44, 76, 12, "", 246},
               {kIdcZolviMap, K::LayoutPicture, 304, 58, 73, 104},
               {1166, K::Picture, 381, 40, 66, 60, "", 247},
               {1148, K::Picture, 300, 165, 83, 25, "", kBmpSampleCaption},
               {1147, K::Picture, 392, 166, 22, 24, "", kBmpSampleArrow},
               {kIdcWholePreview, K::FontButton, 385, 130, 57, 27},
               {kIdcZolviPreview, K::LayoutPicture, 327, 192, 108, 106}});
    Add(page, BulkButtons(159, 245));
    return page;
}

namespace {

DialogTemplate PrintPage(int id, int sheetId, int sheetX, int buttonX)
{
    DialogTemplate page = Page(id, kBmpFooterPrint);
    Add(page, {{1168, K::Picture, 12, 48, 130, 40, "", kBmpPrintCaption},
               {1169, K::Picture, 319, 45, 132, 96, "", kBmpOffsetCaption},
               {1170, K::Picture, 12, 200, 118, 90, "", kBmpThanksCaption},
               {sheetId, K::LayoutPicture, sheetX, 43, 160, 256},
               {kIdcPrint, K::PictureButton, buttonX, 211, 97, 29, "", kBmpPrintButton},
               {kIdcSaveDesign, K::PictureButton, buttonX, 255, 97, 29, "", kBmpSaveButton}});
    return page;
}

}  // namespace

DialogTemplate OrvanelPrintTemplate()
{
    return PrintPage(kIddOrvanelPrint, kIdcOrvanelSheet, 150, 331);
}

DialogTemplate ZolviPrintTemplate()
{
    return PrintPage(kIddZolviPrint, kIdcZolviSheet, 154, 332);
}
