#include "support/databasedump.h"

#include "data/database.h"
#include "data/schema.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

QString databaseDump(Database& database) {
    QStringList lines;
    for (const TableSchema& table : Schema::tables()) {
        QSqlQuery query(database.connection());
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(table.name))) {
            lines << table.name + QStringLiteral(": ") + QStringLiteral("unreadable");
            continue;
        }
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
            lines << table.name + QStringLiteral(": ") + values.join(u'|');
        }
    }
    return lines.join(u'\n');
}
