#pragma once
// Which way sticker text is written, and along which axis of the text area its lines run.

enum class WritingFamily { kHorizontal, kVertical };

// Rows run along x, columns along y.
enum class LineAxis { kX, kY };

// A Japanese font turned an odd number of quarter turns writes along y.
inline LineAxis AxisOfRotation(int rotation) { return rotation % 2 == 0 ? LineAxis::kX : LineAxis::kY; }
