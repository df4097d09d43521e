#include "render/line_renderer.h"

#include "render/line_geometry.h"
#include "render/pool_measurer.h"
#include "text/char_class.h"

#include <QGlyphRun>
#include <QPainterPath>

#include <cmath>

namespace {

// One character of a line, ready to be placed: its glyphs, its font and its advance along the line.
struct Cell {
    const PoolFont* font = nullptr;
    int points = 0;
    std::vector<quint32> glyphs;
    std::vector<double> offsets;  // glyph positions within the character, 0.01 mm
    double naturalWidth = 0;      // the glyphs' own advance, 0.01 mm
    int advance = 0;              // along the line, 0.01 mm
    bool upright = false;         // stands upright in a column: turned a quarter back in the line's frame
};

bool IsJapaneseClass(CharClass c) { return c == CharClass::kDoubleByte || c == CharClass::kHalfWidthKatakana; }

// Splits a line into runs of one class and shapes each with its font, one cell per character.
std::vector<Cell> ShapeLine(const std::string& line, WritingFamily family, const LineFonts& fonts,
                            const CFontPool& pool)
{
    std::vector<Cell> cells;
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
        const ShapedRun& shaped = font->ShapeRemembered(line.substr(pos, end - pos), verticalForms);
        const double scale = font->Scale(points);
        const std::size_t first = cells.size();
        cells.resize(first + static_cast<std::size_t>(shaped.charCount));
        for (std::size_t g = 0; g < shaped.glyphs.size(); ++g) {
            Cell& cell = cells[first + static_cast<std::size_t>(shaped.charIndex[g])];
            cell.glyphs.push_back(shaped.glyphs[g]);
            cell.offsets.push_back(cell.naturalWidth);
            cell.naturalWidth += shaped.advances[g] * scale;
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
    return cells;
}

void DrawGlyphs(QPainter& painter, const Cell& cell, QPointF origin)
{
    if (cell.glyphs.empty())
        return;
    const QRawFont& raw = cell.font->RawAt(EmUnits(cell.points));
    QVector<QPointF> positions;
    for (double offset : cell.offsets)
        positions.append(origin + QPointF(offset, 0));
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(QVector<quint32>(cell.glyphs.begin(), cell.glyphs.end()));
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(0, 0), run);
    if (cell.font->SyntheticBold()) {
        // Families without a bold face are thickened by stroking their outlines.
        QPainterPath outline;
        for (int i = 0; i < positions.size(); ++i)
            outline.addPath(raw.pathForGlyph(cell.glyphs[static_cast<std::size_t>(i)]).translated(positions[i]));
        painter.strokePath(outline, QPen(painter.pen().color(), EmUnits(cell.points) * 0.035));
    }
}

// Draws the cells along the x axis of the line's frame: x runs along the line from its start, y
// across it from the top of the text cell (0) to its bottom (`across`).
void DrawCells(QPainter& painter, const std::vector<Cell>& cells, int across)
{
    int x = 0;
    for (const Cell& cell : cells) {
        const double ascent = cell.font->Ascent(cell.points);
        if (!cell.upright) {
            DrawGlyphs(painter, cell, QPointF(x, ascent));
        } else {
            const double height = cell.font->CellHeight(cell.points);
            const double baseline = height > 0 ? cell.advance * ascent / height : 0;
            painter.save();
            painter.translate(x + baseline, (across + cell.naturalWidth) / 2.0);
            painter.rotate(-90);
            DrawGlyphs(painter, cell, QPointF(0, 0));
            painter.restore();
        }
        x += cell.advance;
    }
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
    std::vector<Cell> cells = ShapeLine(line, family, fonts, pool);
    std::vector<int> advances;
    for (const Cell& cell : cells)
        advances.push_back(cell.advance);
    FitAdvances(advances, stretch.end - stretch.start);
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i].advance = advances[i];

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
    DrawCells(painter, cells, across);
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
