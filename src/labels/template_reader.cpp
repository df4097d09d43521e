#include "labels/guarded_xml.h"
#include "labels/label_element.h"
#include "labels/label_templates.h"
#include "labels/template_key.h"
#include "labels/template_length.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace {

// A <Template>'s own attributes, taken before its children move the reader on.
struct TemplateAttributes {
    std::string brand;
    std::string part;
    std::string description;
    std::optional<std::string> equiv;
    std::optional<std::string> size;
    std::optional<std::string> width;
    std::optional<std::string> height;
};

TemplateAttributes ReadTemplateAttributes(const GuardedXml& xml)
{
    TemplateAttributes t;
    t.brand = xml.Attribute(u"brand").value_or("");
    t.part = xml.Attribute(u"part").value_or("");
    // The database marks a text for translation with a '_'; a user's own file has none.
    t.description = xml.Attribute(u"description").value_or(xml.Attribute(u"_description").value_or(""));
    t.equiv = xml.Attribute(u"equiv");
    t.size = xml.Attribute(u"size");
    t.width = xml.Attribute(u"width");
    t.height = xml.Attribute(u"height");
    return t;
}

// Reads the templates of one file, keeping where each brand and part is for the equivalents.
class TemplateFileReader {
public:
    TemplateFileReader(const std::vector<PaperSize>& papers, const std::vector<LabelGeometry>& known)
        : m_papers(papers), m_known(known)
    {
    }

    void ReadTemplates(GuardedXml& xml);
    TemplateFileResult& Result() { return m_result; }

private:
    void ReadTemplate(GuardedXml& xml);
    std::optional<LabelGeometry> Equivalent(const TemplateAttributes& t);
    bool TakePaper(const TemplateAttributes& t, LabelGeometry& sheet) const;
    const LabelGeometry* FindEarlier(const std::string& brand, const std::string& part);

    const std::vector<PaperSize>& m_papers;
    const std::vector<LabelGeometry>& m_known;
    TemplateFileResult m_result;
    std::unordered_map<std::string, std::size_t> m_ownIndex;
    // Built on the first equivalent the file does not hold itself, which the database never needs.
    std::optional<std::unordered_map<std::string, std::size_t>> m_knownIndex;
};

void TemplateFileReader::ReadTemplates(GuardedXml& xml)
{
    if (!xml.NextChild())
        return;
    if (xml.Name() != u"Glabels-templates") {
        xml.Fail(QStringLiteral("not a label template file (root element <%1>)").arg(xml.Name()));
        return;
    }
    int count = 0;
    while (xml.NextChild()) {
        if (xml.Name() != u"Template") {
            xml.SkipElement();
        } else if (++count > kMaxTemplatesPerFile) {
            xml.Fail(QStringLiteral("more than %1 templates").arg(kMaxTemplatesPerFile));
        } else {
            ReadTemplate(xml);
        }
    }
    xml.Finish();
}

void TemplateFileReader::ReadTemplate(GuardedXml& xml)
{
    const TemplateAttributes t = ReadTemplateAttributes(xml);
    LabelGeometry sheet;
    bool labelSeen = false;
    bool labelRead = false;
    while (xml.NextChild()) {
        if (!labelSeen && IsLabelElement(xml.Name())) {
            labelSeen = true;
            labelRead = ReadLabelElement(xml, sheet);
        } else {
            xml.SkipElement();  // <Meta> and the like
        }
    }
    if (xml.Failed())
        return;
    std::optional<LabelGeometry> made;
    if (t.equiv)
        made = Equivalent(t);
    else if (labelRead && TakePaper(t, sheet))
        made = std::move(sheet);
    if (!made || t.brand.empty() || t.part.empty()) {
        ++m_result.unsupported;
        return;
    }
    made->brand = t.brand;
    made->part = t.part;
    if (!t.description.empty())
        made->description = t.description;
    m_ownIndex.emplace(TemplateKey(t.brand, t.part), m_result.sheets.size());
    m_result.sheets.push_back(std::move(*made));
}

// A product sold under another part number: that part's geometry, its own name.
std::optional<LabelGeometry> TemplateFileReader::Equivalent(const TemplateAttributes& t)
{
    const LabelGeometry* original = FindEarlier(t.brand, *t.equiv);
    if (!original)
        return std::nullopt;
    LabelGeometry sheet = *original;
    sheet.equivOf = *t.equiv;
    return sheet;
}

// A paper the database names, or the template's own size ("Other"). A continuous roll has no
// height, or a size ("roll") that names no paper, so it is left out here.
bool TemplateFileReader::TakePaper(const TemplateAttributes& t, LabelGeometry& sheet) const
{
    if (!t.size)
        return false;
    if (*t.size == "Other") {
        const std::optional<double> width = PositiveLength(t.width);
        const std::optional<double> height = PositiveLength(t.height);
        if (!width || !height)
            return false;
        sheet.paperId = *t.size;
        sheet.paperWidth = *width;
        sheet.paperHeight = *height;
        return true;
    }
    const auto paper =
        std::find_if(m_papers.begin(), m_papers.end(), [&t](const PaperSize& p) { return p.id == *t.size; });
    if (paper == m_papers.end())
        return false;
    sheet.paperId = paper->id;
    sheet.paperWidth = paper->width;
    sheet.paperHeight = paper->height;
    return true;
}

const LabelGeometry* TemplateFileReader::FindEarlier(const std::string& brand, const std::string& part)
{
    const std::string key = TemplateKey(brand, part);
    if (const auto own = m_ownIndex.find(key); own != m_ownIndex.end())
        return &m_result.sheets[own->second];
    if (!m_knownIndex) {
        m_knownIndex.emplace();
        for (std::size_t i = 0; i < m_known.size(); ++i)
            m_knownIndex->emplace(TemplateKey(m_known[i].brand, m_known[i].part), i);
    }
    const auto known = m_knownIndex->find(key);
    return known == m_knownIndex->end() ? nullptr : &m_known[known->second];
}

}  // namespace

TemplateFileResult ReadTemplateBytes(const std::string& bytes, const std::vector<PaperSize>& papers,
                                     const std::vector<LabelGeometry>& known)
{
    GuardedXml xml(bytes);
    TemplateFileReader reader(papers, known);
    reader.ReadTemplates(xml);
    TemplateFileResult& result = reader.Result();
    if (xml.Failed())
        result = TemplateFileResult{{}, 0, xml.Error()};
    return std::move(result);
}

TemplateFileResult ReadTemplateFile(const std::filesystem::path& file, const std::vector<PaperSize>& papers,
                                    const std::vector<LabelGeometry>& known)
{
    TemplateFileResult result;
    if (const std::optional<std::string> bytes = ReadXmlFileBytes(file, result.error))
        result = ReadTemplateBytes(*bytes, papers, known);
    return result;
}
