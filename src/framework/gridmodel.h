#pragma once

#include "framework/gridcolumn.h"
#include "framework/numberinput.h"

#include <QAbstractTableModel>
#include <QList>

// What a grid shows of rows from the data module: the columns with their titles, the values
// formatted the way the program shows them everywhere (numbers in their display format with
// the locale's separators, dates as TT.MM.JJJJ, flags as Ja/Nein). The rows come from a
// table or query object, read as the grid needs them.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit GridModel(const QList<GridColumn>& columns, QObject* parent = nullptr);

    const QList<GridColumn>& gridColumns() const { return m_columns; }
    const GridColumn& gridColumn(int column) const { return m_columns.at(column); }
    // Replaces a column's drop-down values.
    void setPickList(int column, const QStringList& values);
    // The column showing a field, -1 when none does.
    int columnOf(const QString& field) const;

    // The value as the row holds it, unformatted.
    virtual QVariant rawValue(int row, int column) const = 0;
    // Whether cells may be typed into at all.
    virtual bool isEditable() const { return false; }

    // The text a cell shows.
    QString displayText(int row, int column) const;
    // A number typed into a cell of the column, read as the locale writes numbers and checked
    // against what the column can hold and the decimals it shows.
    NumberInput readNumber(int column, const QString& text) const;
    // Characters a text typed into the column may have: the column's own limit, or what its
    // field holds; 0 for no limit.
    virtual int maxLength(int column) const;

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    // A column's number format: its own, or the display format the schema gives its field.
    virtual QString numberFormat(int column) const;
    // The values a treasurer can mean in the column's field.
    virtual ValueRange valueRange(int column) const;

private:
    QList<GridColumn> m_columns;
};
