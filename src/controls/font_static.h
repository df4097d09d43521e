#pragma once
// CFontStatic: a label with its own font, text colour, background colour and text format. Until
// its font is created it paints nothing.
#include <QColor>
#include <QFont>
#include <QWidget>

#include <optional>

class CFontStatic : public QWidget {
    Q_OBJECT
public:
    explicit CFontStatic(QWidget* parent = nullptr);

    void CreateFont(const QFont& font);
    void SetText(const QString& text);
    const QString& Text() const { return m_text; }
    // The font it paints with (the widget's own until one is created).
    QFont Font() const { return m_font.value_or(font()); }
    void SetColours(const QColor& text, const QColor& background);
    // Qt alignment and text flags (Qt::TextWordWrap, Qt::TextSingleLine, ...).
    void SetFormat(int flags);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QFont> m_font;
    QString m_text;
    QColor m_textColour = Qt::black, m_background = Qt::white;
    int m_format = Qt::AlignCenter | Qt::TextSingleLine;
};
