#pragma once
// The print-position adjustment set on the print page, in 0.01 mm: dx moves the print right, dy
// moves it up. It lasts for one run of the program and is not saved with designs.
struct PrintOffsets {
    int dx = 0;
    int dy = 0;
};

inline PrintOffsets g_printOffsets;
