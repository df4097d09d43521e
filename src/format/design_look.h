#pragma once
// The design's settings that laying out and drawing its stickers depend on. The GUI edge takes
// them from the design state once and hands them down, so layout and drawing read no global and
// a test simply builds the look it wants.

struct DesignLook {
    int layoutMode = 144;   // the layout-mode number (187, 182, ..., 149)
    int sheetType = 137;    // chooses the corner figures of fold-over sheets
    int japaneseFace = 0;   // 0 gothic, 1 mincho, 2 the user's other typeface
    int latinFace = 1;      // 0 Times New Roman, 1 Arial, 2 Courier New, 3 Impact
    bool bold = false;
    int textColour = 102;   // text colour id 102..118, for stickers without their own
    bool latinSample = false;  // the typeface samples show Latin text (a Latin face was picked last)
};
