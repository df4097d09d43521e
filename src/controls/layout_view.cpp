#include "controls/layout_view.h"

#include <map>

namespace {
std::map<int, LayoutView>& Views()
{
    static std::map<int, LayoutView> views;
    return views;
}
}  // namespace

void RegisterLayoutView(int controlId, LayoutView view)
{
    Views()[controlId] = std::move(view);
}

LayoutView FindLayoutView(int controlId)
{
    auto found = Views().find(controlId);
    if (found == Views().end())
        return {nullptr, ViewCopy::StretchWhenFlagged};
    return found->second;
}
