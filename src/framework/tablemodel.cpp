#include "framework/tablemodel.h"

#include "data/schema.h"
#include "data/table.h"

TableModel::TableModel(Table& table, const QList<GridColumn>& columns, QObject* parent)
    : GridModel(columns, parent)
    , m_table(table) {
    connect(&table, &Table::opened, this, &TableModel::reset);
    connect(&table, &Table::closed, this, &TableModel::reset);
    for (auto signal : {&Table::stateChanged, &Table::rowsChanged})
        connect(&table, signal, this, &TableModel::tableChanged);
    connect(&table, &Table::currentChanged, this, &TableModel::currentMoved);
    connect(&table, &Table::valueChanged, this, &TableModel::currentValueChanged);
    reset();
}

void TableModel::setSuspended(bool suspended) {
    if (m_suspended == suspended)
        return;
    m_suspended = suspended;
    if (!suspended)
        reset();
}

void TableModel::reset() {
    if (m_suspended)
        return;
    beginResetModel();
    m_blocks.clear();
    m_tableColumns.clear();
    const QStringList names = m_table.columns();
    for (const GridColumn& column : gridColumns()) {
        int found = -1;
        for (int i = 0; i < names.size() && found < 0; ++i) {
            if (names.at(i).compare(column.field, Qt::CaseInsensitive) == 0)
                found = i;
        }
        m_tableColumns << found;
    }
    m_rowCount = m_table.isOpen() ? m_table.rowCount() : 0;
    m_lastPosition = m_table.position();
    endResetModel();
}

void TableModel::tableChanged() {
    if (m_suspended)
        return;
    m_blocks.clear();
    const int count = m_table.isOpen() ? m_table.rowCount() : 0;
    if (count == m_rowCount + 1 && m_table.state() == Table::State::Insert) {
        // A new row stands at the end until it is stored.
        beginInsertRows(QModelIndex(), m_rowCount, m_rowCount);
        m_rowCount = count;
        endInsertRows();
    } else if (count == m_rowCount - 1 && m_lastPosition >= 0 && m_lastPosition < m_rowCount) {
        // Only the current row goes: a deleted row or a dropped new one.
        beginRemoveRows(QModelIndex(), m_lastPosition, m_lastPosition);
        m_rowCount = count;
        endRemoveRows();
    } else if (count != m_rowCount) {
        m_lastPosition = m_table.position();
        reset();
        return;
    }
    m_lastPosition = m_table.position();
    if (m_rowCount > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_rowCount - 1, columnCount() - 1));
}

void TableModel::currentMoved() {
    if (m_suspended)
        return;
    const int count = m_table.isOpen() ? m_table.rowCount() : 0;
    if (count != m_rowCount) {
        tableChanged();
        return;
    }
    // Whatever a move stores or drops has already come as a state or row change; the move
    // itself changes no stored value. Only the row left (now read from the cache) and the row
    // reached (now read from the table) look different, so the cached rows stay.
    const int previous = m_lastPosition;
    m_lastPosition = m_table.position();
    for (const int row : {previous, m_lastPosition}) {
        if (row >= 0 && row < m_rowCount)
            Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void TableModel::currentValueChanged(const QString& field) {
    if (m_suspended)
        return;
    const int row = m_table.position();
    const int column = columnOf(field);
    if (row >= 0 && row < m_rowCount && column >= 0)
        Q_EMIT dataChanged(index(row, column), index(row, column));
}

int TableModel::tableColumn(int column) const {
    return column >= 0 && column < m_tableColumns.size() ? m_tableColumns.at(column) : -1;
}

QVariant TableModel::rawValue(int row, int column) const {
    const int c = tableColumn(column);
    if (c < 0 || row < 0 || row >= m_rowCount || m_suspended)
        return {};
    if (row == m_table.position())
        return m_table.value(gridColumn(column).field);
    const int block = row / blockSize;
    auto found = m_blocks.constFind(block);
    if (found == m_blocks.constEnd()) {
        // A grid shows a few dozen rows: a handful of blocks is all it ever needs at once.
        if (m_blocks.size() >= cachedBlocks)
            m_blocks.clear();
        found = m_blocks.insert(block, m_table.storedRows(block * blockSize, blockSize));
    }
    const QList<QVariantList>& rows = found.value();
    const int offset = row - block * blockSize;
    return offset < rows.size() ? rows.at(offset).value(c) : QVariant();
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rowCount;
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable))
        return false;
    if (m_table.position() != index.row() && !m_table.moveTo(index.row()))
        return false;
    m_table.setValue(gridColumn(index.column()).field, value);
    return true;
}

int TableModel::maxLength(int column) const {
    const int own = GridModel::maxLength(column);
    return own > 0 ? own : Schema::textSize(m_table.tableName(), gridColumn(column).field);
}

QString TableModel::numberFormat(int column) const {
    const QString own = GridModel::numberFormat(column);
    if (!own.isEmpty())
        return own;
    const Column* def = Schema::column(m_table.tableName(), gridColumn(column).field);
    return def ? def->format : QString();
}

ValueRange TableModel::valueRange(int column) const {
    return ValueRange::of(m_table.tableName(), gridColumn(column).field);
}
