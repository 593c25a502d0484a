#include "support/testfolder.h"

#include "data/database.h"
#include "data/newdatabase.h"
#include "data/schema.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTest>

TestFolder::TestFolder()
    : m_previous(QDir::currentPath()) {
    QDir::setCurrent(m_dir.path());
}

TestFolder::~TestFolder() {
    QDir::setCurrent(m_previous);
}

QString TestFolder::databasePath() const {
    return m_dir.filePath(QStringLiteral("parzelle.mdb"));
}

void TestFolder::createDatabase() const {
    Database db(QStringLiteral("testfolder"));
    QVERIFY(db.open(databasePath(), Database::OpenMode::CreateFile).ok());
    QCOMPARE(NewDatabase::create(db, QDate::currentDate().year()), QString());
}

void TestFolder::createOlderDatabase() const {
    Database db(QStringLiteral("testfolder"));
    QVERIFY(db.open(databasePath(), Database::OpenMode::CreateFile).ok());
    for (const TableSchema& table : Schema::tables()) {
        QStringList columns;
        for (const Column& column : table.columns) {
            if (column.addedByStep != 0)
                continue;
            Column old = column;
            if (old.widenedByStep != 0)
                old.size = old.sizeBefore;
            columns << old.sqlDefinition();
        }
        QCOMPARE(db.execute(QStringLiteral("CREATE TABLE %1 (%2)")
                                .arg(table.name, columns.join(QStringLiteral(", ")))),
                 QString());
    }
    for (const char* statement :
         {"INSERT INTO param (Verein, Beitrag) VALUES ('Gartenfreunde Nord', 25)",
          "INSERT INTO nfelder (reserve1) VALUES ('Wegebau')",
          "INSERT INTO hauptanfangsw (nr, anfangswert, Jahr) VALUES ('1', 100, '2024')",
          "INSERT INTO handanfangsw (nr, anfangswert, Jahr) VALUES ('1', 10, '2024')",
          "INSERT INTO parzelle (Nr, Name, sza, szn, Strom) VALUES ('7', 'Müller', 100, 250, 150)",
          "INSERT INTO hauptkasse (lfd_nr, datum, Art, Einnahme, monat) "
          "VALUES (1, '2024-03-07', '1', 50, '03.2024')",
          "INSERT INTO handkasse (lfd_nr, datum, Art, Ausgabe, monat) "
          "VALUES (1, '2024-03-08', '20', 5, '03.2024')",
          "INSERT INTO konto (art, bezeichnung, einzahlung) VALUES ('1', 'Beiträge', 1)",
          "INSERT INTO syskonto (art, bezeichnung, einzahlung) VALUES ('45', 'Wegebau', 0)"})
        QCOMPARE(db.execute(QString::fromUtf8(statement)), QString());
}

void TestFolder::execute(const QStringList& statements) const {
    Database db(QStringLiteral("testfolder"));
    QVERIFY(db.open(databasePath(), Database::OpenMode::ExistingFile).ok());
    for (const QString& statement : statements)
        QCOMPARE(db.execute(statement), QString());
}

QVariant TestFolder::scalar(const QString& sql) const {
    Database db(QStringLiteral("testfolder"));
    if (!db.open(databasePath(), Database::OpenMode::ExistingFile).ok())
        return {};
    return db.scalar(sql);
}

QByteArray TestFolder::fileContent() const {
    QFile file(databasePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
