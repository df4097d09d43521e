#pragma once
// One typeface at one weight: the glyphs Qt draws with, and a HarfBuzz font built from the same
// font tables so that measured and drawn glyphs always agree. Every size and rotation is derived
// from it; nothing is created while laying out or drawing.
#include "render/typefaces.h"

#include <QRawFont>
#include <QStringList>

#include <hb-ot.h>
#include <hb.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// Glyphs of one shaped run, with advances in font units. `charIndex` maps each glyph to the
// character (not byte) of the run it came from.
// Every family name the font's own name table gives, in every language it gives one in
// ("IPAGothic", "IPAゴシック").
QStringList FamilyNames(const QRawFont& raw);

struct ShapedRun {
    std::vector<quint32> glyphs;
    std::vector<double> advances;
    std::vector<int> charIndex;
    int charCount = 0;
};

class PoolFont {
public:
    // The first family of `choices` that is installed, or nothing.
    static std::unique_ptr<PoolFont> Load(const std::vector<FamilyChoice>& choices, bool bold);
    ~PoolFont();
    PoolFont(const PoolFont&) = delete;
    PoolFont& operator=(const PoolFont&) = delete;

    // Shapes a code page 932 run; `vertical` asks for the vertical glyph forms.
    ShapedRun Shape(const std::string& cp932Run, bool vertical) const;
    // The same, remembered: drawing shapes the same lines on every repaint. The result stays valid
    // until the next call.
    const ShapedRun& ShapeRemembered(const std::string& cp932Run, bool vertical) const;
    // Length of a run along its baseline, in 0.01 mm at `points`. Runs are shaped once; the
    // layout asks for every growing prefix of a line at every size it tries.
    int Extent(const std::string& cp932Run, bool vertical, int points) const;
    // Ascent plus descent, in 0.01 mm at `points`.
    int CellHeight(int points) const;
    // Ascent, in 0.01 mm at `points`.
    int Ascent(int points) const;

    double UnitsPerEm() const { return m_unitsPerEm; }
    // Font units to 0.01 mm at `points`.
    double Scale(int points) const;
    // The glyph source for drawing; pixel size in the painter's units. One font per size is kept, so
    // the glyphs Qt has rendered for it are reused by the next repaint.
    const QRawFont& RawAt(double pixelSize) const;
    // True when bold was asked for and the family has no bold face: drawing thickens the outlines.
    bool SyntheticBold() const { return m_syntheticBold; }
    QString Family() const { return m_raw.familyName(); }

private:
    PoolFont() = default;

    QRawFont m_raw;
    hb_face_t* m_hbFace = nullptr;
    hb_font_t* m_hbFont = nullptr;
    double m_unitsPerEm = 1000;
    double m_ascent = 0;
    double m_descent = 0;
    bool m_syntheticBold = false;
    mutable std::unordered_map<std::string, double> m_runAdvance[2];  // by vertical forms
    mutable std::unordered_map<std::string, ShapedRun> m_shaped[2];   // by vertical forms
    mutable std::map<double, QRawFont> m_sized;
};

// Points to the em size in 0.01 mm.
inline double EmUnits(int points) { return points * 2540.0 / 72.0; }
