#pragma once
// The pictures of a label sheet, drawn from its geometry, since it has no folder of pictures: the
// white paper its views are drawn on, and the numbered map of its labels for the text page.
// Both at 150 dots per inch, like the pictures of the maker's sheets.
#include "format/seal_data.h"

#include <QImage>

QImage LabelPaperPicture(const CSealData2& sheet);
// Every label outlined on the paper and numbered in its record order.
QImage LabelSheetMap(const CSealData2& sheet);
