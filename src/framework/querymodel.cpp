#include "framework/querymodel.h"

#include "data/query.h"

QueryModel::QueryModel(Query& query, const QList<GridColumn>& columns, QObject* parent)
    : GridModel(columns, parent)
    , m_query(query) {
    refresh();
}

void QueryModel::refresh() {
    beginResetModel();
    m_rowCount = m_query.isOpen() ? m_query.rowCount() : 0;
    endResetModel();
}

QVariant QueryModel::rawValue(int row, int column) const {
    if (row < 0 || row >= m_rowCount)
        return {};
    return m_query.valueAt(row, gridColumn(column).field);
}

int QueryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rowCount;
}
