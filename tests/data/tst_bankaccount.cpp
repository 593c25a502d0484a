#include "data/bankaccount.h"

#include <QTest>

// The association's IBAN and BIC are checked when typed: what passes the bank's own checks
// passes here, and a slip of the finger does not.
class TestBankAccount : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void validIbans_data();
    void validIbans();
    void invalidIbans_data();
    void invalidIbans();
    void bics_data();
    void bics();
};

void TestBankAccount::validIbans_data() {
    QTest::addColumn<QString>("iban");
    QTest::newRow("German") << QStringLiteral("DE89370400440532013000");
    QTest::newRow("German in groups") << QStringLiteral("DE02 1203 0000 0000 2020 51");
    QTest::newRow("German in lower case") << QStringLiteral("de89 3704 0044 0532 0130 00");
    QTest::newRow("Austrian") << QStringLiteral("AT611904300234573201");
    QTest::newRow("Dutch") << QStringLiteral("NL91ABNA0417164300");
    QTest::newRow("French with a letter") << QStringLiteral("FR1420041010050500013M02606");
    QTest::newRow("Norwegian, shortest") << QStringLiteral("NO9386011117947");
    QTest::newRow("Maltese, letters late") << QStringLiteral("MT84MALT011000012345MTLCAST001S");
    QTest::newRow("Saint Lucian, long") << QStringLiteral("LC55HEMM000100010012001200023015");
}

void TestBankAccount::validIbans() {
    QFETCH(QString, iban);
    QCOMPARE(BankAccount::ibanProblem(iban), QString());
    QVERIFY(BankAccount::isValidIban(iban));
}

void TestBankAccount::invalidIbans_data() {
    QTest::addColumn<QString>("iban");
    QTest::addColumn<QString>("problem");
    const QString checkDigits = QStringLiteral("Ihre Prüfziffern stimmen nicht");
    QTest::newRow("changed digit") << QStringLiteral("DE89370400440532013001") << checkDigits;
    QTest::newRow("swapped digits") << QStringLiteral("DE89370400440532010300") << checkDigits;
    QTest::newRow("changed check digits")
        << QStringLiteral("DE88370400440532013000") << checkDigits;
    QTest::newRow("one digit short")
        << QStringLiteral("DE8937040044053201300")
        << QStringLiteral("Eine IBAN aus DE hat 22 Zeichen, diese hat 21.");
    QTest::newRow("Dutch length for a German one")
        << QStringLiteral("DE91ABNA0417164300")
        << QStringLiteral("Eine IBAN aus DE hat 22 Zeichen, diese hat 18.");
    QTest::newRow("no such country")
        << QStringLiteral("XX89370400440532013000") << QStringLiteral("Ländercode");
    QTest::newRow("account number only")
        << QStringLiteral("0532013000") << QStringLiteral("Ländercode");
    QTest::newRow("punctuation") << QStringLiteral("DE89-3704-0044-0532-0130-00")
                                 << QStringLiteral("nur aus Buchstaben und Ziffern");
    QTest::newRow("empty") << QStringLiteral("  ") << QStringLiteral("keine IBAN");
}

void TestBankAccount::invalidIbans() {
    QFETCH(QString, iban);
    QFETCH(QString, problem);
    QVERIFY(!BankAccount::isValidIban(iban));
    QVERIFY2(BankAccount::ibanProblem(iban).contains(problem),
             qPrintable(BankAccount::ibanProblem(iban)));
}

void TestBankAccount::bics_data() {
    QTest::addColumn<QString>("bic");
    QTest::addColumn<bool>("valid");
    QTest::newRow("eight") << QStringLiteral("COBADEFF") << true;
    QTest::newRow("eleven") << QStringLiteral("BYLADEM1001") << true;
    QTest::newRow("lower case, blank") << QStringLiteral("byla dem1 001") << true;
    QTest::newRow("ten") << QStringLiteral("BYLADEM100") << false;
    QTest::newRow("digit in bank code") << QStringLiteral("B1LADEM1001") << false;
    QTest::newRow("digit in country") << QStringLiteral("BYLAD3M1") << false;
    QTest::newRow("an IBAN") << QStringLiteral("DE89370400440532013000") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestBankAccount::bics() {
    QFETCH(QString, bic);
    QFETCH(bool, valid);
    QCOMPARE(BankAccount::isValidBic(bic), valid);
    QCOMPARE(BankAccount::bicProblem(bic).isEmpty(), valid);
}

QTEST_MAIN(TestBankAccount)
#include "tst_bankaccount.moc"
