#pragma once
// The print offsets as the print page's edits show them: millimetres with one decimal.
#include <QString>

// The offset in 0.01 mm an edit's text stands for, rounded to the nearest (so "2.3" is 230, not
// the 229 its binary value would truncate to); 0 for a text that is no number.
int OffsetFromText(const QString& millimetres);
