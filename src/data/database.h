#pragma once

#include <QLockFile>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <memory>

struct sqlite3;

// The boundary to the SQL engine: the one connection to the database file, opened without
// ever creating a file by accident, checked before anything is written, and kept to one
// program per file.
class Database {
public:
    enum class OpenMode { ExistingFile, CreateFile };
    enum class OpenStatus {
        Opened,
        Missing,
        InUse,
        Empty,
        NotADatabase,
        Damaged,
        ForeignFile,
        NewerVersion
    };

    struct OpenResult {
        OpenStatus status = OpenStatus::Opened;
        QString message; // German text for the user; empty when opened

        bool ok() const { return status == OpenStatus::Opened; }
    };

    explicit Database(const QString& connectionName);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    OpenResult open(const QString& filePath, OpenMode mode);
    void close();
    bool isOpen() const;
    QString filePath() const { return m_filePath; }

    QSqlDatabase connection() const;
    // The engine's own handle, for what only its C interface offers (online backup).
    sqlite3* handle() const;

    // Runs one statement with bound values; returns the engine's error text, empty on success.
    QString execute(const QString& sql, const QVariantList& values = {},
                    int* rowsAffected = nullptr);
    // First column of the first row of a select; invalid when there is none or on error.
    QVariant scalar(const QString& sql, const QVariantList& values = {}, QString* error = nullptr);

    // Column names of a table as the database holds them, in their order.
    QStringList columnNames(const QString& table);

    // Marks the file as a database of this program and version.
    void stampVersion();

    // Tries a write that is taken back at once; returns the engine's error text when the file
    // cannot be written (write-protected, full disk, no right to write in its folder), empty
    // when it can. Call it outside a transaction.
    QString tryWrite();

    // Savepoint names for nested transactions.
    int enterTransaction() { return ++m_transactionDepth; }
    void leaveTransaction() { --m_transactionDepth; }

private:
    void registerFunctions();

    QString m_connectionName;
    QString m_filePath;
    std::unique_ptr<QLockFile> m_lock;
    int m_transactionDepth = 0;
};
