#include "labels/label_element.h"

#include "format/format_blocks.h"
#include "labels/label_templates.h"
#include "labels/template_length.h"

#include <charconv>
#include <cmath>

namespace {

// nx or ny of a layout: one when left out.
std::optional<int> LabelCountAttribute(const std::optional<std::string>& attribute)
{
    if (!attribute)
        return 1;
    int count = 0;
    const char* end = attribute->data() + attribute->size();
    const auto [stop, error] = std::from_chars(attribute->data(), end, count);
    if (error != std::errc() || stop != end || count < 1)
        return std::nullopt;
    return count;
}

std::optional<LabelLayout> ReadLayout(const GuardedXml& xml)
{
    const std::optional<int> nx = LabelCountAttribute(xml.Attribute(u"nx"));
    const std::optional<int> ny = LabelCountAttribute(xml.Attribute(u"ny"));
    const std::optional<double> x0 = NonNegativeLength(xml.Attribute(u"x0"));
    const std::optional<double> y0 = NonNegativeLength(xml.Attribute(u"y0"));
    const std::optional<double> dx = NonNegativeLength(xml.Attribute(u"dx"));
    const std::optional<double> dy = NonNegativeLength(xml.Attribute(u"dy"));
    if (!nx || !ny || !x0 || !y0 || !dx || !dy)
        return std::nullopt;
    return LabelLayout{*nx, *ny, *x0, *y0, *dx, *dy};
}

bool ReadRectangle(const GuardedXml& xml, LabelGeometry& sheet)
{
    const std::optional<double> width = PositiveLength(xml.Attribute(u"width"));
    const std::optional<double> height = PositiveLength(xml.Attribute(u"height"));
    const std::optional<double> round = NonNegativeLength(xml.Attribute(u"round"));
    // Older files give one "waste" for both directions.
    const std::optional<double> waste = NonNegativeLength(xml.Attribute(u"waste"));
    if (!width || !height || !round || !waste)
        return false;
    const std::optional<double> xWaste = NonNegativeLength(xml.Attribute(u"x_waste"), *waste);
    const std::optional<double> yWaste = NonNegativeLength(xml.Attribute(u"y_waste"), *waste);
    if (!xWaste || !yWaste)
        return false;
    sheet.shape = LabelShape::Rectangle;
    sheet.width = *width;
    sheet.height = *height;
    sheet.round = *round;
    sheet.xWaste = *xWaste;
    sheet.yWaste = *yWaste;
    return true;
}

// A round label or an ellipse: its size, and one waste all around.
bool ReadRoundShape(const GuardedXml& xml, LabelShape shape, LabelGeometry& sheet)
{
    std::optional<double> width;
    std::optional<double> height;
    if (shape == LabelShape::Round) {
        const std::optional<double> radius = PositiveLength(xml.Attribute(u"radius"));
        if (radius && std::isfinite(2 * *radius))
            width = height = 2 * *radius;
    } else {
        width = PositiveLength(xml.Attribute(u"width"));
        height = PositiveLength(xml.Attribute(u"height"));
    }
    const std::optional<double> waste = NonNegativeLength(xml.Attribute(u"waste"));
    if (!width || !height || !waste)
        return false;
    sheet.shape = shape;
    sheet.width = *width;
    sheet.height = *height;
    sheet.round = 0;
    sheet.xWaste = sheet.yWaste = *waste;
    return true;
}

// CD labels, with their hole, and shapes this program does not know are not read.
bool ReadShape(const GuardedXml& xml, LabelGeometry& sheet)
{
    if (xml.Name() == u"Label-rectangle")
        return ReadRectangle(xml, sheet);
    if (xml.Name() == u"Label-round")
        return ReadRoundShape(xml, LabelShape::Round, sheet);
    if (xml.Name() == u"Label-ellipse")
        return ReadRoundShape(xml, LabelShape::Ellipse, sheet);
    return false;
}

bool FitsOneSheet(const std::vector<LabelLayout>& layouts)
{
    long long labels = 0;
    for (const LabelLayout& layout : layouts) {
        const long long count = PieceCount(layout.ny, layout.nx);
        if (count < 0)
            return false;
        labels += count;
    }
    return labels <= kMaxPieces;
}

bool ReadLayouts(GuardedXml& xml, LabelGeometry& sheet)
{
    sheet.layouts.clear();
    int count = 0;
    bool allRead = true;
    while (xml.NextChild()) {
        if (xml.Name() == u"Layout") {
            if (++count > kMaxLayoutsPerTemplate) {
                xml.Fail(QStringLiteral("more than %1 layouts in a template").arg(kMaxLayoutsPerTemplate));
                return false;
            }
            const std::optional<LabelLayout> layout = ReadLayout(xml);
            if (layout)
                sheet.layouts.push_back(*layout);
            allRead = allRead && layout;
        }
        xml.SkipElement();  // markup: the lines and margins drawn on a label
    }
    return allRead && !sheet.layouts.empty() && FitsOneSheet(sheet.layouts);
}

}  // namespace

bool IsLabelElement(QStringView name)
{
    return name.startsWith(u"Label-");
}

bool ReadLabelElement(GuardedXml& xml, LabelGeometry& sheet)
{
    // The attributes belong to the current token: the shape is read before the layouts inside.
    const bool shapeRead = ReadShape(xml, sheet);
    const bool layoutsRead = ReadLayouts(xml, sheet);
    return shapeRead && layoutsRead;
}
