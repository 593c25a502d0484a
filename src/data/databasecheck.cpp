#include "data/databasecheck.h"

#include "data/schema.h"
#include "data/sqliteconnection.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <sqlite3.h>

namespace {

struct Answer {
    QString text; // first column of the first row
    QString error;
};

Answer ask(sqlite3* db, const char* sql) {
    Answer answer;
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(statement);
        if (rc == SQLITE_ROW)
            answer.text =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    }
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        answer.error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(statement);
    return answer;
}

Database::OpenResult refuse(Database::OpenStatus status, const QString& sentence,
                            const QString& filePath) {
    return {status, sentence.arg(QDir::toNativeSeparators(filePath)) +
                        QStringLiteral("\nDie Datei wurde nicht verändert.")};
}

// The nine tables of the layout; a file without our mark is ours only when it has all of them,
// as the program's first versions left it.
int knownTables(sqlite3* db) {
    QStringList names;
    for (const TableSchema& table : Schema::tables())
        names << QStringLiteral("'%1'").arg(table.name.toLower());
    const QByteArray sql = QStringLiteral("SELECT count(DISTINCT lower(name)) FROM sqlite_master "
                                          "WHERE type = 'table' AND lower(name) IN (%1)")
                               .arg(names.join(u','))
                               .toUtf8();
    return ask(db, sql.constData()).text.toInt();
}

} // namespace

namespace DatabaseCheck {

Database::OpenResult inspect(sqlite3* db, const QString& filePath, bool allowEmpty) {
    using Status = Database::OpenStatus;
    const Answer check = ask(db, "PRAGMA quick_check(1)");
    if (!check.error.isEmpty()) {
        if (check.error.contains(QLatin1String("not a database"), Qt::CaseInsensitive))
            return refuse(Status::NotADatabase,
                          QStringLiteral("Die Datei „%1“ ist keine Datenbank:\n") + check.error,
                          filePath);
        return refuse(Status::Damaged,
                      QStringLiteral("Die Datenbank „%1“ ist beschädigt oder nicht lesbar:\n") +
                          check.error,
                      filePath);
    }
    if (check.text != QStringLiteral("ok"))
        return refuse(Status::Damaged,
                      QStringLiteral("Die Datenbank „%1“ ist beschädigt:\n") + check.text,
                      filePath);

    const int applicationId = ask(db, "PRAGMA application_id").text.toInt();
    if (applicationId == Schema::applicationId) {
        if (ask(db, "PRAGMA user_version").text.toInt() > Schema::version)
            return refuse(Status::NewerVersion,
                          QStringLiteral("Die Datenbank „%1“ wurde von einer neueren Version von "
                                         "Lunetra geschrieben und kann mit dieser Version nicht "
                                         "bearbeitet werden.\nBitte verwenden Sie die neuere "
                                         "Version."),
                          filePath);
        return {};
    }
    const bool hasTables = ask(db, "SELECT count(*) FROM sqlite_master").text.toInt() > 0;
    if (applicationId == 0 && !hasTables) {
        if (allowEmpty)
            return {};
        return refuse(Status::Empty,
                      QStringLiteral("Die Datei „%1“ ist leer; sie enthält keine Daten."),
                      filePath);
    }
    if (applicationId == 0 && knownTables(db) == int(Schema::tables().size()))
        return {}; // an older database of ours: the upgrade brings it up to date
    return refuse(Status::ForeignFile,
                  QStringLiteral("Die Datei „%1“ ist die Datenbank eines anderen Programms und "
                                 "wird nicht geöffnet."),
                  filePath);
}

Database::OpenResult inspectFile(const QString& filePath) {
    const QFileInfo info(filePath);
    if (!info.exists() || !info.isFile())
        return {Database::OpenStatus::Missing, QStringLiteral("Die Datei „%1“ gibt es nicht.")
                                                   .arg(QDir::toNativeSeparators(filePath))};
    SqliteConnection connection;
    if (!connection.open(info.absoluteFilePath(), SQLITE_OPEN_READONLY))
        return {Database::OpenStatus::NotADatabase,
                QStringLiteral("Die Datei „%1“ kann nicht gelesen werden:\n%2")
                    .arg(QDir::toNativeSeparators(filePath), connection.error())};
    return inspect(connection.handle(), filePath);
}

} // namespace DatabaseCheck
