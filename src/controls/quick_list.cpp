#include "controls/quick_list.h"

#include "controls/classic_scroll_bar.h"
#include "controls/picture_ops.h"
#include "controls/quick_list_model.h"
#include "res/look.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

CQuickList::CQuickList(QWidget* parent) : QTreeView(parent), m_model(new QuickListModel(this))
{
    setModel(m_model);
    setItemDelegate(new QuickListDelegate(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(false);
    header()->setSectionsMovable(true);
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    UseClassicLook(verticalScrollBar());
}

void CQuickList::InsertColumn(int column, const QString& heading, int width, Qt::Alignment alignment)
{
    m_model->InsertColumn(column, heading);
    m_alignments.insert(m_alignments.begin() + column, alignment);
    setColumnWidth(column, width);
}

void CQuickList::SetItemCount(int count)
{
    setUpdatesEnabled(false);
    m_model->SetRowCount(count);
    setUpdatesEnabled(true);
    viewport()->update();
}

int CQuickList::ItemCount() const
{
    return m_model->rowCount();
}

void CQuickList::SetImageList(const QImage& strip, int imageSize, QRgb mask)
{
    m_strip = MaskedPicture(strip, mask);
    m_nImageSize = imageSize;
    viewport()->update();
}

void CQuickList::SetHeaderClickHandler(std::function<void(int, const QPoint&)> handler)
{
    m_headerHandler = std::move(handler);
    header()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header(), &QHeaderView::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (m_headerHandler)
            m_headerHandler(header()->logicalIndexAt(pos), header()->mapToGlobal(pos));
    });
}

QuickListCell CQuickList::RequestCell(int row, int column) const
{
    QuickListCell cell;
    cell.row = row;
    cell.column = column;
    const bool rowSelected = selectionModel() && selectionModel()->isRowSelected(row, QModelIndex());
    cell.selected = rowSelected && (column == 0 || m_bFullRow) && SelectionShows();
    if (column < static_cast<int>(m_alignments.size()))
        cell.format |= static_cast<int>(m_alignments[column]);
    if (m_cellHandler)
        m_cellHandler(cell);
    return cell;
}

int CQuickList::SelectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CQuickList::SelectRow(int row)
{
    setCurrentIndex(m_model->index(row, 0));
}

void CQuickList::ClearSelectedRow()
{
    selectionModel()->clearSelection();
}

void CQuickList::mousePressEvent(QMouseEvent* event)
{
    m_bInPress = true;
    QTreeView::mousePressEvent(event);
    m_bInPress = false;
    const QModelIndex hit = indexAt(event->position().toPoint());
    if (!hit.isValid() || !m_clickHandler)
        return;
    QuickListHit report{hit.row(), hit.column(), false};
    const QuickListCell cell = RequestCell(hit.row(), hit.column());
    if (cell.image >= 0) {
        const QRect itemRect = visualRect(hit);
        report.onImage = event->position().x() >= itemRect.left() + 2
                         && event->position().x() < itemRect.left() + 2 + m_nImageSize;
    }
    m_clickHandler(report);
}

// The list neither drags a selection nor tracks the pointer.
void CQuickList::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void CQuickList::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void CQuickList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTreeView::selectionChanged(selected, deselected);
    if (m_selectionHandler)
        m_selectionHandler(SelectedRow());
}

QColor QuickListTextColour(const QuickListCell& cell, bool focused, const QPalette& palette)
{
    if (cell.selected)
        return palette.color(focused ? QPalette::HighlightedText : QPalette::WindowText);
    return palette.color(cell.hot ? QPalette::Link : QPalette::WindowText);
}

QColor QuickListBackground(const QuickListCell& cell, bool focused, const QPalette& palette)
{
    if (!cell.selected)
        return palette.color(QPalette::Base);
    if (cell.hot)
        return palette.color(QPalette::Link);
    return palette.color(focused ? QPalette::Highlight : QPalette::Button);
}

QuickListDelegate::QuickListDelegate(CQuickList* list) : QStyledItemDelegate(list), m_list(list) {}

namespace {

QImage BlendedImage(const QImage& image, const QColor& colour, int percent)
{
    QImage blended = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&blended);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    QColor over = colour;
    over.setAlpha(255 * percent / 100);
    painter.fillRect(blended.rect(), over);
    return blended;
}

}  // namespace

void QuickListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QuickListCell cell = m_list->RequestCell(index.row(), index.column());
    const bool focused = m_list->hasFocus();
    const QColor background = QuickListBackground(cell, focused, option.palette);
    painter->save();
    painter->fillRect(option.rect, background);
    int textLeft = option.rect.left() + 2;
    const int size = m_list->ImageSize();
    if (cell.image >= 0 && size > 0) {
        const QImage& strip = m_list->ImageStrip();
        const qreal ratio = strip.devicePixelRatio();
        const int device = qRound(size * ratio);
        QImage image = strip.copy(cell.image * device, 0, device, device);
        image.setDevicePixelRatio(ratio);
        if (cell.selected && !cell.noImageBlend)
            image = BlendedImage(image, option.palette.color(QPalette::Highlight), cell.imageBlend);
        const QPoint at(option.rect.left() + 2, option.rect.top() + (option.rect.height() - size) / 2);
        painter->drawImage(at, image);
        textLeft = at.x() + size + 2;
    }
    if (!cell.text.isEmpty()) {
        QFont font = option.font;
        if (cell.bold || cell.italic) {
            font = GothicFont(16, cell.bold ? 700 : 400);
            font.setItalic(cell.italic);
        }
        painter->setFont(font);
        painter->setPen(QuickListTextColour(cell, focused, option.palette));
        const QRect textRect(textLeft, option.rect.top(), option.rect.right() - textLeft, option.rect.height());
        // The text is drawn as it is: "&" is no mnemonic marker here.
        const QString shown = painter->fontMetrics().elidedText(cell.text, Qt::ElideRight, textRect.width());
        painter->drawText(textRect, cell.format, shown);
    }
    painter->restore();
}

QSize QuickListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize hint = QStyledItemDelegate::sizeHint(option, index);
    hint.setHeight(std::max({hint.height(), m_list->ImageSize() + 4, 24}));
    return hint;
}
