#pragma once

#include <QCollator>
#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

class Database;
struct Column;
class QSqlQuery;
class TableRules;
struct TableSchema;

// A table object: one table of the database walked row by row in a fixed order, with a
// current row that is edited in place and posted, and the data module's record rules
// attached. Only row ids and order keys are held in memory; the current row is read when
// it becomes current.
class Table : public QObject {
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };

    Table(Database& database, const QString& tableName, QObject* parent = nullptr);
    ~Table() override;

    QString tableName() const { return m_tableName; }
    void setRules(TableRules* rules) { m_rules = rules; }

    bool open();
    // Stores pending work first. False when work had to be dropped because it could not be
    // stored; lastError() then holds the engine's reason, or nothing when a record rule
    // refused the row and has said why.
    bool close();
    // Closes and opens again: pending work is stored and the first row becomes current.
    bool reopen();
    bool isOpen() const { return m_state != State::Inactive; }
    QString lastError() const { return m_lastError; }

    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    // Rows, counting a new row that is not yet posted.
    int rowCount() const;
    bool isEmpty() const { return rowCount() == 0; }
    // Index of the current row, -1 when there is none.
    int position() const { return m_current; }

    bool first();
    bool prior();
    bool next();
    bool last();
    // Makes the row at `index` current, storing pending work on the current row first.
    // Returns false when that work could not be stored.
    bool moveTo(int index);
    // Makes the first row whose column equals the value current.
    bool locate(const QString& column, const QVariant& value,
                Qt::CaseSensitivity cs = Qt::CaseSensitive);
    // Walks the rows in the order of the column's values until the table is closed; the
    // current row stays current. Texts compare with the collator when one is given (as a
    // reader of that language orders them), otherwise in the engine's order; rows of equal
    // value keep the order they were stored in. Pending work on the current row is stored
    // first; returns false when it could not be, or when there is no such column.
    bool setOrder(const QString& column, const std::optional<QCollator>& collator = {});
    // Index, in the current order, of the first row whose value of the column passes the
    // test; -1 when none does. The column is the one the rows are ordered by (see setOrder);
    // for any other column the answer is -1.
    int indexWhere(const QString& column, const std::function<bool(const QVariant&)>& test) const;

    QStringList columns() const { return m_columns; }
    bool hasColumn(const QString& column) const;
    QVariant value(const QString& column) const;
    bool isNull(const QString& column) const;
    double number(const QString& column) const; // empty reads as 0
    QString text(const QString& column) const;
    bool flag(const QString& column) const;
    QDate date(const QString& column) const;
    // Sets a column of the current row, putting the row into editing (a new row when the
    // table is empty). Texts are cut to the column's size. An infinite or undefined number is
    // refused: the column keeps its value, lastError() says why, and false is returned.
    bool setValue(const QString& column, const QVariant& value);
    // Puts one column back to its stored value without firing rules.
    void revert(const QString& column);

    void edit();
    void insert();
    bool post();
    void cancel();
    bool remove();
    // Leaves editing: a changed row is posted, an untouched one is dropped.
    bool checkBrowseMode();

    // Row id of the current row in the database; -1 for a new row not yet posted.
    qint64 currentRowId() const;

    // Row id of the row at an index, -1 when there is none.
    qint64 rowIdAt(int index) const;
    // Index of the row with this id in table order; -1 when the table does not hold it.
    int indexOfRowId(qint64 rowId) const;
    // The stored values of `count` rows from `first` on, in table order and in the order of
    // columns(), read with one statement; the current row is not moved, and its pending edit
    // is not in the result (value() has it). A grid reads the rows it shows this way.
    QList<QVariantList> storedRows(int first, int count) const;

Q_SIGNALS:
    void opened();
    void closed();
    void currentChanged();
    void stateChanged();
    void valueChanged(const QString& column);
    void rowsChanged();

private:
    struct RowRef {
        qint64 rowId;
        QVariant key;
    };

    bool readRows();
    bool ordersBefore(const RowRef& a, const RowRef& b) const;
    int columnIndex(const QString& column) const;
    QVariant fromStorage(int column, const QVariant& stored) const;
    QVariant toStorage(int column, const QVariant& value) const;
    QVariant normalized(int column, const QVariant& value) const;
    QVariantList newRowValues() const;
    void loadCurrent();
    QString insertRow();
    QString updateRow();
    void placeCurrentRow(qint64 rowId);
    void setState(State state);

    Database& m_database;
    QString m_tableName;
    const TableSchema* m_schema = nullptr;
    TableRules* m_rules = nullptr;

    State m_state = State::Inactive;
    QList<RowRef> m_rows;
    int m_current = -1;
    int m_returnPosition = -1; // where a cancelled insert goes back to
    int m_orderColumn = -1;
    std::optional<QCollator> m_collator; // texts of the order column compare with it

    QStringList m_columns;
    QHash<QString, int> m_columnIndex; // the name as the database has it, and in lower case
    QList<const Column*> m_columnDefs; // the schema's declaration of each column, or null
    QVariantList m_values;
    QVariantList m_stored;
    QSet<int> m_changed;
    bool m_modified = false;
    QString m_lastError;
    int m_openDepth = 0;
    // Prepared once per opening: the transfer appends thousands of rows in one go.
    std::unique_ptr<QSqlQuery> m_insert;
};
