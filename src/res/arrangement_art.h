#pragma once
// Pictures that explain how text sits on a sticker: the layout choices (writing direction,
// placement, which half of a fold-over sticker is upside down) and the index tabs along a page.
#include "res/artwork.h"

#include <QPainter>
#include <QRectF>

// The layout choice named by the entry's wording (a layout mode), framed as chosen or not.
void DrawArrangement(QPainter& painter, const ArtworkEntry& art, const QRectF& box, bool chosen);
// A page with index tabs along the edge named by the entry's wording.
void DrawTabPlace(QPainter& painter, const ArtworkEntry& art, const QRectF& box);
