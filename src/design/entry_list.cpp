#include "design/entry_list.h"

#include "platform/cp932.h"
#include "platform/utf8.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace {

// Text decoded to UTF-8, or where decoding stopped.
struct Decoded {
    std::string text;
    std::string error;
    bool failed = false;
};

std::string HexBytes(std::string_view bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (!out.empty())
            out += ' ';
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}

Decoded DecodeUtf8(std::string_view s)
{
    Decoded out;
    const std::size_t bad = utf8::FirstBad(s);
    if (bad == std::string_view::npos) {
        out.text.assign(s);
        return out;
    }
    out.text.assign(s.substr(0, bad));
    out.failed = true;
    out.error = "UTF-8として読めないバイトがあります (" + HexBytes(s.substr(bad, std::min<std::size_t>(4, s.size() - bad))) + ")";
    return out;
}

Decoded DecodeUtf16(std::string_view s, bool bigEndian)
{
    Decoded out;
    out.text.reserve(s.size());
    const auto unit = [&](std::size_t i) {
        const auto lo = static_cast<unsigned char>(s[i + (bigEndian ? 1 : 0)]);
        const auto hi = static_cast<unsigned char>(s[i + (bigEndian ? 0 : 1)]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    std::size_t pos = 0;
    for (; pos + 1 < s.size(); pos += 2) {
        char32_t c = unit(pos);
        if (c >= 0xD800 && c <= 0xDBFF && pos + 3 < s.size()) {
            const char32_t low = unit(pos + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                utf8::Append(0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00), out.text);
                pos += 2;
                continue;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            out.failed = true;
            out.error = "UTF-16として読めない文字があります";
            return out;
        }
        utf8::Append(c, out.text);
    }
    if (pos < s.size()) {
        out.failed = true;
        out.error = "UTF-16として読めない文字があります（バイト数が奇数です）";
    }
    return out;
}

Decoded DecodeCp932(std::string_view s)
{
    Decoded out;
    out.text.reserve(s.size() * 3 / 2);
    const std::string bytes(s);
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t length = 1;
        const char32_t c = cp932::DecodeChar(bytes, pos, &length);
        const bool lead = cp932::IsLeadByte(static_cast<unsigned char>(bytes[pos]));
        if (c == 0xFFFD || (lead && length < 2)) {
            out.failed = true;
            out.error = "シフトJISとして読めないバイトがあります (" + HexBytes(s.substr(pos, std::min<std::size_t>(2, s.size() - pos))) + ")";
            return out;
        }
        utf8::Append(c, out.text);
        pos += std::max<std::size_t>(length, 1);
    }
    return out;
}

bool StartsWith(std::string_view s, std::string_view head)
{
    return s.substr(0, head.size()) == head;
}

// The encoding to read `bytes` with and the number of BOM bytes to pass over.
TextEncoding ChooseEncoding(std::string_view bytes, TextEncoding wanted, std::size_t& bom, bool& bigEndian)
{
    bom = 0;
    bigEndian = false;
    const bool utf8Bom = StartsWith(bytes, "\xEF\xBB\xBF");
    const bool leBom = StartsWith(bytes, "\xFF\xFE");
    const bool beBom = StartsWith(bytes, "\xFE\xFF");
    if (wanted == TextEncoding::Detect) {
        if (leBom || beBom)
            wanted = TextEncoding::Utf16;
        else if (utf8Bom || utf8::FirstBad(bytes) == std::string_view::npos)
            wanted = TextEncoding::Utf8;
        else
            wanted = TextEncoding::Cp932;
    }
    if (wanted == TextEncoding::Utf8 && utf8Bom)
        bom = 3;
    if (wanted == TextEncoding::Utf16) {
        bigEndian = beBom;
        bom = leBom || beBom ? 2 : 0;
    }
    return wanted;
}

// The lines of Shift_JIS text that read as UTF-8 with at least one character beyond ASCII, by
// their 1-based number. Shift_JIS trail bytes are never CR or LF, so lines split on the bytes.
std::map<int, std::string> Utf8Lines(std::string_view bytes)
{
    std::map<int, std::string> lines;
    int number = 1;
    for (std::size_t start = 0; start < bytes.size(); ++number) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::string_view line = bytes.substr(start, end - start);
        const bool beyondAscii = std::any_of(line.begin(), line.end(), [](char c) { return (c & 0x80) != 0; });
        if (beyondAscii && utf8::FirstBad(line) == std::string_view::npos)
            lines.emplace(number, line);
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool BeyondAscii(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

// Marks each entry beyond ASCII whose lines (up to the next entry's) hold a UTF-8 line.
void MarkOtherEncoding(const std::map<int, std::string>& utf8Lines, EntryList& list)
{
    for (std::size_t i = 0; i < list.entries.size() && !utf8Lines.empty(); ++i) {
        ListEntry& entry = list.entries[i];
        const auto found = utf8Lines.lower_bound(entry.line);
        const bool within = found != utf8Lines.end()
                            && (i + 1 == list.entries.size() || found->first < list.entries[i + 1].line);
        if (within && BeyondAscii(entry.text))
            entry.otherEncoding = found->second;
    }
}

// Line breaks in `text` up to `end`, each of CR LF, LF and CR counting once.
int LineAt(std::string_view text, std::size_t end)
{
    int line = 1;
    for (std::size_t i = 0; i < end && i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++line;
    }
    return line;
}

// Reads the decoded text line by line or record by record, keeping the input line of each.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos >= m_text.size(); }
    int Line() const { return m_line; }

    // One line without its break.
    std::string NextLine()
    {
        std::string out;
        while (!AtEnd() && !AtBreak())
            out += m_text[m_pos++];
        SkipBreak();
        return out;
    }

    // One record of separated fields; quoted fields may hold separators, line breaks (kept as '\n')
    // and doubled quotes. False for a quote left open, with `openLine` where it opened.
    bool NextRecord(char separator, std::vector<std::string>& fields, int& openLine)
    {
        fields.assign(1, std::string());
        while (!AtEnd() && !AtBreak()) {
            const char c = m_text[m_pos];
            if (c == separator) {
                fields.emplace_back();
                ++m_pos;
            } else if (c == '"' && fields.back().empty()) {
                openLine = m_line;
                if (!ReadQuoted(fields.back()))
                    return false;
            } else {
                fields.back() += c;
                ++m_pos;
            }
        }
        SkipBreak();
        return true;
    }

private:
    bool AtBreak() const { return m_text[m_pos] == '\n' || m_text[m_pos] == '\r'; }

    void SkipBreak()
    {
        if (AtEnd())
            return;
        if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    bool ReadQuoted(std::string& field)
    {
        ++m_pos;
        while (!AtEnd()) {
            const char c = m_text[m_pos];
            if (c == '"') {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '"') {
                    field += '"';
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                return true;
            }
            if (AtBreak()) {
                SkipBreak();
                field += '\n';
                continue;
            }
            field += c;
            ++m_pos;
        }
        return false;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
};

ListFormat ChooseFormat(std::string_view text, ListFormat wanted)
{
    if (wanted != ListFormat::Detect)
        return wanted;
    const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
    if (first.find('\t') != std::string_view::npos)
        return ListFormat::Tsv;
    if (first.find(',') != std::string_view::npos)
        return ListFormat::Csv;
    return ListFormat::Lines;
}

bool IsBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
}

void AddEntry(EntryList& list, std::string text, int line, bool skipBlank)
{
    if (skipBlank && IsBlank(text))
        return;
    list.entries.push_back({std::move(text), line, {}});
}

void ReadLines(std::string_view text, const ListOptions& options, EntryList& list)
{
    Reader reader(text);
    while (!reader.AtEnd()) {
        const int line = reader.Line();
        AddEntry(list, reader.NextLine(), line, options.skipBlank);
    }
}

// The 0-based column `wanted` names, or -1 with the error set.
int ChooseColumn(const std::string& wanted, const std::vector<std::string>& header, EntryList& list)
{
    if (wanted.empty())
        return 0;
    if (std::all_of(wanted.begin(), wanted.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const bool beyondHeader = !header.empty() && wanted.size() <= 6
                                  && static_cast<std::size_t>(std::stoi(wanted)) > header.size();
        if (wanted.size() > 6 || std::stoi(wanted) < 1 || beyondHeader) {
            list.error = wanted + "列目はありません";
            list.errorLine = 1;
            return -1;
        }
        return std::stoi(wanted) - 1;
    }
    const auto found = std::find(header.begin(), header.end(), wanted);
    if (found == header.end()) {
        list.error = header.empty() ? "見出しの行がないため、列を名前で選べません" : "「" + wanted + "」という列はありません";
        list.errorLine = 1;
        return -1;
    }
    return static_cast<int>(found - header.begin());
}

void ReadTable(std::string_view text, const ListOptions& options, EntryList& list)
{
    const char separator = list.format == ListFormat::Tsv ? '\t' : ',';
    Reader reader(text);
    std::vector<std::string> fields;
    int openLine = 0;
    if (options.hasHeader && !reader.AtEnd()) {
        if (!reader.NextRecord(separator, fields, openLine)) {
            list.error = "閉じられていない引用符 (\") があります";
            list.errorLine = openLine;
            return;
        }
        list.columns = fields;
    }
    const int column = ChooseColumn(options.column, list.columns, list);
    if (column < 0)
        return;
    while (!reader.AtEnd()) {
        const int line = reader.Line();
        if (!reader.NextRecord(separator, fields, openLine)) {
            list.entries.clear();
            list.error = "閉じられていない引用符 (\") があります";
            list.errorLine = openLine;
            return;
        }
        std::string value = static_cast<std::size_t>(column) < fields.size() ? std::move(fields[column]) : std::string();
        AddEntry(list, std::move(value), line, options.skipBlank);
    }
}

}  // namespace

EntryList ReadEntryList(std::string_view bytes, const ListOptions& options)
{
    EntryList list;
    std::size_t bom = 0;
    bool bigEndian = false;
    list.encoding = ChooseEncoding(bytes, options.encoding, bom, bigEndian);
    const std::string_view body = bytes.substr(bom);
    Decoded decoded = list.encoding == TextEncoding::Utf16 ? DecodeUtf16(body, bigEndian)
                      : list.encoding == TextEncoding::Cp932 ? DecodeCp932(body)
                                                             : DecodeUtf8(body);
    const std::map<int, std::string> utf8Lines =
        list.encoding == TextEncoding::Cp932 ? Utf8Lines(body) : std::map<int, std::string>();
    if (decoded.failed) {
        list.error = decoded.error;
        list.errorLine = LineAt(decoded.text, decoded.text.size());
        list.format = options.format == ListFormat::Detect ? ListFormat::Lines : options.format;
        if (utf8Lines.count(list.errorLine))
            list.error += "。この行はUTF-8のようです: 文字コードをそろえてください";
        return list;
    }
    list.format = ChooseFormat(decoded.text, options.format);
    if (list.format == ListFormat::Lines)
        ReadLines(decoded.text, options, list);
    else
        ReadTable(decoded.text, options, list);
    MarkOtherEncoding(utf8Lines, list);
    return list;
}
