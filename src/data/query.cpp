#include "data/query.h"

#include "data/database.h"
#include "data/engineerror.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

namespace {

// The statement prepared on the connection, or nothing with the reason in `error`.
std::optional<QSqlQuery> prepared(Database& database, const QString& sql, QString& error) {
    error.clear();
    if (!database.isOpen()) {
        error = QStringLiteral("Keine Verbindung zur Datenbank.");
        return std::nullopt;
    }
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        error = EngineError::text(query.lastError());
        return std::nullopt;
    }
    return query;
}

} // namespace

Query::Query(Database& database, const QStringList& initialSql)
    : m_database(database)
    , m_lines(initialSql) {}

void Query::setSql(const QStringList& lines) {
    close();
    m_lines = lines;
    m_binds.clear();
}

bool Query::open() {
    close();
    std::optional<QSqlQuery> query = prepared(m_database, sql(), m_lastError);
    if (!query)
        return false;
    for (const QVariant& value : m_binds)
        query->addBindValue(value);
    if (!query->exec()) {
        m_lastError = EngineError::text(query->lastError());
        return false;
    }
    if (query->isSelect()) {
        const QSqlRecord record = query->record();
        for (int i = 0; i < record.count(); ++i) {
            QString field = record.fieldName(i);
            // The later of two same-named columns is reached as name_1.
            const QString base = field;
            for (int n = 1; m_fieldIndex.contains(field.toLower()); ++n)
                field = base + QStringLiteral("_%1").arg(n);
            // Callers mostly write a name as the engine does; that finds it without a copy.
            m_fieldIndex.insert(field, i);
            m_fieldIndex.insert(field.toLower(), i);
            m_fields << field;
        }
        while (query->next()) {
            QVariantList row(record.count());
            for (int i = 0; i < record.count(); ++i)
                row[i] = query->value(i);
            m_rows << row;
        }
    }
    query->finish();
    m_open = true;
    m_current = 0;
    return true;
}

bool Query::runForEach(const QList<QVariantList>& valueLists) {
    close();
    std::optional<QSqlQuery> query = prepared(m_database, sql(), m_lastError);
    if (!query)
        return false;
    for (const QVariantList& values : valueLists) {
        for (int v = 0; v < values.size(); ++v)
            query->bindValue(v, values.at(v));
        if (!query->exec()) {
            m_lastError = EngineError::text(query->lastError());
            return false;
        }
    }
    query->finish();
    return true;
}

void Query::close() {
    m_open = false;
    m_fields.clear();
    m_fieldIndex.clear();
    m_rows.clear();
    m_current = 0;
}

bool Query::moveTo(int index) {
    if (index < 0 || index >= m_rows.size())
        return false;
    m_current = index;
    return true;
}

QVariant Query::value(const QString& field) const {
    return valueAt(m_current, field);
}

QVariant Query::valueAt(int index, const QString& field) const {
    const auto exact = m_fieldIndex.constFind(field);
    const int i =
        exact != m_fieldIndex.constEnd() ? exact.value() : m_fieldIndex.value(field.toLower(), -1);
    if (i < 0 || index < 0 || index >= m_rows.size())
        return {};
    return m_rows.at(index).at(i);
}

double Query::number(const QString& field) const {
    return value(field).toDouble();
}

QString Query::text(const QString& field) const {
    return value(field).toString();
}

bool Query::flag(const QString& field) const {
    return value(field).toBool();
}
