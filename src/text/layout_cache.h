#pragma once
// Remembers each sticker's layout with everything it was computed from, so that laying out a whole
// sheet after a keystroke only redoes the sticker that changed. A hit gives exactly what laying
// out again would give.
#include "platform/rect.h"
#include "text/layout_mode.h"
#include "text/line_breaks.h"
#include "text/text_measurer.h"

#include <cstdint>
#include <string>
#include <vector>

struct LayoutInputs {
    std::string text;
    int sizeTenths = 0;
    Rect box;
    LayoutModeInfo mode;
    int japaneseFace = 0;
    int latinFace = 0;
    bool bold = false;
    LineBreaks breaks = LineBreaks::kPlain;
    std::uint64_t fontsVersion = 0;

    bool operator==(const LayoutInputs& o) const;
};

struct LayoutResult {
    std::vector<std::string> lines;
    std::vector<int> extents;
    int pitch = 0;
    int overflow = 0;
    int reducedSize = -1;  // the size written back, or -1 when the size stayed
    int japaneseSizeIndex = 0;  // the size indices the fonts ended at
    int latinSizeIndex = 0;
};

class LayoutCache {
public:
    // The result stored for sticker `index` when it was computed from `inputs`, else nullptr.
    const LayoutResult* Find(std::size_t index, const LayoutInputs& inputs) const;
    void Store(std::size_t index, LayoutInputs inputs, LayoutResult result);
    void Clear() { m_entries.clear(); }

private:
    struct Entry {
        bool valid = false;
        LayoutInputs inputs;
        LayoutResult result;
    };
    std::vector<Entry> m_entries;
};
