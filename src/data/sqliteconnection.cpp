#include "data/sqliteconnection.h"

#include <QFile>

#include <sqlite3.h>

SqliteConnection::~SqliteConnection() {
    sqlite3_close(m_db);
}

bool SqliteConnection::open(const QString& path, int flags) {
    sqlite3_close(m_db);
    m_db = nullptr;
    return sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr) == SQLITE_OK;
}

QString SqliteConnection::error() const {
    // Without a handle the engine could not even set one up.
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
}
