#include "reports/girocode.h"

#include <QTest>

// What a banking app reads from a bill's GiroCode: the recipient, account, amount and
// reference exactly as the transfer form carries them, or no code at all.
class TestGiroCode : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sampleBillLineByLine();
    void longestContentStaysWithinTheLimit();
    void noCodeWithoutAValidTransfer_data();
    void noCodeWithoutAValidTransfer();
    void umlautsSurviveAsUtf8();
    void invalidBicIsLeftOut();
};

namespace {

GiroCodeTransfer sampleBill() {
    GiroCodeTransfer transfer;
    transfer.bic = QStringLiteral("BYLADEM1001");
    transfer.recipient = QStringLiteral("Gartenfreunde Sonnenblick e.V.");
    transfer.iban = QStringLiteral("DE02 1203 0000 0000 2020 51");
    transfer.amountCents = 31250;
    transfer.reference = QStringLiteral("Abrechng. 2026 Parz. 16");
    return transfer;
}

} // namespace

void TestGiroCode::sampleBillLineByLine() {
    const QStringList expected = {QStringLiteral("BCD"),
                                  QStringLiteral("002"),
                                  QStringLiteral("1"),
                                  QStringLiteral("SCT"),
                                  QStringLiteral("BYLADEM1001"),
                                  QStringLiteral("Gartenfreunde Sonnenblick e.V."),
                                  QStringLiteral("DE02120300000000202051"),
                                  QStringLiteral("EUR312.50"),
                                  QString(),
                                  QString(),
                                  QStringLiteral("Abrechng. 2026 Parz. 16")};
    QCOMPARE(GiroCode::payload(sampleBill()).split(u'\n'), expected);

    // Cents keep their leading zero, and the largest amount still fits.
    GiroCodeTransfer transfer = sampleBill();
    transfer.amountCents = 1005;
    QCOMPARE(GiroCode::payload(transfer).split(u'\n').at(7), QStringLiteral("EUR10.05"));
    transfer.amountCents = 1;
    QCOMPARE(GiroCode::payload(transfer).split(u'\n').at(7), QStringLiteral("EUR0.01"));
    transfer.amountCents = GiroCode::maxAmountCents;
    QCOMPARE(GiroCode::payload(transfer).split(u'\n').at(7), QStringLiteral("EUR999999999.99"));
}

void TestGiroCode::longestContentStaysWithinTheLimit() {
    GiroCodeTransfer transfer = sampleBill();
    transfer.iban = QStringLiteral("LC55HEMM000100010012001200023015");
    transfer.amountCents = GiroCode::maxAmountCents;
    transfer.recipient = QString(70, u'ä');
    transfer.reference = QStringLiteral("Abrechng. 2026 Parz. 16 ") + QString(200, u'ü');
    const QString payload = GiroCode::payload(transfer);
    QVERIFY(payload.toUtf8().size() <= GiroCode::maxBytes);
    const QStringList lines = payload.split(u'\n');
    QCOMPARE(lines.size(), 11);
    // The name and the account stay whole; the reference gives way from its end.
    QCOMPARE(lines.at(5), transfer.recipient);
    QCOMPARE(lines.at(6), QStringLiteral("LC55HEMM000100010012001200023015"));
    QVERIFY(lines.at(10).startsWith(QStringLiteral("Abrechng. 2026 Parz. 16 üü")));

    // A longer name is cut to the 70 characters a code may carry.
    transfer.recipient = QString(80, u'V');
    QCOMPARE(GiroCode::payload(transfer).split(u'\n').at(5), QString(70, u'V'));
}

void TestGiroCode::noCodeWithoutAValidTransfer_data() {
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("iban");
    QTest::addColumn<QString>("recipient");
    const QString iban = QStringLiteral("DE02120300000000202051");
    const QString name = QStringLiteral("Gartenfreunde");
    QTest::newRow("nothing to pay") << qint64(0) << iban << name;
    QTest::newRow("a credit") << qint64(-1250) << iban << name;
    QTest::newRow("above the largest amount") << GiroCode::maxAmountCents + 1 << iban << name;
    QTest::newRow("IBAN with a changed digit")
        << qint64(31250) << QStringLiteral("DE02120300000000202052") << name;
    QTest::newRow("no IBAN") << qint64(31250) << QString() << name;
    QTest::newRow("no recipient") << qint64(31250) << iban << QStringLiteral("  ");
}

void TestGiroCode::noCodeWithoutAValidTransfer() {
    QFETCH(qint64, cents);
    QFETCH(QString, iban);
    QFETCH(QString, recipient);
    GiroCodeTransfer transfer = sampleBill();
    transfer.amountCents = cents;
    transfer.iban = iban;
    transfer.recipient = recipient;
    QCOMPARE(GiroCode::payload(transfer), QString());
}

void TestGiroCode::umlautsSurviveAsUtf8() {
    GiroCodeTransfer transfer = sampleBill();
    transfer.recipient = QStringLiteral("Kleingärtnerverein Größenwahn e.V.");
    transfer.reference = QStringLiteral("Abrechng. 2026 Parz. 7 Müßiggang");
    const QByteArray bytes = GiroCode::payload(transfer).toUtf8();
    QVERIFY(bytes.contains("\nKleing\xc3\xa4rtnerverein Gr\xc3\xb6\xc3\x9f"
                           "enwahn e.V.\n"));
    QVERIFY(bytes.endsWith("Parz. 7 M\xc3\xbc\xc3\x9figgang"));
}

void TestGiroCode::invalidBicIsLeftOut() {
    // A banking app refuses a code with a malformed BIC; without one it takes the IBAN alone.
    GiroCodeTransfer transfer = sampleBill();
    transfer.bic = QStringLiteral("BYLADEM10");
    QCOMPARE(GiroCode::payload(transfer).split(u'\n').at(4), QString());
    transfer.bic = QStringLiteral("byla dem1 001");
    QCOMPARE(GiroCode::payload(transfer).split(u'\n').at(4), QStringLiteral("BYLADEM1001"));
}

QTEST_MAIN(TestGiroCode)
#include "tst_girocode.moc"
