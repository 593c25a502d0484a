#include "framework/numberinput.h"

#include <QTest>

// What a typed number means, as the system locale writes numbers, and what is refused: texts
// the locale cannot read, values no treasurer can mean, more decimals than a box shows.
class TestNumberInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsAsTheLocaleWrites_data();
    void readsAsTheLocaleWrites();
    void hintNamesTheLocalesSeparator();
    void valuesNoTreasurerCanMean_data();
    void valuesNoTreasurerCanMean();
    void decimalsBeyondTheBox_data();
    void decimalsBeyondTheBox();
    void blankIsNoNumber();
    void followsTheSystemLocale();
    void typingPatternBlocksLetters();
};

namespace {

QLocale german() {
    return QLocale(QLocale::German, QLocale::Germany);
}

QLocale localeNamed(const QString& name) {
    return name == u"de" ? german() : QLocale::c();
}

} // namespace

void TestNumberInput::readsAsTheLocaleWrites_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<double>("value");
    QTest::newRow("de grouped with decimals") << "de"
                                              << "1.234,56" << true << 1234.56;
    QTest::newRow("de grouped thousands") << "de"
                                          << "1.234" << true << 1234.0;
    QTest::newRow("de millions") << "de"
                                 << "1.234.567" << true << 1234567.0;
    QTest::newRow("de comma") << "de"
                              << "12,5" << true << 12.5;
    QTest::newRow("de negative, blanks around") << "de"
                                                << " -3,25 " << true << -3.25;
    QTest::newRow("de leading comma") << "de"
                                      << ",5" << true << 0.5;
    QTest::newRow("de minus zero is zero") << "de"
                                           << "-0" << true << 0.0;
    QTest::newRow("de point as decimal") << "de"
                                         << "12.5" << false << 0.0;
    QTest::newRow("de point before four digits") << "de"
                                                 << "0.1234" << false << 0.0;
    QTest::newRow("de english grouping") << "de"
                                         << "1,234.5" << false << 0.0;
    QTest::newRow("de letters") << "de"
                                << "12a5" << false << 0.0;
    QTest::newRow("de exponent") << "de"
                                 << "1e5" << false << 0.0;
    QTest::newRow("de infinity") << "de"
                                 << "inf" << false << 0.0;
    QTest::newRow("de not a number") << "de"
                                     << "nan" << false << 0.0;
    QTest::newRow("de blank inside") << "de"
                                     << "1 234" << false << 0.0;
    QTest::newRow("C point") << "C"
                             << "12.5" << true << 12.5;
    QTest::newRow("C point before four digits") << "C"
                                                << "1.234" << true << 1.234;
    QTest::newRow("C grouped") << "C"
                               << "1,234.5" << true << 1234.5;
    QTest::newRow("C comma as decimal") << "C"
                                        << "12,5" << false << 0.0;
    QTest::newRow("C german grouping") << "C"
                                       << "1.234,56" << false << 0.0;
}

void TestNumberInput::readsAsTheLocaleWrites() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(double, value);
    const NumberInput input = NumberInput::read(text, ValueRange(), -1, localeNamed(locale));
    QCOMPARE(input.isNumber(), read);
    QCOMPARE(input.isRefused(), !read);
    QCOMPARE(input.value(), value);
    QCOMPARE(input.error().isEmpty(), read);
}

void TestNumberInput::hintNamesTheLocalesSeparator() {
    QCOMPARE(NumberInput::read(QStringLiteral("12.5"), ValueRange(), -1, german()).error(),
             QStringLiteral("„12.5“ ist keine Zahl, die das Programm lesen kann. Bitte schreiben "
                            "Sie die Nachkommastellen nach einem Komma, zum Beispiel 12,5 oder "
                            "1.234,56."));
    QCOMPARE(NumberInput::read(QStringLiteral("12,5"), ValueRange(), -1, QLocale::c()).error(),
             QStringLiteral("„12,5“ ist keine Zahl, die das Programm lesen kann. Bitte schreiben "
                            "Sie die Nachkommastellen nach einem Punkt, zum Beispiel 12.5 oder "
                            "1,234.56."));
}

void TestNumberInput::valuesNoTreasurerCanMean_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal"); // its beginning; empty: accepted
    const QString money = QStringLiteral("ist als Betrag nicht möglich: Beträge müssen zwischen "
                                         "-1.000.000.000 € und 1.000.000.000 € liegen.");
    const QString area = QStringLiteral("ist als Fläche nicht möglich: Flächen müssen zwischen 0 "
                                        "und 1.000.000 m² liegen.");
    const QString figure = QStringLiteral("ist hier nicht möglich: der Wert muss zwischen "
                                          "-1.000.000.000 und 1.000.000.000 liegen.");
    const QString nines(400, u'9');
    QTest::newRow("largest amount") << "parzelle"
                                    << "Laubenversicherung"
                                    << "1.000.000.000"
                                    << "";
    QTest::newRow("smallest amount") << "param"
                                     << "Mahngebuehr"
                                     << "-1.000.000.000"
                                     << "";
    QTest::newRow("a cent too much") << "parzelle"
                                     << "gesamt"
                                     << "1.000.000.000,01"
                                     << "„1.000.000.000,01“ " + money;
    QTest::newRow("400 nines") << "parzelle"
                               << "Parkplatzgebuehr" << nines << "„99999999999999999999…“ " + money;
    QTest::newRow("300 nines") << "param"
                               << "Beitrag" << QString(300, u'9')
                               << "„99999999999999999999…“ " + money;
    QTest::newRow("cash receipt") << "hauptkasse"
                                  << "Einnahme"
                                  << "2.000.000.000"
                                  << "„2.000.000.000“ " + money;
    QTest::newRow("plot area") << "parzelle"
                               << "Flaeche"
                               << "1.000.000"
                               << "";
    QTest::newRow("negative area") << "parzelle"
                                   << "Flaeche"
                                   << "-5"
                                   << "„-5“ " + area;
    QTest::newRow("area too large") << "parzelle"
                                    << "Flaeche"
                                    << "1.000.001"
                                    << "„1.000.001“ " + area;
    QTest::newRow("common area share") << "param"
                                       << "Neuvermessung"
                                       << "-1"
                                       << "„-1“ " + area;
    QTest::newRow("meter reading") << "parzelle"
                                   << "szn"
                                   << "999.999.999"
                                   << "";
    QTest::newRow("reading too large") << "parzelle"
                                       << "szn" << nines << "„99999999999999999999…“ " + figure;
}

void TestNumberInput::valuesNoTreasurerCanMean() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    const NumberInput input = NumberInput::read(text, ValueRange::of(table, column), -1, german());
    QCOMPARE(input.error(), refusal);
    QCOMPARE(input.isNumber(), refusal.isEmpty());
}

void TestNumberInput::decimalsBeyondTheBox_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("cents") << "12,34" << 2 << "";
    QTest::newRow("trailing zero") << "12,340" << 2 << "";
    QTest::newRow("a tenth of a cent")
        << "12,345" << 2
        << "„12,345“ hat zu viele Nachkommastellen; hier sind höchstens 2 möglich.";
    QTest::newRow("price per kwh") << "0,3123" << 4 << "";
    QTest::newRow("whole numbers only")
        << "12,5" << 0 << "„12,5“ hat Nachkommastellen; hier sind nur ganze Zahlen möglich.";
    QTest::newRow("plain form takes any") << "1,123456" << -1 << "";
}

void TestNumberInput::decimalsBeyondTheBox() {
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(QString, refusal);
    QCOMPARE(NumberInput::read(text, ValueRange(), decimals, german()).error(), refusal);
}

void TestNumberInput::blankIsNoNumber() {
    const NumberInput input = NumberInput::read(QStringLiteral("  "));
    QVERIFY(input.isEmpty());
    QVERIFY(!input.isNumber());
    QVERIFY(!input.isRefused());
}

void TestNumberInput::followsTheSystemLocale() {
    QLocale::setDefault(german());
    QCOMPARE(NumberInput::read(QStringLiteral("1.234")).value(), 1234.0);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(NumberInput::read(QStringLiteral("1.234")).value(), 1.234);
    QVERIFY(NumberInput::read(QStringLiteral("1.234,5")).isRefused());
}

void TestNumberInput::typingPatternBlocksLetters() {
    const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(NumberInput::typingPattern(german()).pattern()));
    for (const char* typable : {"-1.234,56", "12.5", "", ",", "+3",
                                "\xe2\x88\x92"
                                "7"})
        QVERIFY2(pattern.match(QString::fromUtf8(typable)).hasMatch(), typable);
    for (const char* blocked : {"12a5", "1e5", "inf", "1-2", "1 2"})
        QVERIFY2(!pattern.match(QString::fromUtf8(blocked)).hasMatch(), blocked);
}

QTEST_GUILESS_MAIN(TestNumberInput)
#include "tst_numberinput.moc"
