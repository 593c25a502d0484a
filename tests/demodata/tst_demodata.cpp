#include "demodata.h"

#include "data/database.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestDemoData : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<Database> m_database;

    QString path(const QString& name) const { return m_folder.filePath(name); }

    QVariant value(const QString& sql) { return m_database->scalar(sql); }
    int count(const QString& sql) { return m_database->scalar(sql).toInt(); }

private slots:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        QCOMPARE(DemoData::write(path(QStringLiteral("parzelle.mdb")), {}), QString());
        m_database = std::make_unique<Database>(QStringLiteral("tst_demodata"));
        QVERIFY(
            m_database->open(path(QStringLiteral("parzelle.mdb")), Database::OpenMode::ExistingFile)
                .ok());
    }

    void cleanupTestCase() { m_database.reset(); }

    void sameOptionsGiveTheSameFile() {
        DemoData::Options options;
        options.plots = 60;
        options.seed = 7;
        QCOMPARE(DemoData::write(path(QStringLiteral("a.mdb")), options), QString());
        QCOMPARE(DemoData::write(path(QStringLiteral("b.mdb")), options), QString());
        options.seed = 8;
        QCOMPARE(DemoData::write(path(QStringLiteral("c.mdb")), options), QString());

        const auto bytes = [&](const char* name) {
            QFile file(path(QString::fromLatin1(name)));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QVERIFY(!bytes("a.mdb").isEmpty());
        QCOMPARE(bytes("a.mdb"), bytes("b.mdb"));
        QVERIFY(bytes("a.mdb") != bytes("c.mdb"));
    }

    void plotsHaveTheSpecialCases() {
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM parzelle")), 40);
        QCOMPARE(count(QStringLiteral("SELECT count(DISTINCT Nr) FROM parzelle WHERE "
                                      "CAST(Nr AS INTEGER) BETWEEN 1 AND 40")),
                 40);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM parzelle WHERE nszn > 0")), 2);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM parzelle WHERE text1 = ' ' AND "
                                      "Strom = 0 AND sza = 0 AND szn = 0")),
                 2);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM parzelle WHERE text1 = 'X'")), 38);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM parzelle WHERE text2 = ' '")), 1);
        // The stored consumption is what the readings give.
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM parzelle WHERE "
                                      "Strom <> szn - sza + nszn - nsza OR "
                                      "Wasser <> wzn - wza + nwzn - nwza")),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM parzelle WHERE text1 = 'X' AND "
                                      "(Strom < 200 OR Strom > 2500)")),
                 0);
    }

    void mainMetersCountSlightlyMore() {
        const double kwh = value(QStringLiteral("SELECT z6 FROM param")).toDouble();
        const double plotsKwh =
            value(QStringLiteral("SELECT sum(Strom) FROM parzelle WHERE text1 = 'X'")).toDouble();
        QVERIFY2(kwh > plotsKwh * 1.015 && kwh < plotsKwh * 1.065,
                 qPrintable(QStringLiteral("%1 / %2").arg(kwh).arg(plotsKwh)));
        const double cubicMetres = value(QStringLiteral("SELECT z7 FROM param")).toDouble();
        const double plotsWater =
            value(QStringLiteral("SELECT sum(Wasser) FROM parzelle WHERE text2 = 'X'")).toDouble();
        QVERIFY(cubicMetres > plotsWater && cubicMetres < plotsWater * 1.07);
    }

    void journalsAreConsistent_data() {
        QTest::addColumn<QString>("book");
        QTest::newRow("hauptkasse") << QStringLiteral("hauptkasse");
        QTest::newRow("handkasse") << QStringLiteral("handkasse");
    }

    void journalsAreConsistent() {
        QFETCH(QString, book);
        const int entries = count(QStringLiteral("SELECT count(*) FROM %1").arg(book));
        QVERIFY(entries > 0);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM %1 j WHERE NOT EXISTS "
                                      "(SELECT 1 FROM konto k WHERE k.art = j.Art)")
                           .arg(book)),
                 0);
        // Income on the income side only, expenses on the other, as the voucher type says.
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM %1 j JOIN konto k ON k.art = j.Art "
                                      "WHERE (k.einzahlung = 1) <> (j.Einnahme IS NOT NULL) "
                                      "OR (j.Einnahme IS NULL) = (j.Ausgabe IS NULL)")
                           .arg(book)),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT count(DISTINCT lfd_nr) FROM %1 WHERE lfd_nr "
                                      "BETWEEN 1 AND %2")
                           .arg(book)
                           .arg(entries)),
                 entries);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM %1 a JOIN %1 b ON "
                                      "b.lfd_nr = a.lfd_nr + 1 WHERE b.datum < a.datum")
                           .arg(book)),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM %1 WHERE monat <> "
                                      "substr(datum, 6, 2) || '.' || substr(datum, 1, 4)")
                           .arg(book)),
                 0);
    }

    void entriesAreSplitBetweenTheBooks() {
        DemoData::Options options;
        options.plots = 5;
        options.journalEntries = 1000;
        QCOMPARE(DemoData::write(path(QStringLiteral("split.mdb")), options), QString());
        Database split(QStringLiteral("tst_demodata_split"));
        QVERIFY(
            split.open(path(QStringLiteral("split.mdb")), Database::OpenMode::ExistingFile).ok());
        QCOMPARE(split.scalar(QStringLiteral("SELECT count(*) FROM parzelle")).toInt(), 5);
        QCOMPARE(split.scalar(QStringLiteral("SELECT count(*) FROM hauptkasse")).toInt(), 800);
        QCOMPARE(split.scalar(QStringLiteral("SELECT count(*) FROM handkasse")).toInt(), 200);
    }

    void refusesToOverwrite() {
        const QString existing = path(QStringLiteral("vorhanden.mdb"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep");
        file.close();
        QVERIFY(!DemoData::write(existing, {}).isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep"));
    }
};

QTEST_GUILESS_MAIN(TestDemoData)
#include "tst_demodata.moc"
