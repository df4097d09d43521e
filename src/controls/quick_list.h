#pragma once
// CQuickList: a report-view list that stores no rows. For every cell it draws it asks its owner
// for the cell's content, and it reports clicks back with the row and column hit.
#include <QColor>
#include <QImage>
#include <QStyledItemDelegate>
#include <QTreeView>

#include <functional>

class QuickListModel;

// The cell record the owner fills in; reused for every request.
struct QuickListCell {
    QString text;
    bool bold = false;
    bool italic = false;
    int format = Qt::AlignVCenter | Qt::TextSingleLine;  // plus the column's alignment
    int image = -1;                                      // index into the image strip, -1 for none
    int imageBlend = 50;                                 // percent of selection colour over images
    bool noImageBlend = false;
    int row = 0, column = 0;
    bool selected = false;
    bool hot = false;
};

struct QuickListHit {
    int row = -1, column = -1;
    bool onImage = false;
};

class CQuickList : public QTreeView {
    Q_OBJECT
public:
    explicit CQuickList(QWidget* parent = nullptr);

    void InsertColumn(int column, const QString& heading, int width, Qt::Alignment alignment = Qt::AlignLeft);
    void SetItemCount(int count);
    int ItemCount() const;
    // `strip` holds square images side by side; pixels of `mask` are not drawn.
    void SetImageList(const QImage& strip, int imageSize, QRgb mask);
    void SetFullRowSelect(bool on) { m_bFullRow = on; }
    void SetShowSelectionAlways(bool on) { m_bShowSelAlways = on; }

    void SetCellHandler(std::function<void(QuickListCell&)> handler) { m_cellHandler = std::move(handler); }
    void SetClickHandler(std::function<void(const QuickListHit&)> handler) { m_clickHandler = std::move(handler); }
    void SetHeaderClickHandler(std::function<void(int column, const QPoint& screen)> handler);
    // Called whenever the selected row changes (-1: none).
    void SetSelectionHandler(std::function<void(int row)> handler) { m_selectionHandler = std::move(handler); }

    // The cell as the owner describes it now.
    QuickListCell RequestCell(int row, int column) const;
    int SelectedRow() const;
    void SelectRow(int row);
    void ClearSelectedRow();
    // True while a mouse press is being handled (the click report follows it).
    bool InMousePress() const { return m_bInPress; }
    // Whether a selected row shows its selection colours now.
    bool SelectionShows() const { return hasFocus() || m_bShowSelAlways; }
    const QImage& ImageStrip() const { return m_strip; }
    int ImageSize() const { return m_nImageSize; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    QuickListModel* m_model;
    std::vector<Qt::Alignment> m_alignments;
    QImage m_strip;
    int m_nImageSize = 0;
    bool m_bFullRow = true;
    bool m_bShowSelAlways = true;
    bool m_bInPress = false;
    std::function<void(QuickListCell&)> m_cellHandler;
    std::function<void(const QuickListHit&)> m_clickHandler;
    std::function<void(int)> m_selectionHandler;
    std::function<void(int, const QPoint&)> m_headerHandler;
};

// Paints each cell completely from the owner's cell record.
class QuickListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit QuickListDelegate(CQuickList* list);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CQuickList* m_list;
};

// Colours of a cell by its state.
QColor QuickListTextColour(const QuickListCell& cell, bool focused, const QPalette& palette);
QColor QuickListBackground(const QuickListCell& cell, bool focused, const QPalette& palette);
