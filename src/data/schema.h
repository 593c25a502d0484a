#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The database layout, declared once: it creates a new database, drives the upgrade of an
// older one and tells the program the size of every text column.
enum class ColumnType { Text, Memo, Double, Integer, Boolean, Date };

// What a numeric column measures; it bounds the values a treasurer can mean there.
enum class Measure { Figure, Money, Area };

struct Column {
    QString name;
    ColumnType type = ColumnType::Double;
    int size = 0;          // characters, for Text
    QString format;        // display format of the column ("0.00", "#,##0.00", ...)
    int addedByStep = 0;   // upgrade step that adds it to an older database; 0: always present
    int widenedByStep = 0; // upgrade step that widens it to `size`
    int sizeBefore = 0;    // its size before that step
    Measure measure = Measure::Figure; // for numbers: euro, square metres or another figure

    bool isNumeric() const { return type == ColumnType::Double || type == ColumnType::Integer; }
    // The column as written in CREATE TABLE / ALTER TABLE ADD COLUMN.
    QString sqlDefinition() const;
    QString sqlType() const;
};

struct TableSchema {
    QString name;
    QList<Column> columns;
    QString orderBy; // column the table object is ordered by; empty: storage order

    const Column* column(QStringView columnName) const;
};

namespace Schema {

inline constexpr int version = 1;
// "LNTR" in the file header tells our databases from other SQLite files.
inline constexpr int applicationId = 0x4C4E5452;
inline constexpr int upgradeStepCount = 23;

const QList<TableSchema>& tables();
const TableSchema* table(QStringView tableName);
const Column* column(QStringView tableName, QStringView columnName);

// Size of a text column, 0 when the column is no sized text.
int textSize(QStringView tableName, QStringView columnName);

} // namespace Schema
