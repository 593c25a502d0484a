#include "support/testfolder.h"

#include "data/database.h"
#include "data/schema.h"

#include <QDate>
#include <QTest>

// What a new database holds before the treasurer has typed anything.
class TestSchema : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyDeclaredColumnExists();
    void columnsTheProgramRelyOn();
    void singleRowTablesHoldOneRow();
    void systemVoucherTypes();
    void newRowsStartAtZero();
    void voucherTypeCodeIsUniqueWithoutRegardToCase();

private:
    TestFolder* m_folder = nullptr;
    Database* m_db = nullptr;
};

void TestSchema::init() {
    m_folder = new TestFolder;
    m_folder->createDatabase();
    m_db = new Database(QStringLiteral("schema"));
    QVERIFY(m_db->open(m_folder->databasePath(), Database::OpenMode::ExistingFile).ok());
}

void TestSchema::cleanup() {
    delete m_db;
    delete m_folder;
}

void TestSchema::everyDeclaredColumnExists() {
    for (const TableSchema& table : Schema::tables()) {
        QStringList expected;
        for (const Column& column : table.columns)
            expected << column.name.toLower();
        QStringList actual = m_db->columnNames(table.name);
        for (QString& name : actual)
            name = name.toLower();
        QCOMPARE(actual, expected);
    }
    QCOMPARE(Schema::tables().size(), 9);
}

void TestSchema::columnsTheProgramRelyOn() {
    const QStringList plots = m_db->columnNames(QStringLiteral("parzelle"));
    for (const char* name : {"Nr", "telefon", "memo", "z11", "z20", "Reserve9", "Reserve10", "nwzn",
                             "mahncheck", "text1", "text2"})
        QVERIFY2(plots.contains(QString::fromLatin1(name), Qt::CaseInsensitive), name);
    const QStringList parameters = m_db->columnNames(QStringLiteral("param"));
    for (const char* name : {"Verein", "z21", "z30", "reserve11", "reserve12", "Zahlfrist"})
        QVERIFY2(parameters.contains(QString::fromLatin1(name), Qt::CaseInsensitive), name);
    QVERIFY(m_db->columnNames(QStringLiteral("nfelder")).contains(QStringLiteral("rc222")));
    // The transfer copies syskonto into konto by position.
    QCOMPARE(m_db->columnNames(QStringLiteral("syskonto")),
             m_db->columnNames(QStringLiteral("konto")));
    QCOMPARE(Schema::textSize(u"param", u"Verein"), 60);
    QCOMPARE(Schema::textSize(u"parzelle", u"telefon"), 15);
    QCOMPARE(Schema::textSize(u"hauptkasse", u"art"), 8);
    QCOMPARE(Schema::textSize(u"parzelle", u"Flaeche"), 0);
}

void TestSchema::singleRowTablesHoldOneRow() {
    for (const char* table : {"param", "nfelder", "hauptanfangsw", "handanfangsw"})
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)))
                     .toInt(),
                 1);
    const QString year = QString::number(QDate::currentDate().year());
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT Jahr FROM hauptanfangsw")).toString(), year);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT Jahr FROM handanfangsw")).toString(), year);
    for (const char* table : {"parzelle", "hauptkasse", "handkasse"})
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)))
                     .toInt(),
                 0);
}

void TestSchema::systemVoucherTypes() {
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM syskonto")).toInt(), 31);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT group_concat(art) FROM syskonto")).toString(),
             QStringLiteral("30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,50,51,"
                            "52,53,54,55,56,57,58,59,60"));
    // Receipts everywhere but the advances paid back; the custom items start unnamed.
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT group_concat(art) FROM syskonto WHERE NOT "
                                         "einzahlung AND bezeichnung <> ''"))
                 .toString(),
             QStringLiteral("35,55"));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT group_concat(art) FROM syskonto WHERE "
                                         "coalesce(bezeichnung, '') = ''"))
                 .toString(),
             QStringLiteral("45,46,47,48,49,50,51,52,57,58,59,60"));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM syskonto WHERE einzahlung AND "
                                         "coalesce(bezeichnung, '') = ''"))
                 .toInt(),
             0);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT bezeichnung FROM syskonto WHERE art = '56'"))
                 .toString(),
             QStringLiteral("Mahngebühr"));
}

void TestSchema::newRowsStartAtZero() {
    QCOMPARE(m_db->execute(QStringLiteral("INSERT INTO parzelle (Nr) VALUES ('1')")), QString());
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT Flaeche + Strom + szn + gesamt + Reserve10 + z20 "
                                         "FROM parzelle"))
                 .toDouble(),
             0.0);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT gezahlt FROM parzelle")).toInt(), 0);
    QVERIFY(m_db->scalar(QStringLiteral("SELECT text1 FROM parzelle")).isNull());
}

void TestSchema::voucherTypeCodeIsUniqueWithoutRegardToCase() {
    QCOMPARE(m_db->execute(QStringLiteral("INSERT INTO konto (art) VALUES ('7a')")), QString());
    QVERIFY(!m_db->execute(QStringLiteral("INSERT INTO konto (art) VALUES ('7A')")).isEmpty());
    QVERIFY(!m_db->execute(QStringLiteral("INSERT INTO konto (art) VALUES ('30')")).isEmpty());
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
