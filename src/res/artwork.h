#pragma once
// The product's pictures by resource number, drawn once from one table at first use.
#include <QImage>
#include <QString>

enum class ArtKind {
    Header,      // the band at the top of every design page
    Footer,      // a band at the bottom of a page, with its wording
    Caption,     // wording on the page colour
    Button,      // a rounded button face with its wording, on the page colour
    DarkButton,  // the same on black
    Arrow,       // a grey arrow pointing right
    DownArrow,   // a grey arrow pointing down
    Canvas,      // plain white paper
    Step,        // the step indicator with one step lit
    ListImages,  // the list's strip of 24 x 24 sheet images
    Icon,        // the window icon
    Arrangement,        // a layout choice: a sticker with its text as it will read (wording: the layout mode)
    ArrangementChosen,  // the same, marked as the chosen one
    TabPlace,           // index tabs along an edge of a page (wording: "top", "side" or "bottom")
    CaptionColumn,      // wording lines ('\n' between them) spread over equal rows
    CaptionPointer,     // wording above an arrow pointing right
    CaptionCup,         // wording above a cup of coffee
    TurnButton,         // a small button face with an arrow turning back (wording "back") or on ("on")
};

struct ArtworkEntry {
    int id;
    int width, height;
    ArtKind kind;
    const char* wording;  // UTF-8; the step number for Step pictures
    unsigned accent;      // 0xRRGGBB face or text colour
};

// The table entry, or nullptr for a number the product does not have.
const ArtworkEntry* FindArtwork(int id);
// The picture (a null image for an unknown number), at the device pixel ratio of the densest
// screen: its size in device-independent pixels is the table's.
const QImage& Artwork(int id);
// Draws the picture of a table entry with `ratio` device pixels per pixel of the table.
QImage DrawArtwork(const ArtworkEntry& art, qreal ratio = 1.0);
