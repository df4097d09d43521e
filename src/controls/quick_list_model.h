#pragma once
// The rows of a CQuickList as a model that holds nothing but their number: every cell is asked
// of the list's owner when the view needs it.
#include <QAbstractTableModel>
#include <QStringList>

class CQuickList;

class QuickListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit QuickListModel(CQuickList* list);

    void SetRowCount(int count);
    void InsertColumn(int column, const QString& heading);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CQuickList* m_list;
    int m_nRows = 0;
    QStringList m_headings;
};
