#pragma once
// CScrollLB: a list box that never sees the keyboard and reports each movement of its vertical
// scroll bar with the new top index (command 1129).
#include <QListWidget>

inline constexpr int kCmdScrolled = 1129;

class CScrollLB : public QListWidget {
    Q_OBJECT
public:
    explicit CScrollLB(QWidget* parent = nullptr);
    int LastScrollPosition() const { return m_nLastPos; }

signals:
    void command(int id, int topIndex);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    int m_nLastPos = 0;
};
