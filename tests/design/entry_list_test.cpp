// Reading lists of entries and building numbered series.
#include "design/entry_list.h"
#include "design/number_series.h"

#include <gtest/gtest.h>

namespace {

using Entries = std::vector<std::pair<std::string, int>>;  // text, line

Entries EntriesOf(const EntryList& list)
{
    Entries out;
    for (const ListEntry& entry : list.entries)
        out.emplace_back(entry.text, entry.line);
    return out;
}

// `text` in UTF-16 with its byte order mark.
std::string Utf16(std::u16string_view text, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

EntryList Read(std::string_view bytes, ListOptions options = {})
{
    return ReadEntryList(bytes, options);
}

TEST(EntryListTest, EncodingsAreDetectedAndLineEndsOfAnyKindSplitLines)
{
    const struct {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
    } cases[] = {
        {"UTF-8", "山田\r\n佐藤\nabc\r", TextEncoding::Utf8},
        {"UTF-8 with BOM", "\xEF\xBB\xBF山田\r\n佐藤\nabc", TextEncoding::Utf8},
        {"UTF-16 LE with BOM", Utf16(u"山田\r\n佐藤\nabc", false), TextEncoding::Utf16},
        {"UTF-16 BE with BOM", Utf16(u"山田\r\n佐藤\rabc\r\n", true), TextEncoding::Utf16},
        {"code page 932", "\x8E\x52\x93\x63\r\n\x8D\xB2\x93\xA1\nabc\n", TextEncoding::Cp932},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const EntryList list = Read(c.bytes);
        EXPECT_EQ(list.error, "");
        EXPECT_EQ(list.encoding, c.encoding);
        EXPECT_EQ(list.format, ListFormat::Lines);
        EXPECT_EQ(EntriesOf(list), (Entries{{"山田", 1}, {"佐藤", 2}, {"abc", 3}}));
    }
}

TEST(EntryListTest, ChosenEncodingWinsAndBadBytesAreReportedWithTheirLine)
{
    ListOptions cp932;
    cp932.encoding = TextEncoding::Cp932;
    EXPECT_EQ(EntriesOf(Read("\x82\xA0\n", cp932)), (Entries{{"あ", 1}}));
    // UTF-8 chosen for a file that is none is an error, not a guess.
    ListOptions utf8;
    utf8.encoding = TextEncoding::Utf8;
    EXPECT_EQ(Read("ok\n\x82\xA0\n", utf8).errorLine, 2);

    const struct {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
        int line;
    } cases[] = {
        {"bad UTF-8 on line 3", "a\nb\nc\xC3(\n", TextEncoding::Utf8, 3},
        {"a truncated UTF-8 character at the end", "a\r\nb\xE5\xB1", TextEncoding::Utf8, 2},
        {"an undefined code page 932 pair on line 2", "a\r\n\x85\x40", TextEncoding::Cp932, 2},
        {"a lead byte at the very end", "a\rb\rc\x82", TextEncoding::Cp932, 3},
        {"a lone surrogate", std::string("\xFF\xFE" "a\0\n\0\x00\xD8", 8), TextEncoding::Utf16, 2},
        {"an odd byte count", std::string("\xFF\xFE" "a\0\n\0\n\0b", 9), TextEncoding::Utf16, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ListOptions options;
        options.encoding = c.encoding;
        const EntryList list = Read(c.bytes, options);
        EXPECT_NE(list.error, "");
        EXPECT_EQ(list.errorLine, c.line);
        EXPECT_TRUE(list.entries.empty());
    }
}

// A list is read in one encoding: UTF-8 lines among Shift_JIS ones are named, with what they say,
// as far as the garbled entries go; ASCII is the same in both and needs no word.
TEST(EntryListTest, Utf8LinesInAShiftJisListAreNamedWithTheirLines)
{
    const std::string yamada = "\x8E\x52\x93\x63";  // 山田 in Shift_JIS
    const EntryList lines = Read(yamada + "\r\n田中\r\nabc\r\n" + yamada + "\r\n佐藤\r\n");
    ASSERT_EQ(lines.error, "");
    EXPECT_EQ(lines.encoding, TextEncoding::Cp932);
    std::vector<std::pair<int, std::string>> marked;
    for (const ListEntry& entry : lines.entries)
        if (!entry.otherEncoding.empty())
            marked.emplace_back(entry.line, entry.otherEncoding);
    EXPECT_EQ(marked, (std::vector<std::pair<int, std::string>>{{2, "田中"}, {5, "佐藤"}}));
    EXPECT_EQ(lines.entries[0].text, "山田");

    // In a table, only the entries whose own text is garbled: the other column here is ASCII.
    ListOptions names;
    names.column = "name";
    const EntryList table = Read("n,name\n1," + yamada + "\n2,田中\n3,x\n", names);
    ASSERT_EQ(table.entries.size(), 3u);
    EXPECT_EQ(table.entries[0].otherEncoding, "");
    EXPECT_EQ(table.entries[1].otherEncoding, "2,田中");
    ListOptions numbers;
    numbers.column = "n";
    for (const ListEntry& entry : Read("n,name\n1," + yamada + "\n2,田中\n", numbers).entries)
        EXPECT_EQ(entry.otherEncoding, "") << entry.line;

    // A UTF-8 line Shift_JIS cannot read at all stops the list, and the error says why.
    const EntryList stopped = Read(yamada + "\nあ\n");
    EXPECT_EQ(stopped.errorLine, 2);
    EXPECT_NE(stopped.error.find("UTF-8のようです"), std::string::npos) << stopped.error;
}

// Reading stops one entry past the most asked for, in plain lists and tables alike.
TEST(EntryListTest, ReadingStopsOneEntryPastTheMost)
{
    ListOptions two;
    two.maxEntries = 2;
    for (const std::string bytes : {"a\nb\nc\nd\n", "h,i\na,1\nb,2\nc,3\nd,4\n"}) {
        const EntryList list = Read(bytes, two);
        EXPECT_TRUE(list.tooMany) << bytes;
        EXPECT_EQ(list.entries.size(), 3u) << bytes;
    }
    const EntryList exact = Read("a\nb\n", two);
    EXPECT_FALSE(exact.tooMany);
    EXPECT_EQ(exact.entries.size(), 2u);
}

TEST(EntryListTest, BlankLinesAreKeptOrSkipped)
{
    const std::string bytes = "a\n\n  \nb\n";
    EXPECT_EQ(EntriesOf(Read(bytes)), (Entries{{"a", 1}, {"", 2}, {"  ", 3}, {"b", 4}}));
    ListOptions skip;
    skip.skipBlank = true;
    EXPECT_EQ(EntriesOf(Read(bytes, skip)), (Entries{{"a", 1}, {"b", 4}}));
    EXPECT_TRUE(Read("").entries.empty());
}

TEST(EntryListTest, CsvQuotingKeepsSeparatorsQuotesAndLineBreaks)
{
    const std::string csv =
        "name,class\r\n"
        "\"Yamada, Taro\",1\r\n"
        "\"say \"\"hi\"\"\",2\r\n"
        "\"two\r\nlines\",3\r\n"
        "plain,4\r\n";
    const EntryList list = Read(csv);
    EXPECT_EQ(list.format, ListFormat::Csv);
    EXPECT_EQ(list.columns, (std::vector<std::string>{"name", "class"}));
    EXPECT_EQ(EntriesOf(list),
              (Entries{{"Yamada, Taro", 2}, {"say \"hi\"", 3}, {"two\nlines", 4}, {"plain", 6}}));

    ListOptions byName;
    byName.column = "class";
    EXPECT_EQ(EntriesOf(Read(csv, byName)), (Entries{{"1", 2}, {"2", 3}, {"3", 4}, {"4", 6}}));
    ListOptions byNumber;
    byNumber.column = "2";
    EXPECT_EQ(EntriesOf(Read(csv, byNumber)), EntriesOf(Read(csv, byName)));
}

TEST(EntryListTest, TsvColumnsShortRowsAndHeaderlessTables)
{
    ListOptions options;
    options.column = "3";
    // A row without the column gives an empty entry, never a shifted one.
    EXPECT_EQ(EntriesOf(Read("a\tb\tc\n1\t2\t3\n4\t5\n", options)), (Entries{{"3", 2}, {"", 3}}));
    options.hasHeader = false;
    options.format = ListFormat::Csv;
    options.column = "";
    EXPECT_EQ(EntriesOf(Read("x,1\ny,2\n", options)), (Entries{{"x", 1}, {"y", 2}}));
}

TEST(EntryListTest, UnreadableTablesNameTheLine)
{
    const struct {
        const char* name;
        std::string bytes;
        std::string column;
        int line;
    } cases[] = {
        {"a quote never closed", "name,n\nok,1\n\"open,2\nmore,3\n", "", 3},
        {"a quote never closed in the header", "\"name,n\n", "", 1},
        {"no such column name", "name,n\nx,1\n", "address", 1},
        {"column number 0", "name,n\nx,1\n", "0", 1},
        {"a column number beyond the header", "name,n\nx,1\n", "3", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ListOptions options;
        options.column = c.column;
        const EntryList list = Read(c.bytes, options);
        EXPECT_NE(list.error, "");
        EXPECT_EQ(list.errorLine, c.line);
        EXPECT_TRUE(list.entries.empty());
    }
}

TEST(NumberSeriesTest, EntriesArePaddedAndSigned)
{
    const NumberSeries numbers{"No.", "", 1, 1, 120, 3};
    const std::vector<ListEntry> entries = SeriesEntries(numbers);
    ASSERT_EQ(entries.size(), 120u);
    EXPECT_EQ(entries.front().text, "No.001");
    EXPECT_EQ(entries.back().text, "No.120");
    EXPECT_EQ(entries.back().line, 120);
    const NumberSeries down{"", "番", 2, -3, 4, 2};
    EXPECT_EQ(SeriesEntry(down, 0), "02番");
    EXPECT_EQ(SeriesEntry(down, 1), "-01番");
    EXPECT_EQ(SeriesEntry(down, 3), "-07番");
    EXPECT_EQ(SeriesEntry(NumberSeries{"", "", 1234, 1, 1, 2}, 0), "1234");  // padding never cuts
}

TEST(NumberSeriesTest, ParsingTakesTheSuffixWholeAndRejectsWhatIsMalformed)
{
    std::string error;
    const std::optional<NumberSeries> parsed = ParseSeries("No.,1,1,120,3", &error);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(SeriesEntry(*parsed, 119), "No.120");
    const std::optional<NumberSeries> suffix = ParseSeries("A-,-5, 5,3,0,号,室", &error);
    ASSERT_TRUE(suffix);
    EXPECT_EQ(suffix->suffix, "号,室");
    EXPECT_EQ(SeriesEntry(*suffix, 2), "A-5号,室");

    for (const char* bad : {"No.,1,1,120", "No.,x,1,5,0", "No.,1,1.5,5,0", "No.,1,1,0,0", "No.,1,1,100001,0",
                            "No.,1,1,5,-1", "No.,1,1,5,19", "No.,9223372036854775807,1,2,0", "",
                            "\xE3\x81,1,1,5,0", "No.,1,1,5,0,\xF0"}) {
        SCOPED_TRACE(bad);
        error.clear();
        EXPECT_FALSE(ParseSeries(bad, &error));
        EXPECT_NE(error, "");
    }
}

}  // namespace
