#include "data/schemaupgrade.h"

#include "data/database.h"
#include "data/schema.h"
#include "data/transaction.h"

#include <QSqlQuery>
#include <QStringList>

namespace {

bool hasColumn(const QStringList& columns, const QString& name) {
    return columns.contains(name, Qt::CaseInsensitive);
}

void addColumns(Database& database, int step) {
    for (const TableSchema& table : Schema::tables()) {
        QStringList existing;
        for (const Column& column : table.columns) {
            if (column.addedByStep != step)
                continue;
            if (existing.isEmpty())
                existing = database.columnNames(table.name);
            // A missing table stays missing: opening it will say so.
            if (existing.isEmpty() || hasColumn(existing, column.name))
                continue;
            database.execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                                 .arg(table.name, column.sqlDefinition()));
        }
    }
}

// The engine cannot change a column's declared type in place, so the table is laid out anew
// with the wider column and its rows copied over.
bool widenColumns(Database& database, int step) {
    for (const TableSchema& table : Schema::tables()) {
        for (const Column& column : table.columns) {
            if (column.widenedByStep != step)
                continue;
            QSqlQuery info(database.connection());
            info.setForwardOnly(true);
            if (!info.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table.name)))
                continue;
            QStringList definitions;
            bool needed = false;
            while (info.next()) {
                const QString name = info.value(1).toString();
                QString type = info.value(2).toString();
                if (name.compare(column.name, Qt::CaseInsensitive) == 0 &&
                    type.compare(column.sqlType(), Qt::CaseInsensitive) != 0) {
                    type = column.sqlType();
                    needed = true;
                }
                QString definition = u'"' + name + QStringLiteral("\" ") + type;
                if (!info.value(4).isNull())
                    definition += QStringLiteral(" DEFAULT ") + info.value(4).toString();
                definitions << definition;
            }
            info.finish();
            if (!needed)
                continue;
            const QString rebuilt = table.name + QStringLiteral("_widened");
            const QStringList statements = {
                QStringLiteral("CREATE TABLE \"%1\" (%2)")
                    .arg(rebuilt, definitions.join(QStringLiteral(", "))),
                QStringLiteral("INSERT INTO \"%1\" SELECT * FROM \"%2\"").arg(rebuilt, table.name),
                QStringLiteral("DROP TABLE \"%1\"").arg(table.name),
                QStringLiteral("ALTER TABLE \"%1\" RENAME TO \"%2\"").arg(rebuilt, table.name)};
            for (const QString& statement : statements) {
                if (!database.execute(statement).isEmpty())
                    return false; // the step's unit of work is rolled back whole
            }
        }
    }
    return true;
}

} // namespace

namespace SchemaUpgrade {

void run(Database& database) {
    Transaction transaction(database);
    for (int step = 1; step <= Schema::upgradeStepCount; ++step) {
        // A step that fails is skipped; the steps before and after it still count.
        Transaction stepWork(database);
        addColumns(database, step);
        if (widenColumns(database, step))
            stepWork.commit();
    }
    transaction.commit();
}

} // namespace SchemaUpgrade
