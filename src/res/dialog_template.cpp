#include "res/dialog_template.h"

#include "res/layout_font_templates.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"
#include "res/text_print_templates.h"

#include <cmath>

std::vector<ControlTemplate> PageStrips(int footer)
{
    return {{kIdcHeader, ControlKind::Picture, 0, 0, 450, 36, "", kBmpHeader},
            {kIdcFooter, ControlKind::Picture, 0, 326, 450, 28, "", footer}};
}

namespace {

using K = ControlKind;

std::vector<DialogTemplate> MakeTemplates()
{
    std::vector<DialogTemplate> t;
    t.push_back({kIddWizard, 451, 414, "ZolviVER.2",
                 {{kIdcPlaceholder, K::Placeholder, 0, 0, 451, 357},
                  {kIdcStep2, K::Picture, 6, 362, 226, 46},
                  {kIdcStep1, K::Picture, 6, 362, 226, 46},
                  {kIdcStep3, K::Picture, 6, 362, 226, 46},
                  {kIdcStep4, K::Picture, 6, 362, 226, 46},
                  {kIdcStep5, K::Picture, 6, 362, 226, 46},
                  {kIdcBack, K::PictureButton, 248, 372, 60, 28},
                  {kIdcNext, K::PictureButton, 314, 372, 60, 28},
                  {kIdcExit, K::PictureButton, 380, 372, 60, 28},
                  {kIdcUndo, K::PictureButton, 233, 372, 14, 13},
                  {kIdcRedo, K::PictureButton, 233, 387, 14, 13}}});
    t.push_back({kIddStart, 451, 414, "",
                 {{kIdcTitlePicture, K::Picture, 0, 0, 449, 365},
                  {kIdcNewDesign, K::PictureButton, 23, 377, 126, 30},
                  {kIdcOpenDesign, K::PictureButton, 174, 377, 126, 30},
                  {kIdcStartExit, K::PictureButton, 336, 377, 89, 30},
                  {kIdcSupport, K::PictureButton, 323, 334, 60, 22}}});
    t.push_back({kIddSelection, 451, 355, "",
                 {{kIdcHeader, K::Picture, 0, 0, 450, 36},
                  {kIdcSheetList, K::QuickList, 23, 43, 225, 264},
                  {kIdcSheetSearch, K::LineEdit, 23, 310, 160, 14, "コード・メーカー・品番で探す"},
                  {kIdcMeasureSheet, K::PushButton, 186, 309, 62, 16, "測って登録…"},
                  {kIdcSheetPicture, K::LayoutPicture, 283, 43, 160, 256},
                  {kIdcFooter, K::Picture, 0, 326, 450, 28},
                  {kIdcPickArrow, K::Picture, 254, 154, 21, 26},
                  {kIdcCheckCaption, K::Picture, 286, 305, 151, 12}}});
    AddLayoutFontTemplates(t);
    t.push_back(OrvanelTextTemplate());
    t.push_back(OrvanelPrintTemplate());
    t.push_back(ZolviTextTemplate());
    t.push_back(ZolviPrintTemplate());
    // The whole-sheet preview windows of the text pages.
    t.push_back({kIddOrvanelPreview, 174, 297, "",
                 {{kIdcOrvanelSheet, K::LayoutPicture, 6, 7, 160, 256}, {kIdOk, K::FontButton, 61, 270, 50, 20}}});
    t.push_back({kIddZolviPreview, 174, 297, "",
                 {{kIdcZolviSheet, K::LayoutPicture, 7, 7, 160, 256}, {kIdOk, K::FontButton, 62, 270, 50, 20}}});
    t.push_back({kIddConfirm, 143, 102, "文字を全てに複写",
                 {{kIdcConfirmLine1, K::Label, 7, 16, 129, 18},
                  {kIdcConfirmLine2, K::Label, 7, 37, 129, 18},
                  {kIdCancel, K::PushButton, 46, 72, 43, 23, "ｷｬﾝｾﾙ"},
                  {kIdOk, K::FontButton, 93, 72, 43, 23}}});
    t.push_back({kIddRecovery, 200, 102, "作業の復元",
                 {{kIdcConfirmLine1, K::Label, 7, 16, 186, 18},
                  {kIdcConfirmLine2, K::Label, 7, 37, 186, 18},
                  {kIdCancel, K::PushButton, 70, 72, 60, 23, "破棄する"},
                  {kIdOk, K::FontButton, 134, 72, 60, 23}}});
    t.push_back({kIddSaveMessage, 187, 108, "ご注意",
                 {{kIdcSaveMessage, K::Label, 19, 15, 143, 47},
                  {kIdCancel, K::PushButton, 77, 74, 43, 23, "ｷｬﾝｾﾙ"},
                  {kIdOk, K::FontButton, 126, 75, 43, 23}}});
    return t;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    static const std::vector<DialogTemplate> templates = MakeTemplates();
    for (const DialogTemplate& t : templates)
        if (t.id == id)
            return &t;
    return nullptr;
}

int DialogUnitsToPixels(int units)
{
    return static_cast<int>(std::lround(units * 1.5));
}

QRect DialogUnitsToPixels(int x, int y, int cx, int cy)
{
    return QRect(DialogUnitsToPixels(x), DialogUnitsToPixels(y), DialogUnitsToPixels(cx),
                 DialogUnitsToPixels(cy));
}

QRect ControlRect(const ControlTemplate& control)
{
    return DialogUnitsToPixels(control.x, control.y, control.cx, control.cy);
}
