#include "platform/ini_values.h"

#include "platform/byte_scanner.h"
#include "platform/file_bytes.h"
#include "platform/utf8.h"

#include <algorithm>
#include <system_error>

namespace {

const char kTopGroup[] = "General";
// Beyond every code point: a "\x" escape this large is no character.
constexpr char32_t kTooLarge = 0x110000;

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// One escape after a backslash at `pos`; `pos` moves past it.
void Unescape(std::string_view s, std::size_t& pos, std::string& out)
{
    const char c = s[pos++];
    switch (c) {
    case 'a': out += '\a'; return;
    case 'b': out += '\b'; return;
    case 'f': out += '\f'; return;
    case 'n': out += '\n'; return;
    case 'r': out += '\r'; return;
    case 't': out += '\t'; return;
    case 'v': out += '\v'; return;
    case 'x': {
        char32_t value = 0;
        for (int d; pos < s.size() && (d = HexDigit(s[pos])) >= 0; ++pos)
            value = std::min<char32_t>(value * 16 + static_cast<char32_t>(d), kTooLarge);
        const bool character = value < kTooLarge && (value < 0xD800 || value > 0xDFFF);
        utf8::Append(character ? value : U'\uFFFD', out);
        return;
    }
    default: out += c; return;
    }
}

// A value as QSettings writes a string: quoted where it holds separators or outer spaces, with
// backslash escapes; a leading "@" doubled, since "@" marks its typed values.
std::string ValueOf(std::string_view raw)
{
    std::string out;
    for (std::size_t pos = 0; pos < raw.size();) {
        const char c = raw[pos++];
        if (c == '"')
            continue;
        if (c == '\\' && pos < raw.size())
            Unescape(raw, pos, out);
        else
            out += c;
    }
    if (out.compare(0, 2, "@@") == 0)
        out.erase(0, 1);
    return out;
}

std::string HexEscape(unsigned char c)
{
    static const char kDigits[] = "0123456789abcdef";
    return std::string("\\x") + kDigits[c >> 4] + kDigits[c & 15];
}

std::string EscapedValue(const std::string& value)
{
    std::string out = value.compare(0, 1, "@") == 0 ? "@" : "";
    bool quote = !value.empty() && (value.front() == ' ' || value.back() == ' ');
    bool afterHex = false;
    for (const char byte : value) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == ';' || c == ',' || c == '=')
            quote = true;
        // A hex digit right after a "\x" escape would be read as part of it.
        const bool hex = c < 0x20 || c == 0x7F || (afterHex && HexDigit(byte) >= 0);
        afterHex = hex && c != '\n' && c != '\r' && c != '\t';
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (hex) {
            out += HexEscape(c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return quote ? "\"" + out + "\"" : out;
}

}  // namespace

IniValues ParseIniValues(std::string_view text)
{
    IniValues values;
    std::string group;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            group = std::string(Trimmed(line.substr(1, line.size() - 2)));
            if (group == kTopGroup)
                group.clear();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string key(Trimmed(line.substr(0, equals)));
        values[group.empty() ? key : group + "/" + key] = ValueOf(Trimmed(line.substr(equals + 1)));
    }
    return values;
}

std::string IniValuesText(const IniValues& values)
{
    std::map<std::string, std::string> groups;
    for (const auto& [name, value] : values) {
        const std::size_t slash = name.rfind('/');
        const std::string group = slash == std::string::npos ? kTopGroup : name.substr(0, slash);
        const std::string key = slash == std::string::npos ? name : name.substr(slash + 1);
        groups[group] += key + "=" + EscapedValue(value) + "\n";
    }
    std::string text;
    for (const auto& [group, lines] : groups)
        text += (text.empty() ? "[" : "\n[") + group + "]\n" + lines;
    return text;
}

IniValues ReadIniValues(const std::filesystem::path& file)
{
    const std::optional<std::string> bytes = ReadFileBytes(file, kMaxIniValuesBytes);
    return bytes ? ParseIniValues(*bytes) : IniValues();
}

int StoreIniValue(const std::filesystem::path& file, const std::string& key, const std::string& value)
{
    IniValues values = ReadIniValues(file);
    values[key] = value;
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error)
        return error.value();
    return WriteFileAtomically(file, IniValuesText(values));
}
