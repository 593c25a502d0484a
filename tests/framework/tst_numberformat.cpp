#include "framework/numberformat.h"

#include <QTest>

// Figures as statements and windows show them, with the locale's decimal separator.
class TestNumberFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formats_data();
    void formats();
};

void TestNumberFormat::formats_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("money width 8") << 135.0 << "%8.2f"
                                   << "  135,00"
                                   << "  135.00";
    QTest::newRow("negative money") << -30.0 << "%8.2f"
                                    << "  -30,00"
                                    << "  -30.00";
    QTest::newRow("no thousands in printf") << 12345.5 << "%8.2f"
                                            << "12345,50"
                                            << "12345.50";
    QTest::newRow("quantity") << 451.0 << "%8.1f"
                              << "   451,0"
                              << "   451.0";
    QTest::newRow("half away from zero") << 0.125 << "0.00"
                                         << "0,13"
                                         << "0.13";
    QTest::newRow("stored below half") << 2.675 << "0.00"
                                       << "2,68"
                                       << "2.68";
    QTest::newRow("price") << 0.3333 << "0.0000"
                           << "0,3333"
                           << "0.3333";
    QTest::newRow("hours") << 5.0 << "0"
                           << "5"
                           << "5";
    QTest::newRow("thousands") << 4812.37 << "#,##0.00"
                               << "4.812,37"
                               << "4,812.37";
    QTest::newRow("plain") << 250.5 << ""
                           << "250,5"
                           << "250.5";
    QTest::newRow("plain whole") << 250.0 << ""
                                 << "250"
                                 << "250";
    QTest::newRow("plain price") << 0.12 << ""
                                 << "0,12"
                                 << "0.12";
    QTest::newRow("minus zero") << -0.001 << "0.00"
                                << "0,00"
                                << "0.00";
}

void TestNumberFormat::formats() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, german);
    QFETCH(QString, english);
    QCOMPARE(NumberFormat::format(value, pattern, QLocale(QLocale::German, QLocale::Germany)),
             german);
    QCOMPARE(NumberFormat::format(value, pattern, QLocale(QLocale::English, QLocale::UnitedStates)),
             english);
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
