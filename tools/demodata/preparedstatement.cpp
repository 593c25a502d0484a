#include "preparedstatement.h"

#include "data/database.h"

#include <QSqlError>

namespace {

QString engineText(const QSqlError& error) {
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

} // namespace

PreparedStatement::PreparedStatement(Database& database, const QString& sql)
    : m_query(database.connection()) {
    if (!m_query.prepare(sql))
        m_prepareError = engineText(m_query.lastError());
}

QString PreparedStatement::run(const QVariantList& values) {
    if (!m_prepareError.isEmpty())
        return m_prepareError;
    for (qsizetype i = 0; i < values.size(); ++i)
        m_query.bindValue(int(i), values.at(i));
    if (!m_query.exec())
        return engineText(m_query.lastError());
    return {};
}

QString PreparedStatement::insertInto(const QString& table, const QStringList& columns) {
    QStringList placeholders;
    for (qsizetype i = 0; i < columns.size(); ++i)
        placeholders << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table, columns.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", ")));
}

QString PreparedStatement::update(const QString& table, const QStringList& columns,
                                  const QString& condition) {
    QStringList assignments;
    for (const QString& column : columns)
        assignments << column + QStringLiteral(" = ?");
    QString sql =
        QStringLiteral("UPDATE %1 SET %2").arg(table, assignments.join(QStringLiteral(", ")));
    if (!condition.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition;
    return sql;
}
