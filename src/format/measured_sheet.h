#pragma once
// A label sheet the user measured with a ruler: the few lengths one can measure on a sheet in
// hand, checked before they become a template.
#include "format/label_geometry.h"

#include <string>

struct MeasuredSheet {
    std::string name;       // the product's part number or the user's own name for it (UTF-8)
    std::string paperId;    // "A4", "US-Letter", … or "Other"
    double paperWidth = 210;
    double paperHeight = 297;
    int cols = 2;
    int rows = 5;
    bool roundLabels = false;  // round labels take `width` as their diameter
    double width = 90;
    double height = 50;
    double cornerRadius = 0;
    double left = 10;  // from the paper's left edge to the first label's
    double top = 10;
    double pitchX = 100;  // from one label's left edge to the next one's
    double pitchY = 55;
};

// The brand of the templates users register: their own sheets.
inline constexpr const char* kMeasuredBrand = "自作";

// What is wrong with `sheet` in the user's words (the first problem found); empty when it makes a
// sheet: every length positive, labels on the paper and apart, at most 4096 of them.
std::string MeasuredSheetProblem(const MeasuredSheet& sheet);

// The template of a measured sheet: one layout, brand kMeasuredBrand.
LabelGeometry MeasuredGeometry(const MeasuredSheet& sheet);
