#include "labels/guarded_xml.h"

#include "platform/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Every attribute of a tag has its '=', and no '<' may stand inside one, so the '=' from one '<'
// to the next bound the attributes of the tag opened there; '=' in text or comments only count
// against a file, never for one.
bool HasCrowdedTag(const std::string& bytes)
{
    int equals = 0;
    for (const char c : bytes) {
        if (c == '<')
            equals = 0;
        else if (c == '=' && ++equals > kMaxXmlAttributes)
            return true;
    }
    return false;
}

QString ByteProblem(const std::string& bytes)
{
    if (bytes.find('\0') != std::string::npos)
        return QStringLiteral("not UTF-8 text (NUL byte)");
    if (HasCrowdedTag(bytes))
        return QStringLiteral("a tag with more than %1 attributes").arg(kMaxXmlAttributes);
    return {};
}

std::string ReadFailure(int error)
{
    switch (error) {
    case EFBIG:
        return "larger than " + std::to_string(kMaxXmlFileBytes >> 20) + " MiB";
    case EINVAL:
        return "not a regular file";
    default:
        return std::strerror(error);
    }
}

}  // namespace

std::optional<std::string> ReadXmlFileBytes(const std::filesystem::path& file, std::string& error)
{
    errno = 0;
    std::optional<std::string> bytes = ReadFileBytes(file, kMaxXmlFileBytes);
    if (!bytes)
        error = ReadFailure(errno);
    return bytes;
}

GuardedXml::GuardedXml(const std::string& bytes)
    : m_reader(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())))
{
    if (const QString problem = ByteProblem(bytes); !problem.isEmpty())
        Fail(problem);
}

bool GuardedXml::CheckEncoding()
{
    const QStringView encoding = m_reader.documentEncoding();
    if (encoding.isEmpty() || encoding.compare(u"UTF-8", Qt::CaseInsensitive) == 0 ||
        encoding.compare(u"US-ASCII", Qt::CaseInsensitive) == 0)
        return true;
    Fail(QStringLiteral("encoding %1 (only UTF-8 is read)").arg(encoding));
    return false;
}

bool GuardedXml::NextChild()
{
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            if (!CheckEncoding())
                return false;
            break;
        case QXmlStreamReader::DTD:
            Fail(QStringLiteral("DTD not allowed"));
            return false;
        case QXmlStreamReader::StartElement:
            if (++m_depth > kMaxXmlDepth) {
                Fail(QStringLiteral("elements nested deeper than %1").arg(kMaxXmlDepth));
                return false;
            }
            return true;
        case QXmlStreamReader::EndElement:
            --m_depth;
            return false;
        default:  // text, comments, processing instructions
            break;
        }
    }
    return false;
}

void GuardedXml::SkipElement()
{
    while (NextChild())
        SkipElement();
}

void GuardedXml::Finish()
{
    // Qt itself refuses a second root element, so this ends at the end of the document.
    NextChild();
}

void GuardedXml::Fail(const QString& reason)
{
    if (!m_reader.hasError())
        m_reader.raiseError(reason);
}

std::optional<std::string> GuardedXml::Attribute(QStringView name) const
{
    const QXmlStreamAttributes attributes = m_reader.attributes();
    const auto found = std::find_if(attributes.begin(), attributes.end(),
                                    [name](const QXmlStreamAttribute& a) { return a.name() == name; });
    if (found == attributes.end())
        return std::nullopt;
    return found->value().toString().toStdString();
}

std::string GuardedXml::Error() const
{
    if (!m_reader.hasError())
        return {};
    const std::string reason = m_reader.errorString().toStdString();
    if (m_reader.lineNumber() == 0)
        return reason;
    return "line " + std::to_string(m_reader.lineNumber()) + ": " + reason;
}
