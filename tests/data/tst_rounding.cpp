#include "support/testfolder.h"

#include "data/database.h"
#include "data/rounding.h"

#include <QTest>

// Money is rounded half to even, also where binary floating point stores a decimal half a
// hair off, and the engine's SQL round must agree with the program to the cent.
class TestRounding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toCents_data();
    void toCents();
    void wholeNumbers_data();
    void wholeNumbers();
    void sqlRoundAgreesWithProgram_data();
    void sqlRoundAgreesWithProgram();
    void sqlRoundRefusesInfiniteValues();
};

void TestRounding::toCents_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.125 down to even") << 0.125 << 0.12;
    QTest::newRow("0.375 up to even") << 0.375 << 0.38;
    QTest::newRow("2.675 stored below half") << 2.675 << 2.68;
    QTest::newRow("1.005 stored below half") << 1.005 << 1.00;
    QTest::newRow("-0.125 negative half") << -0.125 << -0.12;
    QTest::newRow("-0.375 negative half") << -0.375 << -0.38;
    QTest::newRow("not a half") << 166.6333 << 166.63;
    QTest::newRow("product 0.25 x 0.5") << 0.25 * 0.5 << 0.12;
    QTest::newRow("product 0.75 x 0.5") << 0.75 * 0.5 << 0.38;
    QTest::newRow("large amount") << 123456.785 << 123456.78;
}

void TestRounding::toCents() {
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(Rounding::roundHalfEven(value, 2), expected);
}

void TestRounding::wholeNumbers_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("advance 67.65") << 451 * 0.3 * 50 / 100 << 68.0;
    QTest::newRow("2.5 to even") << 2.5 << 2.0;
    QTest::newRow("3.5 to even") << 3.5 << 4.0;
    QTest::newRow("-2.5 to even") << -2.5 << -2.0;
    QTest::newRow("below half") << 2.4999 << 2.0;
}

void TestRounding::wholeNumbers() {
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(Rounding::roundHalfEven(value), expected);
}

void TestRounding::sqlRoundAgreesWithProgram_data() {
    toCents_data();
}

void TestRounding::sqlRoundAgreesWithProgram() {
    QFETCH(double, value);
    QFETCH(double, expected);
    TestFolder folder;
    folder.createDatabase();
    Database db(QStringLiteral("rounding"));
    QVERIFY(db.open(folder.databasePath(), Database::OpenMode::ExistingFile).ok());
    // The billing statements write cents as round(x * 100) / 100.
    QCOMPARE(db.scalar(QStringLiteral("SELECT round(? * 100) / 100"), {value}).toDouble(),
             expected);
    QCOMPARE(db.scalar(QStringLiteral("SELECT round(?, 2)"), {value}).toDouble(), expected);
}

void TestRounding::sqlRoundRefusesInfiniteValues() {
    TestFolder folder;
    folder.createDatabase();
    Database db(QStringLiteral("rounding"));
    QVERIFY(db.open(folder.databasePath(), Database::OpenMode::ExistingFile).ok());
    QCOMPARE(db.execute(QStringLiteral("INSERT INTO parzelle (Nr, gesamt) VALUES ('1', 7)")),
             QString());
    // A bill computed from absurd figures fails instead of storing an infinite total.
    const QString error =
        db.execute(QStringLiteral("UPDATE parzelle SET gesamt = round(? * 100) / 100"), {1e307});
    QVERIFY(!error.isEmpty());
    QCOMPARE(db.scalar(QStringLiteral("SELECT gesamt FROM parzelle")).toDouble(), 7.0);
}

QTEST_GUILESS_MAIN(TestRounding)
#include "tst_rounding.moc"
