#pragma once

#include <QString>

struct sqlite3;

// A connection of its own to a database file, beside the program's, straight through the
// engine's interface; closed when it goes out of scope. Checking a file before it is opened,
// copying a database and reading a copy back need one.
class SqliteConnection {
public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens the file with the engine's open flags (SQLITE_OPEN_READONLY, ...). False on
    // failure; error() then says why.
    bool open(const QString& path, int flags);
    sqlite3* handle() const { return m_db; }
    // The engine's text for the last failure.
    QString error() const;

private:
    sqlite3* m_db = nullptr;
};
