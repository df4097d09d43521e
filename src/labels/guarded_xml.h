#pragma once
// The reader every template and paper-size file goes through. The real files are at most about
// 100 KB of short, shallow elements; whatever could make one file cost much time or memory is
// refused instead:
// - more than kMaxXmlFileBytes, or not a regular file (a FIFO or a device would never end);
// - a NUL byte: UTF-16 or UTF-32 text, which the byte checks below could not see into;
// - a tag with more than kMaxXmlAttributes attributes, as Qt compares every attribute of a tag
//   with every other one;
// - an encoding other than UTF-8, for the same reason as the NUL byte;
// - a DTD, whose entities could multiply a few lines into gigabytes;
// - elements nested deeper than kMaxXmlDepth.
// The whole file is parsed from memory in one piece: fed in pieces, Qt rescans a long comment
// for every piece.
#include <QStringView>
#include <QXmlStreamReader>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

// Decoded into UTF-16 and held as one token, a file costs Qt about five times its size.
inline constexpr std::size_t kMaxXmlFileBytes = 4 << 20;
inline constexpr int kMaxXmlAttributes = 256;
inline constexpr int kMaxXmlDepth = 16;

// The bytes of `file`, or nothing with the reason in `error`.
std::optional<std::string> ReadXmlFileBytes(const std::filesystem::path& file, std::string& error);

class GuardedXml {
public:
    // Reads `bytes` in place: they must outlive the reader.
    explicit GuardedXml(const std::string& bytes);

    // Moves to the next child element of the current one (at the start: to the root element);
    // false at the end of the current element or once reading failed.
    bool NextChild();
    // Reads past the rest of the current element.
    void SkipElement();
    // Reads what follows the root element, where only comments and spaces may be.
    void Finish();
    void Fail(const QString& reason);

    QStringView Name() const { return m_reader.name(); }
    // The attribute of the current element in UTF-8; nothing when it has none of that name.
    std::optional<std::string> Attribute(QStringView name) const;

    bool Failed() const { return m_reader.hasError(); }
    // Where and why reading failed.
    std::string Error() const;

private:
    bool CheckEncoding();

    QXmlStreamReader m_reader;
    int m_depth = 0;
};
