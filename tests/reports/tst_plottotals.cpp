#include "support/reportdump.h"
#include "support/workspace.h"

#include "reports/plottotalsreport.h"

#include <QTest>

// The plot sums: every plot's invoice total, in text order of the plot numbers.
class TestPlotTotals : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listMatchesTheGoldenFile();
    void commandClosesThePrintQuery();
};

void TestPlotTotals::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestPlotTotals::listMatchesTheGoldenFile() {
    Workspace w;
    w.execute(QStringLiteral("UPDATE param SET Verein = 'Gartenfreunde Sonnenblick e. V.'"));
    w.execute(QStringLiteral("UPDATE hauptanfangsw SET Jahr = '2026'"));
    // Plot 10 before plot 2; a plot without a total prints no amount.
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr, gesamt) VALUES ('2', 412.5), "
                             "('10', 1234.567), ('1', NULL)"));
    for (Table* table : {&w.dm->param(), &w.dm->anfanghaupt()})
        table->reopen();
    const ReportDocument document = PlotTotalsReport::layout(*w.dm, QDate(2026, 1, 15));
    w.dm->DruckQuery().close();
    const QString difference = compareWithGolden(
        dumpDocument(document), QStringLiteral(LUNETRA_GOLDEN_DIR "/parzellensummen.txt"));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestPlotTotals::commandClosesThePrintQuery() {
    Workspace w;
    bool openWhileShown = false;
    w.interaction.whilePreviewOpen = [&](const ReportDocument& document) {
        openWhileShown = w.dm->DruckQuery().isOpen() && document.pages.size() == 1;
    };
    PlotTotalsReport::run(*w.dm, w.interaction);
    QVERIFY(openWhileShown);
    QVERIFY(!w.dm->DruckQuery().isOpen());
}

QTEST_GUILESS_MAIN(TestPlotTotals)
#include "tst_plottotals.moc"
