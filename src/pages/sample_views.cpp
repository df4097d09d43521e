#include "pages/sample_views.h"

#include "controls/layout_view.h"
#include "design/seal_format.h"
#include "pages/line_break_setting.h"
#include "render/sticker_previews.h"
#include "res/resource_ids.h"

namespace {

PictureFrame FrameOf(const ViewFrame& view)
{
    return PictureFrame{view.pictureSize, view.memorySize, view.clientSize, true};
}

}  // namespace

void RegisterSampleViews()
{
    RegisterLayoutView(kIdcSample, {[](QPainter& painter, const ViewFrame& view) {
                                        // Showing the Orvanel sample has always set the sheet type back to the first family.
                                        CSealFormat::s_nOldSheetType = 137;
                                        DrawOrvanelSample(painter, FrameOf(view), CSealFormat::Orvanel(), CurrentLook(), UserLineBreaks());
                                    },
                                    ViewCopy::Direct});
    RegisterLayoutView(kIdcZolviLayoutSample, {[](QPainter& painter, const ViewFrame& view) {
                                                   DrawZolviSample(painter, FrameOf(view), CSealFormat::Zolvi(), CurrentLook(), false, UserLineBreaks());
                                               },
                                               ViewCopy::Direct});
    RegisterLayoutView(kIdcZolviFontSample, {[](QPainter& painter, const ViewFrame& view) {
                                                 DrawZolviSample(painter, FrameOf(view), CSealFormat::Zolvi(), CurrentLook(), true, UserLineBreaks());
                                             },
                                             ViewCopy::Direct});
}
