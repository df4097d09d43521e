#pragma once
// The views a CLayoutFontStatic can show, chosen by its control id. The drawing routines live
// below the controls; the program plugs them in here at start.
#include <QImage>
#include <QPainter>
#include <QSize>

#include <functional>

struct ViewFrame {
    int controlId = 0;
    QSize pictureSize;  // the loaded picture in its own pixels (150 dots per inch)
    QSize memorySize;   // the memory picture in screen pixels
    QSize clientSize;   // the control's client area
    bool display = false;
    const QImage* background = nullptr;  // the background as the memory picture got it
};

// How the memory picture reaches the window.
enum class ViewCopy {
    Direct,             // 1:1 from the top-left corner, whatever the display flag
    StretchWhenFlagged, // with the display flag: stretched over the client area
    BorderWhenFlagged,  // with the display flag: 1:1, then a black 1-pixel border
};

// `draw` paints over the memory picture, which already holds the background picture; it may be
// empty (background only).
struct LayoutView {
    std::function<void(QPainter&, const ViewFrame&)> draw;
    ViewCopy copy = ViewCopy::Direct;
};

void RegisterLayoutView(int controlId, LayoutView view);
// The view of a control id; ids without one show their background only, stretched when flagged.
LayoutView FindLayoutView(int controlId);
