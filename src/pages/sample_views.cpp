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
                                        DrawOrvanelSample(painter, FrameOf(view), CSealFormat::Orvanel(), UserLineBreaks());
                                    },
                                    ViewCopy::Direct});
    RegisterLayoutView(kIdcZolviLayoutSample, {[](QPainter& painter, const ViewFrame& view) {
                                                   DrawZolviSample(painter, FrameOf(view), CSealFormat::Zolvi(), false, UserLineBreaks());
                                               },
                                               ViewCopy::Direct});
    RegisterLayoutView(kIdcZolviFontSample, {[](QPainter& painter, const ViewFrame& view) {
                                                 DrawZolviSample(painter, FrameOf(view), CSealFormat::Zolvi(), true, UserLineBreaks());
                                             },
                                             ViewCopy::Direct});
}
