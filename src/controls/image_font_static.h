#pragma once
// CImageFontStatic: shows a picture without drawing on it (headers, footers, captions). With its
// display flag set the picture is stretched to the control; otherwise it is shown 1:1.
#include <QImage>
#include <QString>
#include <QWidget>

class CImageFontStatic : public QWidget {
    Q_OBJECT
public:
    explicit CImageFontStatic(QWidget* parent = nullptr);

    void LoadResource(int id);
    // False when the file cannot be read as a picture; the control is then empty.
    bool LoadFile(const QString& path);
    void SetDisplayFlag(bool on);
    int ResourceId() const { return m_nResource; }
    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    int m_nResource = 0;
    QString m_strFile;
    bool m_bDisplay = false;
};
