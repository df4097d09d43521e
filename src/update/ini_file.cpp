#include "update/ini_file.h"

#include "platform/file_bytes.h"

#include <cerrno>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace {

const char kBlanks[] = " \t\n";

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// Files written on Windows end their lines with CR LF; the CR belongs to the line end.
std::string WithoutCarriageReturn(std::string line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool IsSectionHeader(const std::string& line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

std::string SectionName(const std::string& header)
{
    if (header.find_first_of("[]", 1) != header.size() - 1)
        throw std::runtime_error("found brackets in mid-line");
    std::string name = Trim(header.substr(1, header.size() - 2));
    if (name.empty())
        throw std::runtime_error("empty section name");
    return name;
}

}  // namespace

ini_file::ini_file(const std::string& path)
{
    errno = 0;
    const std::optional<std::string> bytes = ReadFileBytes(path, kMaxSettingsBytes);
    if (!bytes && errno == EFBIG)
        throw std::runtime_error("INI file too large");
    if (!bytes && (errno == EINVAL || errno == EISDIR))
        throw std::runtime_error("INI file is no regular file");
    if (!bytes)
        throw std::runtime_error("INI file not found");
    std::istringstream in(*bytes);
    parse_all(in);
}

ini_file::ini_file(std::istream& in) { parse_all(in); }

void ini_file::parse_all(std::istream& in)
{
    std::string section;
    std::string line;
    while (std::getline(in, line))
        parse_line(line, section);
}

void ini_file::parse_line(const std::string& rawLine, std::string& section)
{
    const std::string line = Trim(WithoutCarriageReturn(rawLine));
    if (line.empty())
        return;
    if (IsSectionHeader(line)) {
        section = SectionName(line);
        m_sections[section];
        return;
    }
    if (section.empty())
        throw std::runtime_error("keys before the first section");
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        throw std::runtime_error("no = found in expected key=value pair");
    const std::size_t lastInside = line.find_last_not_of('=');
    if (line.find('=', equals + 1) < lastInside)
        throw std::runtime_error(">1 =s found in expected key=value pair");
    m_sections[section][Trim(line.substr(0, equals))] = Trim(line.substr(equals + 1));
}

std::string ini_file::get(const std::string& section, const std::string& key) const
{
    const auto sectionIt = m_sections.find(section);
    if (sectionIt == m_sections.end())
        return {};
    const auto keyIt = sectionIt->second.find(key);
    return keyIt == sectionIt->second.end() ? std::string() : keyIt->second;
}
