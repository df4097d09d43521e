#include "pages/sheet_page_views.h"

#include "controls/layout_font_static.h"
#include "controls/layout_view.h"
#include "design/seal_format.h"
#include "pages/line_break_setting.h"
#include "render/sheet_views.h"
#include "render/sticker_previews.h"
#include "res/text_print_ids.h"


namespace {

PictureFrame FrameOf(const ViewFrame& view)
{
    return PictureFrame{view.pictureSize, view.memorySize, view.clientSize, true};
}

void Notify(const std::function<void(ReducedSize)>& painted, ReducedSize reduced)
{
    if (painted)
        painted(reduced);
}

}  // namespace

void RegisterWholeSheetViews()
{
    RegisterLayoutView(kIdcOrvanelSheet, {[](QPainter& painter, const ViewFrame& view) {
                                              DrawOrvanelSheet(painter, FrameOf(view), CSealFormat::Orvanel(), CurrentLook());
                                          },
                                          ViewCopy::BorderWhenFlagged});
    RegisterLayoutView(kIdcZolviSheet, {[](QPainter& painter, const ViewFrame& view) {
                                            DrawZolviSheet(painter, FrameOf(view), CSealFormat::Zolvi(), CurrentLook());
                                        },
                                        ViewCopy::BorderWhenFlagged});
}

void RegisterTextPageViews(int kind, std::function<void(ReducedSize)> painted)
{
    if (kind == kKindZolvi) {
        RegisterLayoutView(kIdcZolviMap, {[](QPainter& painter, const ViewFrame& view) {
                                              DrawSheetMap(painter, FrameOf(view), CSealFormat::Zolvi());
                                          },
                                          ViewCopy::StretchWhenFlagged});
        RegisterLayoutView(kIdcZolviPreview, {[painted](QPainter& painter, const ViewFrame& view) {
                                                  Notify(painted,
                                                         DrawZolviPreview(painter, FrameOf(view), CSealFormat::Zolvi(), CurrentLook(), UserLineBreaks()));
                                              },
                                              ViewCopy::Direct});
        return;
    }
    RegisterLayoutView(kIdcOrvanelMap, {[](QPainter& painter, const ViewFrame& view) {
                                            DrawSheetMap(painter, FrameOf(view), CSealFormat::Orvanel());
                                        },
                                        ViewCopy::StretchWhenFlagged});
    RegisterLayoutView(kIdcOrvanelPreview, {[painted](QPainter& painter, const ViewFrame& view) {
                                                Notify(painted,
                                                       DrawOrvanelPreview(painter, FrameOf(view), CSealFormat::Orvanel(), CurrentLook(), UserLineBreaks()));
                                            },
                                            ViewCopy::Direct});
}

PictureFrame FrameOf(const CLayoutFontStatic& control)
{
    return PictureFrame{control.PictureSize(), control.MemorySize(), control.size(), true};
}
