#include "data/table.h"

#include "data/database.h"
#include "data/engineerror.h"
#include "data/schema.h"
#include "data/tablerules.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

namespace {

// The engine's order: empty first, then numbers, then texts byte by byte, or as the
// collator orders them when there is one.
int compareKeys(const QVariant& a, const QVariant& b, const std::optional<QCollator>& collator) {
    const auto rank = [](const QVariant& v) {
        if (v.isNull())
            return 0;
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Double:
        case QMetaType::Bool:
            return 1;
        default:
            return 2;
        }
    };
    const int ra = rank(a);
    const int rb = rank(b);
    if (ra != rb)
        return ra < rb ? -1 : 1;
    if (ra == 0)
        return 0;
    if (ra == 1) {
        const double da = a.toDouble();
        const double db = b.toDouble();
        return da < db ? -1 : (da > db ? 1 : 0);
    }
    if (collator)
        return collator->compare(a.toString(), b.toString());
    const QByteArray ua = a.toString().toUtf8();
    const QByteArray ub = b.toString().toUtf8();
    return ua < ub ? -1 : (ua > ub ? 1 : 0);
}

// What no column may hold: the product of figures no one can mean, which would print as "inf"
// and poison every sum it enters.
bool isInfiniteOrUndefined(const QVariant& value) {
    const int type = value.typeId();
    return (type == QMetaType::Double || type == QMetaType::Float) &&
           !std::isfinite(value.toDouble());
}

bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a == b;
}

QString quoted(const QString& name) {
    return u'"' + name + u'"';
}

} // namespace

Table::Table(Database& database, const QString& tableName, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_tableName(tableName)
    , m_schema(Schema::table(tableName)) {}

Table::~Table() = default;

bool Table::open() {
    if (isOpen())
        return true;
    m_lastError.clear();
    if (!m_database.isOpen()) {
        m_lastError = QStringLiteral("Es besteht keine Verbindung zur Datenbank „parzelle.mdb“.");
        return false;
    }
    m_columns = m_database.columnNames(m_tableName);
    if (m_columns.isEmpty()) {
        m_lastError = QStringLiteral("Die Tabelle „%1“ fehlt in der Datenbank.").arg(m_tableName);
        return false;
    }
    m_columnIndex.clear();
    m_columnDefs.clear();
    for (int i = 0; i < m_columns.size(); ++i) {
        // Callers mostly write a name as the database does; that finds it without a copy.
        m_columnIndex.insert(m_columns.at(i), i);
        m_columnIndex.insert(m_columns.at(i).toLower(), i);
        m_columnDefs << (m_schema ? m_schema->column(m_columns.at(i)) : nullptr);
    }

    const QString orderBy = m_schema ? m_schema->orderBy : QString();
    m_orderColumn = orderBy.isEmpty() ? -1 : columnIndex(orderBy);
    m_collator.reset();
    if (!readRows())
        return false;

    m_current = m_rows.isEmpty() ? -1 : 0;
    m_changed.clear();
    m_modified = false;
    m_state = State::Browse;
    loadCurrent();

    ++m_openDepth;
    if (m_rules && m_openDepth == 1)
        m_rules->afterOpen(*this);
    --m_openDepth;
    Q_EMIT opened();
    Q_EMIT stateChanged();
    Q_EMIT currentChanged();
    return isOpen();
}

bool Table::close() {
    if (!isOpen())
        return true;
    if (m_rules)
        m_rules->beforeClose(*this);
    if (isEditing())
        checkBrowseMode();
    const bool stored = !isEditing();
    if (!stored)
        cancel();
    m_state = State::Inactive;
    m_insert.reset();
    m_rows.clear();
    m_collator.reset(); // an order set for a search lasts until here
    m_current = -1;
    m_values.clear();
    m_stored.clear();
    m_changed.clear();
    m_modified = false;
    Q_EMIT closed();
    Q_EMIT stateChanged();
    Q_EMIT currentChanged();
    return stored;
}

bool Table::reopen() {
    close();
    return open();
}

int Table::rowCount() const {
    return int(m_rows.size()) + (m_state == State::Insert ? 1 : 0);
}

bool Table::first() {
    return moveTo(0);
}

bool Table::prior() {
    return moveTo(std::max(0, m_current - 1));
}

bool Table::next() {
    return moveTo(std::min(int(m_rows.size()) - 1, m_current + 1));
}

bool Table::last() {
    return moveTo(int(m_rows.size()) - 1);
}

bool Table::moveTo(int index) {
    if (!isOpen())
        return false;
    if (index == m_current && m_state == State::Browse)
        return true;
    // A row the rules could not store stays current for correction.
    if (!checkBrowseMode() && isEditing())
        return false;
    if (m_rows.isEmpty())
        return true;
    m_current = std::clamp(index, 0, int(m_rows.size()) - 1);
    loadCurrent();
    Q_EMIT currentChanged();
    return true;
}

bool Table::locate(const QString& column, const QVariant& value, Qt::CaseSensitivity cs) {
    const int c = columnIndex(column);
    if (!isOpen() || c < 0)
        return false;
    QString error;
    const QVariant rowId = m_database.scalar(
        QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ?%3 ORDER BY rowid LIMIT 1")
            .arg(quoted(m_tableName), quoted(m_columns.at(c)),
                 cs == Qt::CaseInsensitive ? QStringLiteral(" COLLATE NOCASE") : QString()),
        {toStorage(c, value)}, &error);
    if (!rowId.isValid())
        return false;
    const int index = indexOfRowId(rowId.toLongLong());
    return index >= 0 && moveTo(index);
}

bool Table::setOrder(const QString& column, const std::optional<QCollator>& collator) {
    const int c = columnIndex(column);
    if (!isOpen() || c < 0)
        return false;
    if (!checkBrowseMode() && isEditing())
        return false;
    const qint64 current = currentRowId();
    const int previousColumn = m_orderColumn;
    const std::optional<QCollator> previousCollator = m_collator;
    m_orderColumn = c;
    m_collator = collator;
    if (!readRows()) { // the rows are left as they were
        m_orderColumn = previousColumn;
        m_collator = previousCollator;
        return false;
    }
    const int found = indexOfRowId(current);
    m_current = found >= 0 ? found : (m_rows.isEmpty() ? -1 : 0);
    loadCurrent();
    Q_EMIT rowsChanged();
    Q_EMIT currentChanged();
    return true;
}

int Table::indexWhere(const QString& column,
                      const std::function<bool(const QVariant&)>& test) const {
    const int c = columnIndex(column);
    if (!isOpen() || c < 0 || c != m_orderColumn)
        return -1;
    // The rows' keys are the stored values of this column, already in memory.
    for (int i = 0; i < m_rows.size(); ++i) {
        // The current row counts with what it holds now, stored or not.
        if (test(i == m_current ? m_values.value(c) : fromStorage(c, m_rows.at(i).key)))
            return i;
    }
    return -1;
}

bool Table::hasColumn(const QString& column) const {
    return columnIndex(column) >= 0;
}

QVariant Table::value(const QString& column) const {
    const int c = columnIndex(column);
    return c >= 0 && c < m_values.size() ? m_values.at(c) : QVariant();
}

bool Table::isNull(const QString& column) const {
    return value(column).isNull();
}

double Table::number(const QString& column) const {
    return value(column).toDouble();
}

QString Table::text(const QString& column) const {
    return value(column).toString();
}

bool Table::flag(const QString& column) const {
    return value(column).toBool();
}

QDate Table::date(const QString& column) const {
    return value(column).toDate();
}

bool Table::setValue(const QString& column, const QVariant& value) {
    const int c = columnIndex(column);
    if (!isOpen() || c < 0) {
        qWarning("Table %s: cannot set column %s", qPrintable(m_tableName), qPrintable(column));
        return false;
    }
    const QVariant v = normalized(c, value);
    if (isInfiniteOrUndefined(v)) {
        m_lastError = QStringLiteral("Die Spalte „%1“ kann keinen unendlichen oder undefinierten "
                                     "Wert aufnehmen; sie behält ihren bisherigen Wert.")
                          .arg(m_columns.at(c));
        qWarning("Table %s: refused a value that is no finite number for column %s",
                 qPrintable(m_tableName), qPrintable(m_columns.at(c)));
        return false;
    }
    if (m_state == State::Browse) {
        if (m_rows.isEmpty() || !sameValue(m_values.value(c), v))
            edit();
        if (!isEditing())
            return false;
    }
    if (sameValue(m_values.value(c), v))
        return true;
    m_values[c] = v;
    m_changed.insert(c);
    m_modified = true;
    if (m_rules)
        m_rules->valueChanged(*this, m_columns.at(c));
    Q_EMIT valueChanged(m_columns.at(c));
    return true;
}

void Table::revert(const QString& column) {
    const int c = columnIndex(column);
    if (!isEditing() || c < 0)
        return;
    m_values[c] = m_stored.value(c);
    m_changed.remove(c);
    Q_EMIT valueChanged(m_columns.at(c));
}

void Table::edit() {
    if (!isOpen() || isEditing())
        return;
    if (m_rows.isEmpty()) {
        insert();
        return;
    }
    m_stored = m_values;
    m_changed.clear();
    m_modified = false;
    setState(State::Edit);
}

void Table::insert() {
    if (!isOpen())
        return;
    if (!checkBrowseMode())
        return;
    if (m_rules)
        m_rules->beforeInsert(*this);
    if (!isOpen() || isEditing())
        return;
    m_returnPosition = m_current;
    m_current = int(m_rows.size());
    m_values = newRowValues();
    m_stored = QVariantList(m_values.size());
    m_changed.clear();
    setState(State::Insert);
    Q_EMIT currentChanged();
    if (m_rules)
        m_rules->newRecord(*this);
    // What the defaults filled in is nobody's input: left as it is, the row is dropped.
    m_modified = false;
}

bool Table::post() {
    if (!isEditing())
        return true;
    m_lastError.clear();
    if (m_rules && !m_rules->beforePost(*this))
        return false;
    const QString error = m_state == State::Insert ? insertRow() : updateRow();
    if (!error.isEmpty()) {
        m_lastError = error;
        if (m_rules)
            m_rules->postFailed(*this, error);
        return false;
    }
    m_stored = m_values;
    m_changed.clear();
    m_modified = false;
    setState(State::Browse);
    Q_EMIT rowsChanged();
    return true;
}

void Table::cancel() {
    if (!isEditing())
        return;
    if (m_state == State::Insert) {
        m_current = m_rows.isEmpty() ? -1 : std::clamp(m_returnPosition, 0, int(m_rows.size()) - 1);
        m_changed.clear();
        m_modified = false;
        m_state = State::Browse;
        loadCurrent();
    } else {
        m_values = m_stored;
        m_changed.clear();
        m_modified = false;
        m_state = State::Browse;
    }
    Q_EMIT stateChanged();
    Q_EMIT currentChanged();
}

bool Table::remove() {
    if (!isOpen())
        return false;
    if (m_state == State::Insert) {
        cancel();
        return true;
    }
    if (m_rows.isEmpty())
        return false;
    const QString error = m_database.execute(
        QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(m_tableName)),
        {m_rows.at(m_current).rowId});
    if (!error.isEmpty()) {
        m_lastError = error;
        return false;
    }
    m_rows.removeAt(m_current);
    m_current = m_rows.isEmpty() ? -1 : std::min(m_current, int(m_rows.size()) - 1);
    m_changed.clear();
    m_modified = false;
    m_state = State::Browse;
    loadCurrent();
    Q_EMIT stateChanged();
    Q_EMIT rowsChanged();
    Q_EMIT currentChanged();
    return true;
}

bool Table::checkBrowseMode() {
    if (!isEditing())
        return true;
    if (!m_modified && m_changed.isEmpty()) {
        cancel();
        return true;
    }
    return post();
}

qint64 Table::currentRowId() const {
    return m_state == State::Insert ? -1 : rowIdAt(m_current);
}

qint64 Table::rowIdAt(int index) const {
    return index >= 0 && index < m_rows.size() ? m_rows.at(index).rowId : -1;
}

int Table::indexOfRowId(qint64 rowId) const {
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).rowId == rowId)
            return i;
    }
    return -1;
}

QList<QVariantList> Table::storedRows(int first, int count) const {
    first = std::max(first, 0);
    const int end = std::min(first + std::max(count, 0), int(m_rows.size()));
    QList<QVariantList> rows;
    if (first >= end)
        return rows;
    QStringList marks;
    QVariantList ids;
    for (int i = first; i < end; ++i) {
        marks << QStringLiteral("?");
        ids << m_rows.at(i).rowId;
    }
    QSqlQuery query(m_database.connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid IN (%2)")
                      .arg(quoted(m_tableName), marks.join(u',')));
    for (const QVariant& id : ids)
        query.addBindValue(id);
    QHash<qint64, QVariantList> byId;
    if (query.exec()) {
        while (query.next()) {
            QVariantList values(m_columns.size());
            for (int c = 0; c < m_columns.size(); ++c)
                values[c] = fromStorage(c, query.value(c + 1));
            byId.insert(query.value(0).toLongLong(), values);
        }
    }
    rows.reserve(end - first);
    for (int i = first; i < end; ++i)
        rows << byId.value(m_rows.at(i).rowId, QVariantList(m_columns.size()));
    return rows;
}

bool Table::readRows() {
    const QString key =
        m_orderColumn >= 0 ? quoted(m_columns.at(m_orderColumn)) : QStringLiteral("NULL");
    QString sql = QStringLiteral("SELECT rowid, %1 FROM %2").arg(key, quoted(m_tableName));
    sql += m_orderColumn >= 0 ? QStringLiteral(" ORDER BY %1, rowid").arg(key)
                              : QStringLiteral(" ORDER BY rowid");
    QSqlQuery query(m_database.connection());
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        m_lastError = EngineError::text(query.lastError());
        return false;
    }
    m_rows.clear();
    while (query.next())
        m_rows.append({query.value(0).toLongLong(), query.value(1)});
    query.finish();
    // The engine knows only byte order; a language's order is applied here.
    if (m_collator)
        std::sort(m_rows.begin(), m_rows.end(),
                  [this](const RowRef& a, const RowRef& b) { return ordersBefore(a, b); });
    return true;
}

bool Table::ordersBefore(const RowRef& a, const RowRef& b) const {
    const int c = compareKeys(a.key, b.key, m_collator);
    return c != 0 ? c < 0 : a.rowId < b.rowId;
}

int Table::columnIndex(const QString& column) const {
    const auto exact = m_columnIndex.constFind(column);
    return exact != m_columnIndex.constEnd() ? exact.value()
                                             : m_columnIndex.value(column.toLower(), -1);
}

QVariant Table::fromStorage(int column, const QVariant& stored) const {
    if (stored.isNull())
        return {};
    const Column* def = m_columnDefs.value(column);
    if (!def)
        return stored;
    switch (def->type) {
    case ColumnType::Boolean:
        return stored.toBool();
    case ColumnType::Double:
        return stored.toDouble();
    case ColumnType::Integer:
        return stored.toLongLong();
    case ColumnType::Date:
        return QDate::fromString(stored.toString().left(10), Qt::ISODate);
    case ColumnType::Text:
    case ColumnType::Memo:
        return stored.toString();
    }
    return stored;
}

QVariant Table::toStorage(int column, const QVariant& value) const {
    if (value.isNull())
        return QVariant();
    const Column* def = m_columnDefs.value(column);
    if (def && def->type == ColumnType::Boolean)
        return value.toBool() ? 1 : 0;
    if (def && def->type == ColumnType::Date)
        return value.toDate().toString(Qt::ISODate);
    return value;
}

QVariant Table::normalized(int column, const QVariant& value) const {
    if (value.isNull())
        return {};
    const Column* def = m_columnDefs.value(column);
    if (!def)
        return value;
    switch (def->type) {
    case ColumnType::Text: {
        // What the program writes itself is cut to the column; windows refuse longer input.
        // An emptied text is stored as no text at all.
        const QString text = value.toString();
        if (text.isEmpty())
            return {};
        return def->size > 0 && text.size() > def->size ? text.left(def->size) : text;
    }
    case ColumnType::Memo:
        return value.toString().isEmpty() ? QVariant() : value.toString();
    case ColumnType::Double: {
        if (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
            return {};
        bool ok = false;
        const double d = value.toDouble(&ok);
        return ok ? QVariant(d) : QVariant();
    }
    case ColumnType::Integer: {
        bool ok = false;
        const qlonglong i = value.toLongLong(&ok);
        return ok ? QVariant(i) : QVariant();
    }
    case ColumnType::Boolean:
        return value.toBool();
    case ColumnType::Date: {
        const QDate d = value.typeId() == QMetaType::QString
                            ? QDate::fromString(value.toString().left(10), Qt::ISODate)
                            : value.toDate();
        return d.isValid() ? QVariant(d) : QVariant();
    }
    }
    return value;
}

QVariantList Table::newRowValues() const {
    QVariantList values(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column* def = m_columnDefs.value(i);
        if (!def)
            continue;
        if (def->type == ColumnType::Double)
            values[i] = 0.0;
        else if (def->type == ColumnType::Integer)
            values[i] = qlonglong(0);
        else if (def->type == ColumnType::Boolean)
            values[i] = false;
    }
    return values;
}

void Table::loadCurrent() {
    m_values = QVariantList(m_columns.size());
    if (m_current >= 0 && m_current < m_rows.size()) {
        QSqlQuery query(m_database.connection());
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoted(m_tableName)));
        query.addBindValue(m_rows.at(m_current).rowId);
        if (query.exec() && query.next()) {
            for (int i = 0; i < m_columns.size(); ++i)
                m_values[i] = fromStorage(i, query.value(i));
        }
    }
    m_stored = m_values;
}

QString Table::insertRow() {
    if (!m_insert) {
        QStringList names;
        QStringList marks;
        for (const QString& column : std::as_const(m_columns)) {
            names << quoted(column);
            marks << QStringLiteral("?");
        }
        m_insert = std::make_unique<QSqlQuery>(m_database.connection());
        if (!m_insert->prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(quoted(m_tableName), names.join(u','), marks.join(u',')))) {
            const QString error = EngineError::text(m_insert->lastError());
            m_insert.reset();
            return error;
        }
    }
    for (int i = 0; i < m_columns.size(); ++i)
        m_insert->bindValue(i, toStorage(i, m_values.at(i)));
    if (!m_insert->exec())
        return EngineError::text(m_insert->lastError());
    placeCurrentRow(m_insert->lastInsertId().toLongLong());
    return {};
}

QString Table::updateRow() {
    if (m_changed.isEmpty())
        return {};
    QList<int> changed(m_changed.begin(), m_changed.end());
    std::sort(changed.begin(), changed.end());
    QStringList assignments;
    QVariantList values;
    for (int c : changed) {
        assignments << quoted(m_columns.at(c)) + QStringLiteral(" = ?");
        values << toStorage(c, m_values.at(c));
    }
    values << m_rows.at(m_current).rowId;
    const QString error = m_database.execute(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                                 .arg(quoted(m_tableName), assignments.join(u',')),
                                             values);
    if (!error.isEmpty())
        return error;
    if (m_orderColumn >= 0 && m_changed.contains(m_orderColumn)) {
        const qint64 rowId = m_rows.at(m_current).rowId;
        m_rows.removeAt(m_current);
        placeCurrentRow(rowId);
    }
    return {};
}

void Table::placeCurrentRow(qint64 rowId) {
    const QVariant key =
        m_orderColumn >= 0 ? toStorage(m_orderColumn, m_values.at(m_orderColumn)) : QVariant();
    const RowRef row{rowId, key};
    const auto at =
        std::upper_bound(m_rows.begin(), m_rows.end(), row,
                         [this](const RowRef& a, const RowRef& b) { return ordersBefore(a, b); });
    m_current = int(at - m_rows.begin());
    m_rows.insert(at, row);
}

void Table::setState(State state) {
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged();
}
