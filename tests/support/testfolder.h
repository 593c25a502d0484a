#pragma once

#include <QString>
#include <QTemporaryDir>

class Database;

// A fresh working folder for one test: the program's current directory while it lives.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();

    QString path() const { return m_dir.path(); }
    QString databasePath() const;

    // Writes a new database as a fresh install has it.
    void createDatabase() const;
    // Writes a database as the program's first versions left it: without the columns the
    // upgrade adds and with the association's name limited to 30 characters.
    void createOlderDatabase() const;
    // Runs statements on the database file outside the program's own connection.
    void execute(const QStringList& statements) const;
    QVariant scalar(const QString& sql) const;
    QByteArray fileContent() const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
