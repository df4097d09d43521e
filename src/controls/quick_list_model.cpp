#include "controls/quick_list_model.h"

#include "controls/quick_list.h"

QuickListModel::QuickListModel(CQuickList* list) : QAbstractTableModel(list), m_list(list) {}

void QuickListModel::SetRowCount(int count)
{
    beginResetModel();
    m_nRows = count;
    endResetModel();
}

void QuickListModel::InsertColumn(int column, const QString& heading)
{
    beginInsertColumns(QModelIndex(), column, column);
    m_headings.insert(column, heading);
    endInsertColumns();
}

int QuickListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_nRows;
}

int QuickListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant QuickListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return m_list->RequestCell(index.row(), index.column()).text;
}

QVariant QuickListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= m_headings.size())
        return {};
    return m_headings[section];
}
