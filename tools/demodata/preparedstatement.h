#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

class Database;

// One statement prepared once and run for many rows: thousands of plots and entries must go in
// within seconds, and every value is bound, never spliced into the text.
class PreparedStatement {
public:
    PreparedStatement(Database& database, const QString& sql);

    // Binds the values by position and runs the statement; returns the engine's error text,
    // empty on success.
    QString run(const QVariantList& values);

    static QString insertInto(const QString& table, const QStringList& columns);
    static QString update(const QString& table, const QStringList& columns,
                          const QString& condition = {});

private:
    QSqlQuery m_query;
    QString m_prepareError;
};
