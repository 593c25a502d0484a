#pragma once

#include "framework/gridmodel.h"

#include <QHash>

class Table;

// A grid's rows read from a table object on demand: the table holds only row ids, the model
// reads the rows a grid shows a block at a time, and the current row (with what is being
// typed into it) straight from the table. Editing a cell edits the table's current row, so
// the data module's record rules fire as they do for any other window; the row is stored when
// the grid leaves it.
class TableModel : public GridModel {
    Q_OBJECT

public:
    TableModel(Table& table, const QList<GridColumn>& columns, QObject* parent = nullptr);

    Table& table() const { return m_table; }

    // While suspended the model ignores the table, for work that adds thousands of rows at
    // once; resuming shows the table as it then is.
    void setSuspended(bool suspended);
    bool isSuspended() const { return m_suspended; }

    QVariant rawValue(int row, int column) const override;
    bool isEditable() const override { return true; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int maxLength(int column) const override;
    // Makes the row current in the table (storing the row left) and sets the field; the rules
    // may change or refuse the value.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

protected:
    QString numberFormat(int column) const override;
    ValueRange valueRange(int column) const override;

private:
    static constexpr int blockSize = 64;
    static constexpr int cachedBlocks = 32;

    void tableChanged();
    void currentMoved();
    void currentValueChanged(const QString& field);
    void reset();
    int tableColumn(int column) const;

    Table& m_table;
    bool m_suspended = false;
    int m_rowCount = 0;
    int m_lastPosition = -1;
    QList<int> m_tableColumns; // per grid column, the index in the table's columns
    mutable QHash<int, QList<QVariantList>> m_blocks;
};
