#pragma once
// Small template files and the papers they name, for the label-template tests.
#include "labels/label_templates.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

inline const std::vector<PaperSize> kPapers = {{"A4", 210, 297}, {"US-Letter", 215.9, 279.4}};

// Templates (or anything else) inside the root element of a template file.
inline std::string TemplateFile(const std::string& body)
{
    return "<?xml version=\"1.0\"?>\n<Glabels-templates>\n" + body + "</Glabels-templates>\n";
}

// A usable A4 template of ten 50 x 20 mm rectangles.
inline std::string PlainTemplate(const std::string& brand, const std::string& part)
{
    return "<Template brand=\"" + brand + "\" part=\"" + part +
           "\" size=\"A4\" _description=\"Plain\">"
           "<Label-rectangle id=\"0\" width=\"50mm\" height=\"20mm\">"
           "<Layout nx=\"2\" ny=\"5\" x0=\"10mm\" y0=\"10mm\" dx=\"60mm\" dy=\"25mm\"/>"
           "</Label-rectangle></Template>\n";
}

inline TemplateFileResult ReadTemplates(const std::string& body, const std::vector<LabelGeometry>& known = {})
{
    return ReadTemplateBytes(TemplateFile(body), kPapers, known);
}

inline void ExpectSameLayouts(const std::vector<LabelLayout>& a, const std::vector<LabelLayout>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].nx, b[i].nx) << "layout " << i;
        EXPECT_EQ(a[i].ny, b[i].ny) << "layout " << i;
        EXPECT_EQ(a[i].x0, b[i].x0) << "layout " << i;
        EXPECT_EQ(a[i].y0, b[i].y0) << "layout " << i;
        EXPECT_EQ(a[i].dx, b[i].dx) << "layout " << i;
        EXPECT_EQ(a[i].dy, b[i].dy) << "layout " << i;
    }
}

// Every field alike, to the last bit of each length.
inline void ExpectSameSheet(const LabelGeometry& a, const LabelGeometry& b)
{
    EXPECT_EQ(a.brand, b.brand);
    EXPECT_EQ(a.part, b.part);
    EXPECT_EQ(a.description, b.description);
    EXPECT_EQ(a.equivOf, b.equivOf);
    EXPECT_EQ(a.paperId, b.paperId);
    EXPECT_EQ(a.paperWidth, b.paperWidth);
    EXPECT_EQ(a.paperHeight, b.paperHeight);
    EXPECT_EQ(a.shape, b.shape);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.round, b.round);
    EXPECT_EQ(a.xWaste, b.xWaste);
    EXPECT_EQ(a.yWaste, b.yWaste);
    ExpectSameLayouts(a.layouts, b.layouts);
}
