#include "pages/sample_views.h"

#include "controls/layout_view.h"
#include "design/seal_format.h"
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
                                        DrawOrvanelSample(painter, FrameOf(view), CSealFormat::Orvanel());
                                    },
                                    ViewCopy::Direct});
    RegisterLayoutView(kIdcZolviLayoutSample, {[](QPainter& painter, const ViewFrame& view) {
                                                   DrawZolviSample(painter, FrameOf(view), CSealFormat::Zolvi(), false);
                                               },
                                               ViewCopy::Direct});
    RegisterLayoutView(kIdcZolviFontSample, {[](QPainter& painter, const ViewFrame& view) {
                                                 DrawZolviSample(painter, FrameOf(view), CSealFormat::Zolvi(), true);
                                             },
                                             ViewCopy::Direct});
}
