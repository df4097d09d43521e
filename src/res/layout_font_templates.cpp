#include "res/layout_font_templates.h"

#include "res/resource_ids.h"

namespace {

using K = ControlKind;

// Titled frames carry no command; they only need ids of their own within their template.
constexpr int kFirstFrameId = 1201;

DialogTemplate PageWithStrips(int id, int footer)
{
    return {id, 451, 355, "", PageStrips(footer)};
}

void AddAll(DialogTemplate& page, std::vector<ControlTemplate> controls)
{
    page.controls.insert(page.controls.end(), controls.begin(), controls.end());
}

DialogTemplate OrvanelLayoutPage()
{
    DialogTemplate page = PageWithStrips(kIddOrvanelLayout, kBmpFooterLayout);
    AddAll(page, {{kFirstFrameId, K::GroupBox, 36, 40, 80, 268, "縦置き"},
                  {kFirstFrameId + 1, K::GroupBox, 121, 40, 80, 268, "横置き"},
                  {kFirstFrameId + 2, K::GroupBox, 2, 54, 205, 124, "縦書き"},
                  {kFirstFrameId + 3, K::GroupBox, 2, 182, 205, 124, "横書き"},
                  {4022, K::ImageButton, 45, 66, 64, 106},
                  {4023, K::ImageButton, 130, 66, 64, 106},
                  {4020, K::ImageButton, 45, 194, 64, 106},
                  {4021, K::ImageButton, 130, 194, 64, 106},
                  {kIdcFrameCaption, K::Picture, 219, 41, 75, 18, "", kBmpFrameCaption},
                  {kIdcPrintFrame, K::CheckBox, 231, 66, 42, 10, "枠を印刷"},
                  {kIdcFrameWarning, K::Picture, 283, 63, 55, 45, "", kBmpFrameWarning},
                  {kIdcFrameColour, K::FontButton, 231, 85, 45, 22},
                  {kIdcColourHint, K::Picture, 230, 107, 85, 46, "", kBmpColourHint},
                  {kIdcSampleArrow, K::Picture, 339, 129, 22, 24, "", kBmpSampleArrow},
                  {kIdcKinsoku, K::CheckBox, 219, 312, 110, 10, "禁則処理・単語で改行"},
                  {kIdcSample, K::LayoutPicture, 272, 158, 162, 139},
                  {kIdcSampleCaption, K::Picture, 309, 299, 83, 25, "", kBmpSampleCaption}});
    return page;
}

DialogTemplate ZolviLayoutPage()
{
    DialogTemplate page = PageWithStrips(kIddZolviLayout, kBmpFooterLayout);
    AddAll(page, {{kFirstFrameId, K::GroupBox, 96, 36, 68, 286, "両面同じ文字"},
                  {kFirstFrameId + 1, K::GroupBox, 171, 36, 68, 286, "両面異なる文字"},
                  {kFirstFrameId + 2, K::GroupBox, 4, 43, 240, 180, "横書き"},
                  {kFirstFrameId + 3, K::GroupBox, 4, 224, 240, 95, "縦書き"},
                  {kIdcTabTop, K::Picture, 10, 63, 84, 62, "", kBmpTabTop},
                  {kIdcTabBottom, K::Picture, 10, 147, 84, 62, "", kBmpTabBottom},
                  {kIdcTabSide, K::Picture, 10, 242, 84, 62, "", kBmpTabSide},
                  {1027, K::ImageButton, 103, 55, 54, 79},
                  {1028, K::ImageButton, 178, 55, 54, 79},
                  {1029, K::ImageButton, 103, 139, 54, 79},
                  {1030, K::ImageButton, 178, 139, 54, 79},
                  {1025, K::ImageButton, 103, 234, 54, 79},
                  {1026, K::ImageButton, 178, 234, 54, 79},
                  {kIdcFrameCaption, K::Picture, 335, 39, 75, 18, "", kBmpFrameCaption},
                  {kIdcPrintFrame, K::CheckBox, 338, 60, 42, 10, "枠を印刷"},
                  {kIdcZolviFrameWarning, K::Picture, 386, 57, 57, 47, "", kBmpZolviFrameWarning},
                  {kIdcFrameColour, K::FontButton, 338, 79, 45, 22},
                  {kIdcColourHint, K::Picture, 337, 108, 85, 46, "", kBmpColourHint},
                  {kIdcSampleArrow, K::Picture, 370, 159, 22, 24, "", kBmpSampleArrow},
                  {kIdcKinsoku, K::CheckBox, 252, 312, 110, 10, "禁則処理・単語で改行"},
                  {kIdcZolviLayoutSample, K::LayoutPicture, 327, 186, 108, 106},
                  {kIdcSampleCaption, K::Picture, 343, 294, 83, 25, "", kBmpSampleCaption}});
    return page;
}

// The sixteen text colours in their grid: button ids by row, three to a row.
constexpr int kColourGrid[6][3] = {{1039, 1040, 1044}, {1041, 1042, 1043}, {1046, 1047, 1051},
                                   {1048, 1049, 1050}, {1053, 1052, 1055}, {1054, 0, 0}};

std::vector<ControlTemplate> ColourGrid(int left, int top)
{
    std::vector<ControlTemplate> buttons;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 3; ++column)
            if (const int id = kColourGrid[row][column])
                // The last row stands one unit lower than the others' spacing.
                buttons.push_back({id, K::FontButton, left + 36 * column, top + 27 * row + (row == 5 ? 1 : 0), 32, 23});
    return buttons;
}

// The seven typeface buttons from the top, and the names beside them.
std::vector<ControlTemplate> FaceColumn(int left, int otherLeft, int namesLeft)
{
    std::vector<ControlTemplate> controls;
    const int ids[] = {3034, 3033, 3035, 3036, 3037, 3038};
    for (int i = 0; i < 6; ++i)
        controls.push_back({ids[i], K::FontButton, left, 77 + 33 * i, 64, 23});
    controls.push_back({kIdcOtherFace, K::FontButton, otherLeft, 275, 64, 23});
    controls.push_back({kIdcFaceNames, K::Picture, namesLeft, 72, 78, 231, "", kBmpFaceNames});
    return controls;
}

DialogTemplate FontPage(int id, int facesLeft, int otherLeft, int gridLeft, int gridTop)
{
    DialogTemplate page = PageWithStrips(id, kBmpFooterFont);
    AddAll(page, {{kIdcFaceTitle, K::Picture, facesLeft - 3, 42, 150, 28, "", kBmpFaceTitle},
                  {kIdcColourTitle, K::Picture, gridLeft - 3, 42, 116, 28, "", kBmpColourTitle}});
    AddAll(page, FaceColumn(facesLeft, otherLeft, facesLeft + 66));
    AddAll(page, ColourGrid(gridLeft, gridTop));
    AddAll(page, {{kIdcBold, K::FontButton, 168, 254, 48, 44}});
    return page;
}

DialogTemplate OrvanelFontPage()
{
    DialogTemplate page = FontPage(kIddOrvanelFont, 7, 7, 155, 76);
    AddAll(page, {{kIdcSampleArrow, K::Picture, 339, 129, 22, 24, "", kBmpSampleArrow},
                  {kIdcKinsoku, K::CheckBox, 219, 312, 110, 10, "禁則処理・単語で改行"},
                  {kIdcSample, K::LayoutPicture, 272, 158, 162, 139},
                  {kIdcSampleCaption, K::Picture, 309, 299, 83, 25, "", kBmpSampleCaption}});
    return page;
}

DialogTemplate ZolviFontPage()
{
    DialogTemplate page = FontPage(kIddZolviFont, 19, 18, 195, 79);
    AddAll(page, {{kIdcSampleArrow, K::Picture, 370, 165, 22, 24, "", kBmpSampleArrow},
                  {kIdcZolviFontSample, K::LayoutPicture, 327, 192, 108, 106},
                  {kIdcSampleCaption, K::Picture, 343, 300, 83, 25, "", kBmpSampleCaption}});
    return page;
}

DialogTemplate FontColourDialog()
{
    DialogTemplate dialog{kIddFontColour, 131, 190, "文字の色を変える", {}};
    struct Place {
        int id, x, y;
    };
    const Place places[] = {{1039, 11, 9},   {1040, 49, 9},   {1044, 88, 9},   {1041, 11, 36},  {1042, 49, 36},
                            {1043, 88, 36},  {1046, 11, 63},  {1047, 49, 62},  {1051, 88, 62},  {1048, 11, 90},
                            {1049, 49, 89},  {1050, 88, 89},  {1053, 11, 117}, {1052, 49, 117}, {1055, 88, 117},
                            {1054, 11, 145}, {kIdcNoFrame, 49, 145}};
    for (const Place& place : places)
        dialog.controls.push_back({place.id, K::FontButton, place.x, place.y, 32, 23});
    AddAll(dialog, {{kIdCancel, K::PushButton, 88, 145, 32, 23, "ｷｬﾝｾﾙ"},
                    {kIdcNoFrameHint, K::Label, 7, 172, 117, 11}});
    return dialog;
}

DialogTemplate OtherFacesDialog()
{
    // The list's rectangle is its closed height; it drops down below.
    return {kIddOtherFaces, 217, 118, "その他の書体",
            {{kIdcFaceCaption, K::Label, 18, 13, 171, 18},
             {kIdcFaceList, K::ComboBox, 17, 35, 168, 14},
             {kIdcFaceSample, K::Label, 17, 60, 137, 33},
             {kIdCancel, K::PushButton, 166, 56, 43, 23, "ｷｬﾝｾﾙ"},
             {kIdOk, K::FontButton, 167, 87, 43, 23}}};
}

}  // namespace

void AddLayoutFontTemplates(std::vector<DialogTemplate>& templates)
{
    templates.push_back(OrvanelLayoutPage());
    templates.push_back(OrvanelFontPage());
    templates.push_back(ZolviLayoutPage());
    templates.push_back(ZolviFontPage());
    templates.push_back(FontColourDialog());
    templates.push_back(OtherFacesDialog());
}
