#include "controls/storable_text.h"

#include "platform/cp932.h"

#include <QList>

#include <algorithm>

namespace {

std::string ToCp932(const QString& text)
{
    return cp932::FromUtf8(text.toUtf8().toStdString());
}

QString FromCp932(const std::string& bytes)
{
    return QString::fromStdString(cp932::ToUtf8(bytes));
}

// One character (a code point) as code page 932 keeps it; empty when it has no such character.
QString StorableCharacter(char32_t character)
{
    const QString original = QString::fromUcs4(&character, 1);
    const std::string bytes = ToCp932(original);
    if (bytes == "?" && character != U'?')
        return {};
    return FromCp932(bytes);
}

// Line breaks from any source as the edit's own.
QString UnifyLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    text.replace(QChar(QChar::ParagraphSeparator), QChar(u'\n'));
    text.replace(QChar(QChar::LineSeparator), QChar(u'\n'));
    return text;
}

}  // namespace

QString StorableText(const QString& text)
{
    const QString unified = UnifyLineBreaks(text);
    if (FromCp932(ToCp932(unified)) == unified)
        return unified;
    QString storable;
    for (char32_t character : unified.toUcs4())
        storable += StorableCharacter(character);
    return storable;
}

int EditBytes(const QString& text)
{
    return static_cast<int>(ToCp932(text).size() + text.count(QChar(u'\n')));
}

QString FittingStart(const QString& text, int room)
{
    if (EditBytes(text) <= room)
        return text;
    QString fitting;
    int used = 0;
    for (char32_t character : text.toUcs4()) {
        const QString one = QString::fromUcs4(&character, 1);
        used += EditBytes(one);
        if (used > room)
            break;
        fitting += one;
    }
    return fitting;
}

std::string StoredForm(const QString& shown)
{
    std::string stored = ToCp932(UnifyLineBreaks(shown));
    stored.erase(std::remove(stored.begin(), stored.end(), '\r'), stored.end());
    return stored;
}

QString ShownForm(const std::string& stored)
{
    std::string lines = stored;
    lines.erase(std::remove(lines.begin(), lines.end(), '\r'), lines.end());
    return FromCp932(lines);
}
