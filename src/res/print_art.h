#pragma once
// Captions of the print pages that carry a drawing: one points at the sheet picture, one ends the
// wizard with a cup of coffee.
#include "res/artwork.h"

#include <QPainter>
#include <QRectF>

// The wording above an arrow that points right, towards the sheet.
void DrawPointerCaption(QPainter& painter, const ArtworkEntry& art, const QRectF& box);
// The wording above a steaming cup.
void DrawCupCaption(QPainter& painter, const ArtworkEntry& art, const QRectF& box);
