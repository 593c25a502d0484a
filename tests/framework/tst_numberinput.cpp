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
    void decimalsBeyondTheBox();
    void followsTheSystemLocale();
    void typingPatternBlocksLetters();
};

namespace {

QLocale german() {
    return QLocale(QLocale::German, QLocale::Germany);
}

} // namespace

void TestNumberInput::readsAsTheLocaleWrites_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<double>("value");
    const auto row = [](const QLocale& locale, const char* text, bool read, double value) {
        QTest::addRow("%s %s", qPrintable(locale.name()), text)
            << locale << QString::fromUtf8(text) << read << value;
    };
    row(german(), "1.234,56", true, 1234.56);
    row(german(), "1.234", true, 1234);
    row(german(), "12,5", true, 12.5);
    row(german(), " -3,25 ", true, -3.25);
    row(german(), "-0", true, 0);
    row(german(), "12.5", false, 0);
    row(german(), "1,234.5", false, 0);
    row(german(), "12a5", false, 0);
    row(german(), "1e5", false, 0);
    row(german(), "inf", false, 0);
    row(german(), "   ", false, 0);
    row(QLocale::c(), "12.5", true, 12.5);
    row(QLocale::c(), "1.234", true, 1.234);
    row(QLocale::c(), "1,234.5", true, 1234.5);
    row(QLocale::c(), "12,5", false, 0);
}

void TestNumberInput::readsAsTheLocaleWrites() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(double, value);
    const NumberInput input = NumberInput::read(text, ValueRange(), -1, locale);
    QCOMPARE(input.isNumber(), read);
    // A blank text is no number, but nothing to refuse either.
    QCOMPARE(input.isRefused(), !read && !text.trimmed().isEmpty());
    QCOMPARE(input.error().isEmpty(), !input.isRefused());
    QCOMPARE(input.value(), value);
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
    QTest::addColumn<QString>("refusal"); // empty: accepted
    const QString money = QStringLiteral(" ist als Betrag nicht möglich: Beträge müssen zwischen "
                                         "-1.000.000.000 € und 1.000.000.000 € liegen.");
    const QString area = QStringLiteral(" ist als Fläche nicht möglich: Flächen müssen zwischen "
                                        "0 und 1.000.000 m² liegen.");
    const QString figure = QStringLiteral(" ist hier nicht möglich: der Wert muss zwischen "
                                          "-1.000.000.000 und 1.000.000.000 liegen.");
    const QString nines = QStringLiteral("„99999999999999999999…“");
    const auto row = [](const char* name, const char* table, const char* column,
                        const QString& text, const QString& refusal) {
        QTest::newRow(name) << QString::fromLatin1(table) << QString::fromLatin1(column) << text
                            << refusal;
    };
    row("largest amount", "parzelle", "Laubenversicherung", "1.000.000.000", {});
    row("smallest amount", "param", "Mahngebuehr", "-1.000.000.000", {});
    row("a cent too much", "parzelle", "gesamt", "1.000.000.000,01", "„1.000.000.000,01“" + money);
    row("400 nines", "parzelle", "Parkplatzgebuehr", QString(400, u'9'), nines + money);
    row("300 nines", "param", "Beitrag", QString(300, u'9'), nines + money);
    row("cash receipt", "hauptkasse", "Einnahme", "2.000.000.000", "„2.000.000.000“" + money);
    row("largest plot", "parzelle", "Flaeche", "1.000.000", {});
    row("negative area", "parzelle", "Flaeche", "-5", "„-5“" + area);
    row("common area share", "param", "Neuvermessung", "1.000.001", "„1.000.001“" + area);
    row("meter reading", "parzelle", "szn", "999.999.999", {});
    row("reading too large", "parzelle", "szn", QString(400, u'9'), nines + figure);
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

void TestNumberInput::decimalsBeyondTheBox() {
    const auto error = [](const char* text, int decimals) {
        return NumberInput::read(QString::fromLatin1(text), ValueRange(), decimals, german())
            .error();
    };
    QCOMPARE(error("12,34", 2), QString());
    QCOMPARE(error("12,340", 2), QString()); // trailing zeros say nothing
    QCOMPARE(error("0,3123", 4), QString());
    QCOMPARE(error("1,123456", -1), QString()); // the plain form shows what it holds
    QCOMPARE(error("12,345", 2),
             QStringLiteral("„12,345“ hat zu viele Nachkommastellen; hier sind höchstens 2 "
                            "möglich."));
    QCOMPARE(error("12,5", 0),
             QStringLiteral("„12,5“ hat Nachkommastellen; hier sind nur ganze Zahlen möglich."));
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
    for (const char* typable : {"-1.234,56", "12.5", "", ",", "+3", "\u22127"})
        QVERIFY2(pattern.match(QString::fromUtf8(typable)).hasMatch(), typable);
    for (const char* blocked : {"12a5", "1e5", "inf", "1-2", "1 2"})
        QVERIFY2(!pattern.match(QString::fromUtf8(blocked)).hasMatch(), blocked);
}

QTEST_GUILESS_MAIN(TestNumberInput)
#include "tst_numberinput.moc"
