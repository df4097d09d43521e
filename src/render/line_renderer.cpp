#include "render/line_renderer.h"

#include "render/line_geometry.h"
#include "render/pool_measurer.h"
#include "text/char_class.h"

#include <QGlyphRun>
#include <QPainterPath>

#include <cmath>

namespace {

// One character of a line, ready to be placed: its glyphs (a range of the line's), its font and its
// advance along the line.
struct Cell {
    const PoolFont* font = nullptr;
    int points = 0;
    std::size_t firstGlyph = 0;
    std::size_t glyphCount = 0;
    double naturalWidth = 0;  // the glyphs' own advance, 0.01 mm
    int advance = 0;          // along the line, 0.01 mm
    bool upright = false;     // stands upright in a column: turned a quarter back in the line's frame
};

// The shaped characters of one line; every cell's glyphs and their positions within the character
// (0.01 mm) lie side by side in `glyphs` and `offsets`.
struct ShapedLine {
    std::vector<Cell> cells;
    std::vector<quint32> glyphs;
    std::vector<double> offsets;
};

bool IsJapaneseClass(CharClass c) { return c == CharClass::kDoubleByte || c == CharClass::kHalfWidthKatakana; }

// Splits a line into runs of one class and shapes each with its font, one cell per character.
ShapedLine ShapeLine(const std::string& line, WritingFamily family, const LineFonts& fonts, const CFontPool& pool)
{
    ShapedLine shaped;
    std::vector<Cell>& cells = shaped.cells;
    const bool verticalWriting = family == WritingFamily::kVertical;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const CharClass runClass = ClassifyChar(line, pos, family);
        std::size_t end = pos;
        while (end < line.size() && ClassifyChar(line, end, family) == runClass)
            end += runClass == CharClass::kControl ? 1 : CharBytes(ClassifyChar(line, end, family));
        if (runClass == CharClass::kControl) {
            pos = end;
            continue;
        }
        const bool japanese = IsJapaneseClass(runClass);
        const PoolFont* font = japanese ? JapaneseFontFor(pool, fonts.japanese.face, fonts.japanese.bold)
                                        : LatinFontFor(pool, fonts.latin.face, fonts.latin.bold);
        const int points = pool.PointsAt(japanese ? fonts.japanese.sizeIndex : fonts.latin.sizeIndex);
        if (!font) {
            pos = end;
            continue;
        }
        const bool verticalForms = verticalWriting && runClass == CharClass::kDoubleByte;
        const bool upright = verticalWriting && runClass != CharClass::kBracket;
        const bool oneCellEach = verticalWriting && !verticalForms && runClass != CharClass::kBracket;
        const ShapedRun& run = font->ShapeRemembered(line.substr(pos, end - pos), verticalForms);
        const double scale = font->Scale(points);
        const std::size_t first = cells.size();
        cells.resize(first + static_cast<std::size_t>(run.charCount));
        // Glyphs come in character order (monotone clusters), so each cell's glyphs are consecutive.
        for (std::size_t g = 0; g < run.glyphs.size(); ++g) {
            Cell& cell = cells[first + static_cast<std::size_t>(run.charIndex[g])];
            if (cell.glyphCount == 0)
                cell.firstGlyph = shaped.glyphs.size();
            ++cell.glyphCount;
            shaped.glyphs.push_back(run.glyphs[g]);
            shaped.offsets.push_back(cell.naturalWidth);
            cell.naturalWidth += run.advances[g] * scale;
        }
        for (std::size_t i = first; i < cells.size(); ++i) {
            Cell& cell = cells[i];
            cell.font = font;
            cell.points = points;
            cell.upright = upright;
            cell.advance = oneCellEach ? font->CellHeight(points) : static_cast<int>(std::lround(cell.naturalWidth));
        }
        pos = end;
    }
    return shaped;
}

// Consecutive characters of one font, size and direction, drawn as one glyph run. Upright
// characters are placed in the line's frame turned a quarter back, the others in the line's frame.
class GlyphBatch {
public:
    // A thickened face strokes each character's outline right after its glyphs, so that outlines
    // and neighbouring glyphs blend in the same order as ever: such characters go one by one.
    bool Takes(const Cell& cell) const
    {
        return m_font && cell.font == m_font && cell.points == m_points && cell.upright == m_upright &&
               !cell.font->SyntheticBold();
    }
    void Start(const Cell& cell)
    {
        m_font = cell.font;
        m_points = cell.points;
        m_upright = cell.upright;
        m_glyphs.clear();
        m_positions.clear();
    }
    void Add(const ShapedLine& line, const Cell& cell, QPointF origin)
    {
        for (std::size_t g = cell.firstGlyph; g < cell.firstGlyph + cell.glyphCount; ++g) {
            m_glyphs.append(line.glyphs[g]);
            m_positions.append(origin + QPointF(line.offsets[g], 0));
        }
    }
    void Draw(QPainter& painter);

private:
    const PoolFont* m_font = nullptr;
    int m_points = 0;
    bool m_upright = false;
    QVector<quint32> m_glyphs;
    QVector<QPointF> m_positions;
};

void GlyphBatch::Draw(QPainter& painter)
{
    if (!m_font || m_glyphs.isEmpty())
        return;
    const QRawFont& raw = m_font->RawAt(EmUnits(m_points));
    if (m_upright) {
        painter.save();
        painter.rotate(-90);
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(m_glyphs);
    run.setPositions(m_positions);
    painter.drawGlyphRun(QPointF(0, 0), run);
    if (m_font->SyntheticBold()) {
        // Families without a bold face are thickened by stroking their outlines.
        QPainterPath outline;
        for (int i = 0; i < m_positions.size(); ++i)
            outline.addPath(raw.pathForGlyph(m_glyphs[i]).translated(m_positions[i]));
        painter.strokePath(outline, QPen(painter.pen().color(), EmUnits(m_points) * 0.035));
    }
    if (m_upright)
        painter.restore();
    m_font = nullptr;
}

// Draws the cells along the x axis of the line's frame: x runs along the line from its start, y
// across it from the top of the text cell (0) to its bottom (`across`).
void DrawCells(QPainter& painter, const ShapedLine& line, int across)
{
    GlyphBatch batch;
    int x = 0;
    for (const Cell& cell : line.cells) {
        if (cell.glyphCount > 0) {
            if (!batch.Takes(cell)) {
                batch.Draw(painter);
                batch.Start(cell);
            }
            const double ascent = cell.font->Ascent(cell.points);
            if (!cell.upright) {
                batch.Add(line, cell, QPointF(x, ascent));
            } else {
                // The character's own frame would be the line's moved to (along, across) and turned
                // a quarter back; in the turned line frame that corner lies at (-across, along).
                const double height = cell.font->CellHeight(cell.points);
                const double baseline = height > 0 ? cell.advance * ascent / height : 0;
                batch.Add(line, cell, QPointF(-(across + cell.naturalWidth) / 2.0, x + baseline));
            }
        }
        x += cell.advance;
    }
    batch.Draw(painter);
}

}  // namespace

void DrawTextLine(QPainter& painter, WritingFamily family, const Rect& lineBox, const std::string& line, int extent,
                  const LineFonts& fonts, int type, int alignAlong, const DeviceOffsets& device,
                  const CFontPool& pool)
{
    if (type < 0 || type > 3)
        return;
    Rect box = lineBox;
    if (device.printer) {
        box.left += device.dx;
        box.right += device.dx;
        box.top -= device.dy;
        box.bottom -= device.dy;
    }
    const PoolFont* reference = JapaneseFontFor(pool, fonts.japanese.face, fonts.japanese.bold);
    if (!reference)
        return;
    const int refPoints = pool.PointsAt(fonts.japanese.sizeIndex);
    const int refHeight = reference->CellHeight(refPoints);
    // Columns of vertical writing are as wide as the reference character's advance.
    const int refAdvance = reference->Extent("\x8A\xBF", true, refPoints);  // "漢"
    const bool acrossIsX = type == 1 || type == 3;
    const int across = acrossIsX && family == WritingFamily::kVertical ? refAdvance : refHeight;

    const Stretch stretch = AlignStretch(box, type, extent, alignAlong);
    ShapedLine shaped = ShapeLine(line, family, fonts, pool);
    std::vector<int> advances;
    advances.reserve(shaped.cells.size());
    for (const Cell& cell : shaped.cells)
        advances.push_back(cell.advance);
    FitAdvances(advances, stretch.end - stretch.start);
    for (std::size_t i = 0; i < shaped.cells.size(); ++i)
        shaped.cells[i].advance = advances[i];

    const Rect narrowed = NarrowAcross(box, type, across);
    const int mid = (box.top + box.bottom) / 2;
    QPointF origin;
    switch (type) {
    case 0:
        origin = QPointF(stretch.start, mid - across / 2);
        break;
    case 1:
        origin = QPointF(narrowed.right, stretch.start);
        break;
    case 2:
        origin = QPointF(stretch.end, mid + across / 2);
        break;
    default:
        origin = QPointF(narrowed.left, stretch.end);
        break;
    }
    painter.save();
    painter.translate(origin);
    painter.rotate(90.0 * type);
    DrawCells(painter, shaped, across);
    painter.restore();
}

void DrawTextBlock(QPainter& painter, WritingFamily family, const Rect& area, const std::vector<std::string>& lines,
                   const std::vector<int>& extents, int pitch, const LineFonts& fonts, int type, LineAlignment align,
                   const DeviceOffsets& device, const CFontPool& pool)
{
    if (type < 0 || type > 3 || (family == WritingFamily::kVertical && type == 3))
        return;
    const int n = static_cast<int>(extents.size());
    const std::vector<Rect> boxes = LineBoxes(area, n, pitch, type, align.stack);
    for (int i = 0; i < n; ++i) {
        const int index = LastLineFirst(type) ? n - 1 - i : i;
        if (index >= static_cast<int>(lines.size()))
            continue;
        DrawTextLine(painter, family, boxes[static_cast<std::size_t>(i)], lines[static_cast<std::size_t>(index)],
                     extents[static_cast<std::size_t>(index)], fonts, type, align.along, device, pool);
    }
}
