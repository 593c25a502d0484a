#include "yearend/databasecopy.h"

#include "data/database.h"
#include "data/databasecheck.h"
#include "data/engineerror.h"
#include "data/schema.h"
#include "data/sqliteconnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <unistd.h>

namespace {

using RowCounts = QHash<QString, qint64>;

// Opens a connection that waits up to five seconds for a lock held elsewhere.
bool open(SqliteConnection& connection, const QString& path, int flags) {
    if (!connection.open(path, flags))
        return false;
    sqlite3_busy_timeout(connection.handle(), 5000);
    return true;
}

bool run(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Rows of each of the program's tables that the database holds.
bool countRows(sqlite3* db, RowCounts& counts, QString& error) {
    for (const TableSchema& table : Schema::tables()) {
        const QByteArray sql =
            QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table.name).toUtf8();
        sqlite3_stmt* statement = nullptr;
        int rc = sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr);
        if (rc == SQLITE_OK)
            rc = sqlite3_step(statement);
        if (rc == SQLITE_ROW)
            counts.insert(table.name, sqlite3_column_int64(statement, 0));
        sqlite3_finalize(statement);
        if (rc != SQLITE_ROW) {
            error = QString::fromUtf8(sqlite3_errmsg(db));
            return false;
        }
    }
    return true;
}

QString backup(sqlite3* source, sqlite3* target) {
    sqlite3_backup* copy = sqlite3_backup_init(target, "main", source, "main");
    if (!copy)
        return QString::fromUtf8(sqlite3_errmsg(target));
    // A lock held elsewhere gets five seconds to go; then the copy gives up rather than wait.
    int rc = SQLITE_OK;
    for (int attempts = 0; attempts < 100; ++attempts) {
        rc = sqlite3_backup_step(copy, -1);
        if (rc != SQLITE_OK && rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
            break;
        if (rc != SQLITE_OK)
            sqlite3_sleep(50);
    }
    sqlite3_backup_finish(copy);
    if (rc != SQLITE_DONE)
        return QString::fromUtf8(sqlite3_errstr(rc));
    return {};
}

// The copy must be a sound database of ours holding as many rows as the original.
QString verify(sqlite3* copy, const QString& path, const RowCounts& expected) {
    const Database::OpenResult checked = DatabaseCheck::inspect(copy, path);
    if (!checked.ok())
        return checked.message;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(copy, "PRAGMA application_id", -1, &statement, nullptr);
    const bool ours = sqlite3_step(statement) == SQLITE_ROW &&
                      sqlite3_column_int(statement, 0) == Schema::applicationId;
    sqlite3_finalize(statement);
    if (!ours)
        return QStringLiteral("Die Kopie trägt nicht die Kennung einer Lunetra-Datenbank.");
    RowCounts counts;
    QString error;
    if (!countRows(copy, counts, error))
        return error;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (counts.value(it.key(), -1) != it.value())
            return QStringLiteral("In der Kopie hat die Tabelle „%1“ %2 statt %3 Zeilen.")
                .arg(it.key())
                .arg(counts.value(it.key(), 0))
                .arg(it.value());
    }
    return {};
}

// Writes the file's data through to the disk; an error text, empty on success.
QString flushToDisk(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const int rc = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    return rc == 0 ? QString() : QString::fromLocal8Bit(std::strerror(error));
}

// A renamed file survives a power cut only once its folder is written through too.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

namespace DatabaseCopy {

QString write(Database& live, const QString& targetPath) {
    const QFileInfo target(targetPath);
    const QString folder = target.absolutePath();

    // While a unit of work is open on the program's own connection, the engine cannot copy
    // from it; a second, reading connection sees the last committed state instead.
    SqliteConnection reader;
    sqlite3* source = live.handle();
    if (!source)
        return QStringLiteral("Es besteht keine Verbindung zur Datenbank.");
    if (!sqlite3_get_autocommit(source)) {
        if (!open(reader, live.filePath(), SQLITE_OPEN_READONLY))
            return EngineError::describe(reader.error());
        source = reader.handle();
        if (!run(source, "BEGIN"))
            return EngineError::describe(reader.error());
    }

    RowCounts counts;
    QString error;
    if (!countRows(source, counts, error))
        return EngineError::describe(error);

    QTemporaryFile temporary(folder + QStringLiteral("/.") + target.fileName() +
                             QStringLiteral("-XXXXXX"));
    if (!temporary.open())
        return QStringLiteral("Im Ordner „%1“ kann keine Datei angelegt werden:\n%2")
            .arg(QDir::toNativeSeparators(folder), temporary.errorString());
    temporary.close();

    {
        SqliteConnection copy;
        if (!open(copy, temporary.fileName(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE))
            return EngineError::describe(copy.error());
        // Room for every page, so the check after the copy reads the pages just written
        // instead of the disk.
        run(copy.handle(), "PRAGMA cache_size = -262144");
        // A copy that fails is thrown away, so it needs no journal; and it is written through
        // to the disk once, while it is being checked, instead of at the engine's commit.
        run(copy.handle(), "PRAGMA journal_mode = OFF");
        run(copy.handle(), "PRAGMA synchronous = OFF");
        error = backup(source, copy.handle());
        if (!error.isEmpty())
            return EngineError::describe(error);
        std::future<QString> flushed =
            std::async(std::launch::async, flushToDisk, temporary.fileName());
        error = verify(copy.handle(), temporary.fileName(), counts);
        const QString flushError = flushed.get();
        if (!error.isEmpty())
            return QStringLiteral("Die Kopie hat die Prüfung nicht bestanden:\n") + error;
        if (!flushError.isEmpty())
            return QStringLiteral("Die Kopie konnte nicht vollständig auf den Datenträger "
                                  "geschrieben werden:\n") +
                   flushError;
    }

    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return QStringLiteral("Die Kopie konnte nicht unter „%1“ abgelegt werden:\n%2")
            .arg(QDir::toNativeSeparators(target.absoluteFilePath()),
                 QString::fromLocal8Bit(std::strerror(errno)));
    temporary.setAutoRemove(false);
    syncFolder(folder);
    return {};
}

QString readInto(Database& live, const QString& sourcePath) {
    sqlite3* target = live.handle();
    if (!target)
        return QStringLiteral("Es besteht keine Verbindung zur Datenbank.");
    SqliteConnection source;
    if (!open(source, QFileInfo(sourcePath).absoluteFilePath(), SQLITE_OPEN_READONLY))
        return EngineError::describe(source.error());
    const QString error = backup(source.handle(), target);
    return error.isEmpty() ? QString() : EngineError::describe(error);
}

} // namespace DatabaseCopy
