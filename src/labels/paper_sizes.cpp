#include "labels/guarded_xml.h"
#include "labels/label_templates.h"
#include "labels/template_length.h"

namespace {

void ReadPaper(GuardedXml& xml, std::vector<PaperSize>& papers)
{
    const std::optional<std::string> id = xml.Attribute(u"id");
    const std::optional<double> width = PositiveLength(xml.Attribute(u"width"));
    const std::optional<double> height = PositiveLength(xml.Attribute(u"height"));
    if (id && !id->empty() && width && height)
        papers.push_back({*id, *width, *height});
}

std::vector<PaperSize> ReadPapers(GuardedXml& xml)
{
    std::vector<PaperSize> papers;
    if (!xml.NextChild())
        return papers;
    if (xml.Name() != u"Glabels-paper-sizes") {
        xml.Fail(QStringLiteral("not a paper-size file (root element <%1>)").arg(xml.Name()));
        return papers;
    }
    int count = 0;
    while (xml.NextChild()) {
        if (xml.Name() == u"Paper-size") {
            if (++count > kMaxTemplatesPerFile) {
                xml.Fail(QStringLiteral("more than %1 papers").arg(kMaxTemplatesPerFile));
                break;
            }
            ReadPaper(xml, papers);
        }
        xml.SkipElement();
    }
    xml.Finish();
    return papers;
}

}  // namespace

std::vector<PaperSize> ReadPaperSizes(const std::filesystem::path& file, std::string* error)
{
    std::string problem;
    const std::optional<std::string> bytes = ReadXmlFileBytes(file, problem);
    std::vector<PaperSize> papers;
    if (bytes) {
        GuardedXml xml(*bytes);
        papers = ReadPapers(xml);
        problem = xml.Error();
    }
    if (!problem.empty())
        papers.clear();
    if (error)
        *error = problem;
    return papers;
}
