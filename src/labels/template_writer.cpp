#include "labels/label_templates.h"
#include "labels/template_length.h"

#include <QByteArray>
#include <QXmlStreamWriter>

namespace {

void WriteAttribute(QXmlStreamWriter& xml, const char* name, const std::string& value)
{
    xml.writeAttribute(QString::fromLatin1(name), QString::fromStdString(value));
}

void WriteLength(QXmlStreamWriter& xml, const char* name, double millimetres)
{
    WriteAttribute(xml, name, FormatTemplateLength(millimetres));
}

void WritePaper(QXmlStreamWriter& xml, const LabelGeometry& sheet)
{
    const std::string id = sheet.paperId.empty() ? "Other" : sheet.paperId;
    WriteAttribute(xml, "size", id);
    if (id == "Other") {
        WriteLength(xml, "width", sheet.paperWidth);
        WriteLength(xml, "height", sheet.paperHeight);
    }
}

void WriteShape(QXmlStreamWriter& xml, const LabelGeometry& sheet)
{
    switch (sheet.shape) {
    case LabelShape::Rectangle:
        xml.writeStartElement(QStringLiteral("Label-rectangle"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        WriteLength(xml, "width", sheet.width);
        WriteLength(xml, "height", sheet.height);
        WriteLength(xml, "round", sheet.round);
        WriteLength(xml, "x_waste", sheet.xWaste);
        WriteLength(xml, "y_waste", sheet.yWaste);
        break;
    case LabelShape::Round:
        xml.writeStartElement(QStringLiteral("Label-round"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        WriteLength(xml, "radius", sheet.width / 2);
        WriteLength(xml, "waste", sheet.xWaste);
        break;
    case LabelShape::Ellipse:
        xml.writeStartElement(QStringLiteral("Label-ellipse"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        WriteLength(xml, "width", sheet.width);
        WriteLength(xml, "height", sheet.height);
        WriteLength(xml, "waste", sheet.xWaste);
        break;
    }
}

void WriteLayout(QXmlStreamWriter& xml, const LabelLayout& layout)
{
    xml.writeEmptyElement(QStringLiteral("Layout"));
    WriteAttribute(xml, "nx", std::to_string(layout.nx));
    WriteAttribute(xml, "ny", std::to_string(layout.ny));
    WriteLength(xml, "x0", layout.x0);
    WriteLength(xml, "y0", layout.y0);
    WriteLength(xml, "dx", layout.dx);
    WriteLength(xml, "dy", layout.dy);
}

}  // namespace

std::string WriteTemplateXml(const LabelGeometry& sheet)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Glabels-templates"));
    xml.writeDefaultNamespace(QStringLiteral("http://glabels.org/xmlns/3.0/"));
    xml.writeStartElement(QStringLiteral("Template"));
    WriteAttribute(xml, "brand", sheet.brand);
    WriteAttribute(xml, "part", sheet.part);
    WritePaper(xml, sheet);
    WriteAttribute(xml, "description", sheet.description);
    xml.writeEmptyElement(QStringLiteral("Meta"));
    xml.writeAttribute(QStringLiteral("category"), QStringLiteral("label"));
    WriteShape(xml, sheet);
    for (const LabelLayout& layout : sheet.layouts)
        WriteLayout(xml, layout);
    xml.writeEndDocument();
    return bytes.toStdString();
}
