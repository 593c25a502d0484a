#include "support/workspace.h"

#include "data/vouchertyperules.h"

#include <QTest>

// Voucher types: the program's own codes 30 to 60 are reserved, codes are numbers, and no
// code exists twice. Refused new rows go, refused changes leave stored rows as they were.
class TestVoucherTypeRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void codes_data();
    void codes();
    void newRowWithReservedCodeIsDropped();
    void storedRowKeepsItsCodeWhenReservedCodeTyped();
    void duplicateNewRowIsDropped();
    void storedRowKeepsItsCodeWhenUsedCodeTyped();
    void closingStoresTheCurrentRow();
};

void TestVoucherTypeRules::codes_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("verdict");
    const int accepted = int(VoucherTypeRules::Verdict::Accepted);
    const int reserved = int(VoucherTypeRules::Verdict::Reserved);
    const int notANumber = int(VoucherTypeRules::Verdict::NotANumber);
    QTest::newRow("29") << QStringLiteral("29") << accepted;
    QTest::newRow("61") << QStringLiteral("61") << accepted;
    QTest::newRow("100") << QStringLiteral("100") << accepted;
    QTest::newRow("30") << QStringLiteral("30") << reserved;
    QTest::newRow("45.5") << QStringLiteral("45.5") << reserved;
    QTest::newRow("45,5") << QStringLiteral("45,5") << reserved;
    QTest::newRow("60") << QStringLiteral("60") << reserved;
    QTest::newRow("29.5") << QStringLiteral("29.5") << reserved;
    QTest::newRow("7a") << QStringLiteral("7a") << notANumber;
    QTest::newRow("empty") << QString() << notANumber;
}

void TestVoucherTypeRules::codes() {
    QFETCH(QString, code);
    QFETCH(int, verdict);
    QCOMPARE(int(VoucherTypeRules::checkCode(code)), verdict);
}

void TestVoucherTypeRules::newRowWithReservedCodeIsDropped() {
    Workspace w;
    Table& types = w.dm->konto();
    const int before = types.rowCount();
    types.insert();
    types.setValue(QStringLiteral("art"), QStringLiteral("45"));
    QCOMPARE(
        w.interaction.messages,
        QStringList{QStringLiteral("Die Belegarten 30-60 dürfen hier nicht verwendet werden!")});
    QCOMPARE(types.state(), Table::State::Browse);
    QCOMPARE(types.rowCount(), before);

    types.insert();
    types.setValue(QStringLiteral("art"), QStringLiteral("Porto"));
    QCOMPARE(w.interaction.messages.size(), 2);
    QVERIFY(w.interaction.messages.last().contains(QStringLiteral("Zahl")));
    QCOMPARE(types.rowCount(), before);

    types.insert();
    types.setValue(QStringLiteral("art"), QStringLiteral("61"));
    types.setValue(QStringLiteral("bezeichnung"), QStringLiteral("Spenden"));
    QVERIFY(types.post());
    QCOMPARE(types.rowCount(), before + 1);
}

void TestVoucherTypeRules::storedRowKeepsItsCodeWhenReservedCodeTyped() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO konto (art, bezeichnung) VALUES ('7', 'Porto')"));
    Table& types = w.dm->konto();
    types.reopen();
    QVERIFY(types.locate(QStringLiteral("art"), QStringLiteral("7")));
    types.setValue(QStringLiteral("art"), QStringLiteral("30"));
    QCOMPARE(types.text(QStringLiteral("art")), QStringLiteral("7"));
    types.setValue(QStringLiteral("bezeichnung"), QStringLiteral("Porto und Versand"));
    QVERIFY(types.post());
    QCOMPARE(w.scalar(QStringLiteral("SELECT bezeichnung FROM konto WHERE art = '7'")).toString(),
             QStringLiteral("Porto und Versand"));
}

void TestVoucherTypeRules::duplicateNewRowIsDropped() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO konto (art, bezeichnung) VALUES ('7', 'Porto')"));
    Table& types = w.dm->konto();
    types.reopen();
    const int before = types.rowCount();
    types.insert();
    types.setValue(QStringLiteral("art"), QStringLiteral("7"));
    QVERIFY(!types.post());
    QCOMPARE(w.interaction.messages, QStringList{QStringLiteral("BA existiert bereits!")});
    QCOMPARE(types.state(), Table::State::Browse);
    QCOMPARE(types.rowCount(), before);
    QCOMPARE(w.scalar(QStringLiteral("SELECT count(*) FROM konto WHERE art = '7'")).toInt(), 1);
}

void TestVoucherTypeRules::storedRowKeepsItsCodeWhenUsedCodeTyped() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO konto (art, bezeichnung) VALUES ('7', 'Porto'), "
                             "('8', 'Miete')"));
    Table& types = w.dm->konto();
    types.reopen();
    QVERIFY(types.locate(QStringLiteral("art"), QStringLiteral("8")));
    types.setValue(QStringLiteral("bezeichnung"), QStringLiteral("Pacht"));
    types.setValue(QStringLiteral("art"), QStringLiteral("7"));
    QVERIFY(types.first());
    QCOMPARE(w.interaction.messages, QStringList{QStringLiteral("BA existiert bereits!")});
    QCOMPARE(w.scalar(QStringLiteral("SELECT group_concat(art || '=' || bezeichnung) FROM konto "
                                     "WHERE art IN ('7', '8')"))
                 .toString(),
             QStringLiteral("7=Porto,8=Pacht"));
}

void TestVoucherTypeRules::closingStoresTheCurrentRow() {
    Workspace w;
    Table& types = w.dm->konto();
    types.insert();
    types.setValue(QStringLiteral("art"), QStringLiteral("5"));
    types.setValue(QStringLiteral("bezeichnung"), QStringLiteral("Kopien"));
    w.dm->disconnectDatabase();
    QCOMPARE(
        w.folder.scalar(QStringLiteral("SELECT bezeichnung FROM konto WHERE art = '5'")).toString(),
        QStringLiteral("Kopien"));
}

QTEST_GUILESS_MAIN(TestVoucherTypeRules)
#include "tst_vouchertyperules.moc"
