#include "data/database.h"

#include "data/databasecheck.h"
#include "data/engineerror.h"
#include "data/rounding.h"
#include "data/schema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <sqlite3.h>

#include <cmath>

namespace {

void sqlRound(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const double value = sqlite3_value_double(argv[0]);
    // Figures beyond any meaning overflow to infinity; the statement fails rather than store
    // an infinite amount.
    if (!std::isfinite(value)) {
        sqlite3_result_error(context,
                             "Eine Rechnung ergibt keinen endlichen Betrag. Bitte prüfen Sie die "
                             "eingegebenen Beträge, Flächen und Zählerstände.",
                             -1);
        return;
    }
    const int decimals = argc > 1 ? sqlite3_value_int(argv[1]) : 0;
    sqlite3_result_double(context, Rounding::roundHalfEven(value, decimals));
}

QString lockPathFor(const QString& filePath) {
    const QFileInfo info(filePath);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock");
}

} // namespace

Database::Database(const QString& connectionName)
    : m_connectionName(connectionName) {}

Database::~Database() {
    close();
}

Database::OpenResult Database::open(const QString& filePath, OpenMode mode) {
    close();
    m_filePath = QFileInfo(filePath).absoluteFilePath();
    const QString shownPath = QDir::toNativeSeparators(m_filePath);

    // Two programs writing one file would undo each other's work: the first one keeps it.
    auto lock = std::make_unique<QLockFile>(lockPathFor(m_filePath));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError) {
        return {OpenStatus::InUse,
                QStringLiteral("Die Datenbank „%1“ ist bereits in einem anderen Lunetra-Fenster "
                               "geöffnet.\nBitte arbeiten Sie dort weiter; zwei Programme dürfen "
                               "dieselbe Datei nicht gleichzeitig ändern.")
                    .arg(shownPath)};
    }

    QString openError;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        // mode=rw never creates a file; only the explicit choice of a new database does.
        QUrl uri = QUrl::fromLocalFile(m_filePath);
        uri.setQuery(mode == OpenMode::CreateFile ? QStringLiteral("mode=rwc")
                                                  : QStringLiteral("mode=rw"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        if (!db.open())
            openError = EngineError::text(db.lastError());
    }
    if (!openError.isEmpty()) {
        close();
        const bool missing = !QFileInfo::exists(m_filePath);
        return {missing ? OpenStatus::Missing : OpenStatus::NotADatabase,
                QStringLiteral("Die Datenbank „%1“ konnte nicht geöffnet werden:\n%2")
                    .arg(shownPath, openError)};
    }

    // Only reads until the file has proven to be a sound database of ours.
    OpenResult checked = DatabaseCheck::inspect(handle(), m_filePath, mode == OpenMode::CreateFile);
    if (!checked.ok()) {
        close();
        return checked;
    }

    m_lock = std::move(lock);
    // One self-contained file between transactions, written through to the disk.
    execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
    execute(QStringLiteral("PRAGMA synchronous=FULL"));
    registerFunctions();
    return {};
}

void Database::registerFunctions() {
    // The engine's own round goes half away from zero; the program's figures and the SQL
    // ones must agree to the cent.
    if (sqlite3* db = handle()) {
        for (int arguments : {1, 2})
            sqlite3_create_function_v2(db, "round", arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                       nullptr, sqlRound, nullptr, nullptr, nullptr);
    }
}

void Database::close() {
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_lock.reset();
    m_transactionDepth = 0;
}

bool Database::isOpen() const {
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase Database::connection() const {
    return QSqlDatabase::database(m_connectionName, false);
}

sqlite3* Database::handle() const {
    const QVariant value = connection().driver()->handle();
    if (value.isValid() && qstrcmp(value.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(value.constData());
    return nullptr;
}

QString Database::execute(const QString& sql, const QVariantList& values, int* rowsAffected) {
    if (!isOpen())
        return QStringLiteral("Keine Verbindung zur Datenbank.");
    QSqlQuery query(connection());
    if (!query.prepare(sql))
        return EngineError::text(query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return EngineError::text(query.lastError());
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    return {};
}

QVariant Database::scalar(const QString& sql, const QVariantList& values, QString* error) {
    if (!isOpen()) {
        if (error)
            *error = QStringLiteral("Keine Verbindung zur Datenbank.");
        return {};
    }
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    bool ok = query.prepare(sql);
    if (ok) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        ok = query.exec();
    }
    if (!ok) {
        if (error)
            *error = EngineError::text(query.lastError());
        return {};
    }
    return query.next() ? query.value(0) : QVariant();
}

QStringList Database::columnNames(const QString& table) {
    QStringList names;
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table))) {
        while (query.next())
            names << query.value(1).toString();
    }
    return names;
}

void Database::stampVersion() {
    if (scalar(QStringLiteral("PRAGMA application_id")).toInt() != Schema::applicationId)
        execute(QStringLiteral("PRAGMA application_id=%1").arg(Schema::applicationId));
    if (scalar(QStringLiteral("PRAGMA user_version")).toInt() != Schema::version)
        execute(QStringLiteral("PRAGMA user_version=%1").arg(Schema::version));
}

QString Database::tryWrite() {
    QString error = execute(QStringLiteral("BEGIN IMMEDIATE"));
    if (!error.isEmpty())
        return error;
    // Writing the header puts its page into the rollback journal, which is what a full disk
    // or a folder without write permission refuses first; the rollback changes nothing.
    const int version = scalar(QStringLiteral("PRAGMA user_version")).toInt();
    error = execute(QStringLiteral("PRAGMA user_version=%1").arg(version));
    execute(QStringLiteral("ROLLBACK"));
    return error;
}
