#pragma once
// A label sheet of the open label-template database, or one the user measured by hand: its
// paper, the shape of its labels and where they lie. Lengths in millimetres as the template
// gives them (converted from its unit), so that every label's place is rounded once, at the end.
#include <string>
#include <vector>

enum class LabelShape { Rectangle, Round, Ellipse };

// One block of equally spaced labels: nx across, ny down, the first at (x0, y0) from the paper's
// top-left corner, the next ones dx and dy further on.
struct LabelLayout {
    int nx = 0;
    int ny = 0;
    double x0 = 0;
    double y0 = 0;
    double dx = 0;
    double dy = 0;
};

struct LabelGeometry {
    std::string brand;        // UTF-8, as the template file holds it ("Avery")
    std::string part;         // "L7163"
    std::string description;  // "Address Labels"
    std::string equivOf;      // the part whose geometry this product takes; empty for its own
    std::string paperId;      // "A4", "US-Letter", … or "Other"
    double paperWidth = 0;    // portrait, as the template gives the paper
    double paperHeight = 0;
    LabelShape shape = LabelShape::Rectangle;
    double width = 0;   // a round label: twice its radius, in both
    double height = 0;
    double round = 0;   // corner radius of a rectangle
    double xWaste = 0;  // bleed around each label, which the template allows for
    double yWaste = 0;
    std::vector<LabelLayout> layouts;

    int LabelCount() const
    {
        long long count = 0;
        for (const LabelLayout& layout : layouts)
            count += static_cast<long long>(layout.nx) * layout.ny;
        return static_cast<int>(count);
    }
};
