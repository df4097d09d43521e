#pragma once
// The sheet bar of the text and print pages: which sheet of the design is shown ("2 / 4枚"),
// buttons to move to the sheet before or after, to add a sheet after the last and to remove the
// shown one. Every change is one step of the design history.
#include <QWidget>

class CFontButton;
class CFontStatic;
class DesignHistory;

class SheetNavigation : public QWidget {
    Q_OBJECT
public:
    // `pageId`: the template id of the page it sits on, which undo and redo show again.
    SheetNavigation(QWidget* page, DesignHistory& history, int kind, int pageId);

    // The count and the buttons as the design is now.
    void Refresh();

    void MoveBy(int sheets);
    void AddSheetAfterLast();
    // Asks first when the shown sheet has text; returns whether it was removed.
    bool RemoveShownSheet();

    CFontStatic* Caption() const { return m_caption; }
    CFontButton* PreviousButton() const { return m_previous; }
    CFontButton* NextButton() const { return m_next; }
    CFontButton* AddButton() const { return m_add; }
    CFontButton* RemoveButton() const { return m_remove; }

signals:
    // Another sheet is shown, or the sheets changed: the page shows the design afresh.
    void SheetShown();

private:
    CFontButton* MakeButton(const QString& caption);
    void Place();

    DesignHistory& m_history;
    int m_nKind;
    int m_nPageId;
    CFontStatic* m_caption;
    CFontButton* m_previous;
    CFontButton* m_next;
    CFontButton* m_add;
    CFontButton* m_remove;
};

// "2 / 4枚": sheet `shown` (0-based) of `count`.
QString SheetCountText(int shown, int count);
// The counter's font: the caption font at the largest size, up to its usual one, that shows `text`
// whole in `width` pixels ("4096 / 4096枚" included).
QFont CounterFont(const QString& text, int width);
