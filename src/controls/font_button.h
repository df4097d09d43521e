#pragma once
// CFontButton: a button with its caption in a font of its own on a face of its own colour,
// optionally a toggle that stays pushed and switches between two colour pairs.
#include <QColor>
#include <QFont>
#include <QPushButton>

#include <optional>

class CFontButton : public QPushButton {
    Q_OBJECT
public:
    explicit CFontButton(QWidget* parent = nullptr);

    // The caption font (see CaptionFont for the product's face).
    void CreateFont(const QFont& font);
    void SetCaption(const QString& caption);
    const QString& Caption() const { return m_caption; }
    void SetColours(const QColor& text, const QColor& face);
    void SetSecondColours(const QColor& text, const QColor& face);
    void SetTwoColourMode(bool on);
    void SetToggleMode(bool on) { m_bToggleMode = on; }
    void SetToggled(bool on);
    bool IsToggled() const { return m_bToggled; }
    const QColor& CurrentFaceColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::optional<QFont> m_font;
    QString m_caption;
    QColor m_text = Qt::black, m_face = Qt::white;
    QColor m_secondText = Qt::black, m_secondFace = Qt::white;
    bool m_bTwoColours = false;
    bool m_bToggleMode = false;
    bool m_bToggled = false;
};
