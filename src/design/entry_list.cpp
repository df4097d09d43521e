#include "design/entry_list.h"

#include "platform/cp932.h"
#include "platform/utf8.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// Text decoded to UTF-8, or where decoding stopped.
struct Decoded {
    std::string text;
    std::string error;
    bool failed = false;
    bool asIs = false;  // the input is the text: well-formed UTF-8 is not copied (a list may be 256 MiB)
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
        out.asIs = true;
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

bool BeyondAscii(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

// Whether a line of a Shift_JIS list is UTF-8 instead: well-formed UTF-8 beyond ASCII.
bool ReadsAsUtf8(std::string_view line)
{
    return BeyondAscii(line) && utf8::FirstBad(line) == std::string_view::npos;
}

// A line as a message shows it: cut after kShownLineBytes, at a character's start.
std::string Shown(std::string_view line)
{
    constexpr std::size_t kShownLineBytes = 120;
    if (line.size() <= kShownLineBytes)
        return std::string(line);
    std::size_t cut = kShownLineBytes;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(line.substr(0, cut)) + "…";
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

// Marks each entry beyond ASCII whose lines (up to the next entry's) hold a UTF-8 line: its text
// is garbled. One pass over the Shift_JIS bytes, whose trail bytes are never CR or LF, so that
// they split into the lines of the decoded text; nothing is kept per line.
void MarkOtherEncoding(std::string_view bytes, EntryList& list)
{
    Reader raw(bytes);
    for (std::size_t i = 0; i < list.entries.size() && !raw.AtEnd(); ++i) {
        ListEntry& entry = list.entries[i];
        if (!BeyondAscii(entry.text))
            continue;
        const int end = i + 1 < list.entries.size() ? list.entries[i + 1].line : std::numeric_limits<int>::max();
        while (!raw.AtEnd() && raw.Line() < entry.line)
            raw.NextLine();
        while (!raw.AtEnd() && raw.Line() < end && entry.otherEncoding.empty()) {
            const std::string line = raw.NextLine();
            if (ReadsAsUtf8(line))
                entry.otherEncoding = Shown(line);
        }
    }
}

// Whether line `number` of Shift_JIS bytes reads as UTF-8.
bool LineReadsAsUtf8(std::string_view bytes, int number)
{
    Reader raw(bytes);
    while (!raw.AtEnd() && raw.Line() < number)
        raw.NextLine();
    return !raw.AtEnd() && ReadsAsUtf8(raw.NextLine());
}

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

void AddEntry(EntryList& list, std::string text, int line, const ListOptions& options)
{
    if (options.skipBlank && IsBlank(text))
        return;
    list.entries.push_back({std::move(text), line, {}});
    list.tooMany = list.entries.size() > options.maxEntries;
}

void ReadLines(std::string_view text, const ListOptions& options, EntryList& list)
{
    Reader reader(text);
    while (!reader.AtEnd() && !list.tooMany) {
        const int line = reader.Line();
        AddEntry(list, reader.NextLine(), line, options);
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
    while (!reader.AtEnd() && !list.tooMany) {
        const int line = reader.Line();
        if (!reader.NextRecord(separator, fields, openLine)) {
            list.entries.clear();
            list.error = "閉じられていない引用符 (\") があります";
            list.errorLine = openLine;
            return;
        }
        std::string value = static_cast<std::size_t>(column) < fields.size() ? std::move(fields[column]) : std::string();
        AddEntry(list, std::move(value), line, options);
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
    if (decoded.failed) {
        list.error = decoded.error;
        list.errorLine = LineAt(decoded.text, decoded.text.size());
        list.format = options.format == ListFormat::Detect ? ListFormat::Lines : options.format;
        if (list.encoding == TextEncoding::Cp932 && LineReadsAsUtf8(body, list.errorLine))
            list.error += "。この行はUTF-8のようです: 文字コードをそろえてください";
        return list;
    }
    const std::string_view text = decoded.asIs ? body : std::string_view(decoded.text);
    list.format = ChooseFormat(text, options.format);
    if (list.format == ListFormat::Lines)
        ReadLines(text, options, list);
    else
        ReadTable(text, options, list);
    if (list.encoding == TextEncoding::Cp932)
        MarkOtherEncoding(body, list);
    return list;
}
