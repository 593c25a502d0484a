#include "data/transaction.h"

#include "data/database.h"

Transaction::Transaction(Database& database)
    : m_database(database) {
    m_savepoint = QStringLiteral("unit%1").arg(m_database.enterTransaction());
    m_error = m_database.execute(QStringLiteral("SAVEPOINT ") + m_savepoint);
    m_active = m_error.isEmpty();
    if (!m_active)
        m_database.leaveTransaction();
}

Transaction::~Transaction() {
    rollback();
}

bool Transaction::commit() {
    if (!m_active)
        return false;
    m_error = m_database.execute(QStringLiteral("RELEASE ") + m_savepoint);
    if (!m_error.isEmpty()) {
        rollback();
        return false;
    }
    m_active = false;
    m_database.leaveTransaction();
    return true;
}

void Transaction::rollback() {
    if (!m_active)
        return;
    m_database.execute(QStringLiteral("ROLLBACK TO ") + m_savepoint);
    m_database.execute(QStringLiteral("RELEASE ") + m_savepoint);
    m_active = false;
    m_database.leaveTransaction();
}
