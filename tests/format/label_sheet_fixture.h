#pragma once
// Label sheets as the label-template database gives them, for the tests of every folder.
#include "format/label_geometry.h"

// Avery L7163: A4, 2 × 7 labels of 99.1 × 38.1 mm with 2.5 mm corners.
inline LabelGeometry A4AddressLabels()
{
    LabelGeometry s;
    s.brand = "Avery";
    s.part = "L7163";
    s.description = "Address Labels";
    s.paperId = "A4";
    s.paperWidth = 210;
    s.paperHeight = 297;
    s.width = 99.1;
    s.height = 38.1;
    s.round = 2.5;
    s.layouts = {{2, 7, 4.65, 15.15, 101.6, 38.1}};
    return s;
}

// 4 × 6 round labels 40 mm across on A4.
inline LabelGeometry A4RoundLabels()
{
    LabelGeometry s = A4AddressLabels();
    s.brand = "Hisago";
    s.part = "OP 3003";
    s.description = "Round labels";
    s.shape = LabelShape::Round;
    s.width = s.height = 40;
    s.round = 0;
    s.layouts = {{4, 6, 12.5, 20.3, 47.1, 45.2}};
    return s;
}
