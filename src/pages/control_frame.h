#pragma once
// The frame the text and print pages draw around a control to point it out (the edit being typed
// in, the sheet picture the print offsets move).
class QPainter;
class QRectF;

// Draws the 3-pixel frame (COLORREF 0xFF0000: blue) centred on `rect`, ANDed onto what is there.
void DrawControlFrame(QPainter& painter, const QRectF& rect);
