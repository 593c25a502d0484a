#include "support/workspace.h"

#include "data/plotrules.h"

#include <QTest>

// The plot register's rules fire on every edit, whichever window makes it.
class TestPlotRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void consumptionFollowsTheReadings();
    void waterFollowsItsOwnReadings();
    void newPlotIsNeitherTransferredNorChecked();
    void replacedMetersAndRemarksOfTheCurrentPlot();
    void failedSaveIsReportedAndReloaded();
    void plotNumberIsRequiredAndUnique();
    void plotNumberIsStoredWithoutSurroundingBlanks();
};

void TestPlotRules::consumptionFollowsTheReadings() {
    Workspace w;
    Table& plots = w.dm->parzelle();
    plots.insert();
    plots.setValue(QStringLiteral("Nr"), QStringLiteral("1"));
    plots.setValue(QStringLiteral("sza"), 1200);
    plots.setValue(QStringLiteral("szn"), 1500);
    QCOMPARE(plots.number(QStringLiteral("Strom")), 300.0);
    plots.setValue(QStringLiteral("nsza"), 0);
    plots.setValue(QStringLiteral("nszn"), 40);
    QCOMPARE(plots.number(QStringLiteral("Strom")), 340.0);
    // An emptied reading counts as 0.
    plots.setValue(QStringLiteral("sza"), QVariant());
    QCOMPARE(plots.number(QStringLiteral("Strom")), 1540.0);
    QVERIFY(plots.post());
    QCOMPARE(w.scalar(QStringLiteral("SELECT Strom FROM parzelle")).toDouble(), 1540.0);
}

void TestPlotRules::waterFollowsItsOwnReadings() {
    Workspace w;
    w.execute(
        QStringLiteral("INSERT INTO parzelle (Nr, wza, wzn, Strom) VALUES ('1', 10, 30, 77)"));
    Table& plots = w.dm->parzelle();
    plots.reopen();
    plots.setValue(QStringLiteral("nwzn"), 5);
    QCOMPARE(plots.number(QStringLiteral("Wasser")), 25.0);
    QCOMPARE(plots.number(QStringLiteral("Strom")), 77.0);
}

void TestPlotRules::newPlotIsNeitherTransferredNorChecked() {
    Workspace w;
    Table& plots = w.dm->parzelle();
    plots.insert();
    plots.setValue(QStringLiteral("Nr"), QStringLiteral("5"));
    QVERIFY(plots.post());
    QCOMPARE(w.scalar(QStringLiteral("SELECT uebernommen + stromcheck FROM parzelle")).toInt(), 0);
    QCOMPARE(w.scalar(QStringLiteral("SELECT Flaeche + gesamt FROM parzelle")).toDouble(), 0.0);
    // The connection markers stay open until the treasurer chooses one.
    QVERIFY(w.scalar(QStringLiteral("SELECT text1 FROM parzelle")).isNull());
}

void TestPlotRules::replacedMetersAndRemarksOfTheCurrentPlot() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr, nszn, nwzn, memo) VALUES "
                             "('1', 80, 0, 'Zaun reparieren'), ('2', 0, 3, '')"));
    Table& plots = w.dm->parzelle();
    plots.reopen();
    QVERIFY(PlotRules::hasReplacedElectricityMeter(plots));
    QVERIFY(!PlotRules::hasReplacedWaterMeter(plots));
    QVERIFY(PlotRules::hasRemarks(plots));
    plots.next();
    QVERIFY(!PlotRules::hasReplacedElectricityMeter(plots));
    QVERIFY(PlotRules::hasReplacedWaterMeter(plots));
    QVERIFY(!PlotRules::hasRemarks(plots));
}

void TestPlotRules::failedSaveIsReportedAndReloaded() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr, Name) VALUES ('1', 'Alt'), ('2', 'Zwei')"));
    w.execute(QStringLiteral("CREATE TRIGGER locked BEFORE UPDATE ON parzelle "
                             "BEGIN SELECT RAISE(ABORT, 'Parzelle gesperrt'); END"));
    Table& plots = w.dm->parzelle();
    plots.reopen();
    plots.next();
    plots.setValue(QStringLiteral("Name"), QStringLiteral("Neu"));
    plots.first();
    QCOMPARE(w.interaction.errors.size(), 1);
    QVERIFY(w.interaction.errors.first().contains(QStringLiteral("Parzelle gesperrt")));
    QVERIFY(plots.isOpen());
    QCOMPARE(plots.state(), Table::State::Browse);
    QCOMPARE(plots.text(QStringLiteral("Nr")), QStringLiteral("1"));
    QCOMPARE(w.scalar(QStringLiteral("SELECT Name FROM parzelle WHERE Nr = '2'")).toString(),
             QStringLiteral("Zwei"));
}

void TestPlotRules::plotNumberIsRequiredAndUnique() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr) VALUES ('7')"));
    Table& plots = w.dm->parzelle();
    plots.reopen();
    plots.insert();
    plots.setValue(QStringLiteral("Name"), QStringLiteral("Lehmann"));
    QVERIFY(!plots.post());
    QCOMPARE(plots.state(), Table::State::Insert);
    plots.setValue(QStringLiteral("Nr"), QStringLiteral("7"));
    QVERIFY(!plots.post());
    QCOMPARE(w.interaction.messages.size(), 2);
    plots.setValue(QStringLiteral("Nr"), QStringLiteral("17"));
    QVERIFY(plots.post());
    // A stored plot may keep its own number, but not take another plot's.
    plots.setValue(QStringLiteral("Name"), QStringLiteral("Lehmann-Berg"));
    QVERIFY(plots.post());
    plots.setValue(QStringLiteral("Nr"), QStringLiteral("7"));
    QVERIFY(!plots.post());
    QCOMPARE(w.scalar(QStringLiteral("SELECT count(*) FROM parzelle WHERE Nr = '7'")).toInt(), 1);
}

void TestPlotRules::plotNumberIsStoredWithoutSurroundingBlanks() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr) VALUES ('1'), ('10'), (' 20')"));
    Table& plots = w.dm->parzelle();
    plots.reopen();
    QVERIFY(plots.locate(QStringLiteral("Nr"), QStringLiteral("1")));
    // Numbers that only look different from another plot's are the same number.
    for (const char* typed : {"10 ", " 10", "\t10", "20"}) {
        plots.setValue(QStringLiteral("Nr"), QString::fromLatin1(typed));
        QCOMPARE(plots.text(QStringLiteral("Nr")), QString::fromLatin1(typed).trimmed());
        QVERIFY2(!plots.post(), typed);
    }
    QCOMPARE(w.interaction.messages.size(), 4);
    plots.setValue(QStringLiteral("Nr"), QStringLiteral(" 1 1 "));
    QVERIFY(plots.post());
    QCOMPARE(w.scalar(QStringLiteral("SELECT group_concat(Nr, '|') FROM parzelle")).toString(),
             QStringLiteral("1 1|10| 20"));
}

QTEST_GUILESS_MAIN(TestPlotRules)
#include "tst_plotrules.moc"
