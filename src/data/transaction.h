#pragma once

#include <QString>

class Database;

// A unit of work: everything done while it lives is committed together by commit(), or
// rolled back when it goes out of scope without. Units nest.
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isActive() const { return m_active; }
    // Returns false, with the engine's text in error(), when the work could not be stored.
    bool commit();
    void rollback();
    QString error() const { return m_error; }

private:
    Database& m_database;
    QString m_savepoint;
    QString m_error;
    bool m_active = false;
};
