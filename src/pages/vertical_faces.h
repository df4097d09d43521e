#pragma once
// The typefaces offered as the design's other typeface: installed families that cover Japanese
// and can write vertically (their GSUB table has the 'vert' feature).
#include <QRawFont>
#include <QStringList>

// The Windows system faces ("ＭＳ …", "MS …") and two special-purpose faces are never offered.
bool IsOfferedFaceName(const QString& family);
bool HasVerticalForms(const QRawFont& font);
// Those of `families` that are installed under that name, are offered and have vertical forms,
// in the given order.
QStringList VerticalFaces(const QStringList& families);
// The installed Japanese families that qualify.
QStringList InstalledVerticalFaces();
