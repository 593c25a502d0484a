#pragma once

#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariant>

class Database;

// A reusable query object of the data module: its text is replaced line by line, then it
// is opened. A select keeps its rows as a snapshot of that moment; any other statement
// simply runs. Where a join yields two columns of one name, the later one is addressed with
// the suffix "_1" (reserve1_1, Ort_1).
class Query {
public:
    Query(Database& database, const QStringList& initialSql);

    // Replaces the statement's text, one line per entry, and drops the bind values.
    void setSql(const QStringList& lines);
    // Values for the statement's "?" placeholders, in order; kept until the text changes.
    void setBindValues(const QVariantList& values) { m_binds = values; }

    // Runs the statement. Returns false, with the engine's text in lastError(), on failure.
    bool open();
    // Runs a statement that changes data once for each list of values, prepared once. Stops
    // at the first failure and returns false, with the engine's text in lastError().
    bool runForEach(const QList<QVariantList>& valueLists);
    void close();
    bool isOpen() const { return m_open; }
    QString lastError() const { return m_lastError; }

    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int position() const { return m_current; }
    void first() { m_current = 0; }
    void next() { ++m_current; }
    bool atEnd() const { return m_current >= m_rows.size(); }
    bool moveTo(int index);

    QStringList fieldNames() const { return m_fields; }
    // A field of any row, without moving the current one.
    QVariant valueAt(int index, const QString& field) const;
    QVariant value(const QString& field) const;
    double number(const QString& field) const; // empty reads as 0
    QString text(const QString& field) const;
    bool flag(const QString& field) const;

private:
    QString sql() const { return m_lines.join(u'\n'); }

    Database& m_database;
    QStringList m_lines;
    QVariantList m_binds;
    bool m_open = false;
    QString m_lastError;
    QStringList m_fields;
    QHash<QString, int> m_fieldIndex; // the name as the engine gives it, and in lower case
    QList<QVariantList> m_rows;
    int m_current = 0;
};
