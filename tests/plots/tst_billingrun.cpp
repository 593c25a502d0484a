#include "support/simulateddisk.h"
#include "support/workspace.h"

#include "data/billamounts.h"
#include "data/rounding.h"
#include "plots/billingrun.h"
#include "plots/losssharing.h"
#include "plots/plotcommands.h"

#include <QTest>

#include <algorithm>

namespace {

// One plot row as the statements saw it while the preview was open.
struct StatementRow {
    QString nr;
    double strom = 0;
    double wasser = 0;
    double gesamt = 0;
    double preisKwh = 0;
};

// Everything the run handed to its caller.
struct Seen {
    int parametersShown = 0;
    int statementsShown = 0;
    StatementOptions options; // handed to the statements
    StatementOptions optionsAfter;
    QString year;
    QList<StatementRow> rows;
    QStringList fields;
    double currentPlotStrom = -1; // what the plot register showed during the preview
};

void exec(Workspace& w, const QString& sql, const QVariantList& values = {}) {
    QCOMPARE(w.dm->parzelleADOConnection().execute(sql, values), QString());
}

// A plot whose readings give the raw consumption asked for; its stored consumption is
// something else, as after edits that the run has to correct.
void addPlot(Workspace& w, const QString& nr, const QVariant& electricityMarker,
             const QVariant& waterMarker, double kwh = 0, double cubicMetres = 0) {
    exec(
        w,
        QStringLiteral("INSERT INTO parzelle (Nr, text1, text2, sza, szn, wza, wzn, Strom, Wasser) "
                       "VALUES (?, ?, ?, 1000, ?, 50, ?, 7, 3)"),
        {nr, electricityMarker, waterMarker, 1000 + kwh, 50 + cubicMetres});
}

void setParameters(Workspace& w, const QString& assignments, const QVariantList& values = {}) {
    exec(w, QStringLiteral("UPDATE param SET ") + assignments, values);
}

void setMethods(Workspace& w, LossSharing electricity, LossSharing water) {
    Table& parameters = w.dm->param();
    parameters.reopen();
    LossSharingChoice::setElectricity(parameters, electricity);
    LossSharingChoice::setWater(parameters, water);
    QVERIFY(parameters.post());
}

void reload(Workspace& w) {
    w.dm->parzelle().reopen();
    w.dm->param().reopen();
    w.dm->nfelder().reopen();
}

double plotValue(Workspace& w, const QString& nr, const QString& column) {
    return w.dm->parzelleADOConnection()
        .scalar(QStringLiteral("SELECT %1 FROM parzelle WHERE Nr = ?").arg(column), {nr})
        .toDouble();
}

double parameterValue(Workspace& w, const QString& column) {
    return w.scalar(QStringLiteral("SELECT %1 FROM param").arg(column)).toDouble();
}

BillingRun::Outcome runBilling(Workspace& w, Seen& seen, const BillingOptions& options = {}) {
    BillingRun run(*w.dm, w.interaction);
    run.setShowParameters([&seen] { ++seen.parametersShown; });
    run.setShowStatements(
        [&seen, &w](Query& rows, const QString& year, const StatementOptions& options) {
            ++seen.statementsShown;
            seen.options = options;
            seen.year = year;
            seen.fields = rows.fieldNames();
            for (rows.first(); !rows.atEnd(); rows.next()) {
                seen.rows << StatementRow{
                    rows.text(QStringLiteral("Nr")), rows.number(QStringLiteral("Strom")),
                    rows.number(QStringLiteral("Wasser")), rows.number(QStringLiteral("gesamt")),
                    rows.number(QStringLiteral("Preis_kwh"))};
            }
            seen.currentPlotStrom = w.dm->parzelle().number(QStringLiteral("Strom"));
        });
    const BillingRun::Outcome outcome = run.run(options);
    seen.optionsAfter = run.statementOptions();
    return outcome;
}

// Two metered plots using 400 and 500 kWh against 1000 kWh on the main meter and a bill of
// 300 euros; no plot has water.
void twoMeteredPlots(Workspace& w, LossSharing method, double mainMeter = 1000) {
    addPlot(w, QStringLiteral("1"), QStringLiteral("X"), QStringLiteral(" "), 400);
    addPlot(w, QStringLiteral("2"), QStringLiteral("X"), QStringLiteral(" "), 500);
    setParameters(w, QStringLiteral("z6 = ?, strech = 300, z8 = 7"), {mainMeter});
    setMethods(w, method, LossSharing::NotChosen);
    reload(w);
}

} // namespace

// The annual billing run over the whole plot register: shares, prices, advances, totals,
// stops, and that a failure leaves nothing half done.
class TestBillingRun : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void equalShareAddsTheLossToEveryMeteredPlot();
    void byConsumptionRaisesThePrice();
    void mainMeterBelowThePlotsGivesANegativeShare();
    void lossShareIsRoundedToOneDecimal();
    void pricesAreRoundedWithHalvesToEven();
    void noWaterPlotMeansNoWaterCheck();
    void plotWithoutMarkerKeepsItsConsumption();
    void advanceIsAWholeAmount();
    void fixedCostsAreSharedAmongThePlots();
    void withoutPlotsTheCommonSharesStay();
    void customItemsAreChargedOrCredited_data();
    void customItemsAreChargedOrCredited();
    void missingInputStopsTheRun_data();
    void missingInputStopsTheRun();
    void totalIsTheSumOfTheRoundedAmounts();
    void amountNoOneCanMeanStopsTheRun();
    void statementsGetTheLayoutAndTheYear();
    void twoRunsGiveTheSameTotals();
    void dunningFeeIsRemovedFromTheTotal();
    void failingStatementChangesNothing();
    void fullDiskIsReportedAndNothingIsLost();
    void pendingEditsAreBilled();
    void registerStaysOnItsPlot();
};

void TestBillingRun::equalShareAddsTheLossToEveryMeteredPlot() {
    Workspace w;
    addPlot(w, QStringLiteral("10"), QStringLiteral(" "), QStringLiteral(" "), 80, 4);
    twoMeteredPlots(w, LossSharing::Equal);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    QCOMPARE(w.interaction.said(), QStringList());
    QCOMPARE(parameterValue(w, QStringLiteral("z8")), 50.0);
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_kwh")), 0.3);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 135.0);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("gesamt")), 165.0);
    QCOMPARE(plotValue(w, QStringLiteral("10"), QStringLiteral("gesamt")), 0.0);

    // The statements see the consumption with the share, one row per plot in text order.
    QCOMPARE(seen.statementsShown, 1);
    QVERIFY(seen.options.electricityEqualShare);
    QVERIFY(!seen.options.waterEqualShare);
    QVERIFY(seen.optionsAfter.electricityEqualShare);
    QCOMPARE(seen.rows.size(), 3);
    QCOMPARE(seen.rows.at(0).nr, QStringLiteral("1"));
    QCOMPARE(seen.rows.at(1).nr, QStringLiteral("10"));
    QCOMPARE(seen.rows.at(2).nr, QStringLiteral("2"));
    QCOMPARE(seen.rows.at(0).strom, 450.0);
    QCOMPARE(seen.rows.at(2).strom, 550.0);
    QCOMPARE(seen.rows.at(1).strom, 0.0);
    QCOMPARE(seen.rows.at(1).wasser, 0.0);
    QCOMPARE(seen.rows.at(0).gesamt, 135.0);
    QCOMPARE(seen.rows.at(0).preisKwh, 0.3);
    QVERIFY(seen.fields.contains(QStringLiteral("reserve1_1"), Qt::CaseInsensitive));
    QCOMPARE(seen.currentPlotStrom, 450.0);

    // Afterwards the plots hold their metered consumption again.
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("Strom")), 400.0);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("Strom")), 500.0);
    QCOMPARE(w.dm->parzelle().number(QStringLiteral("Strom")), 400.0);
    QCOMPARE(w.dm->param().number(QStringLiteral("Preis_kwh")), 0.3);
    QCOMPARE(w.dm->param().number(QStringLiteral("z8")), 50.0);
    QVERIFY(!w.dm->DruckQuery().isOpen());

    const QList<int> progress = w.interaction.progress;
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.first(), 0);
    QCOMPARE(progress.last(), 100);
    QVERIFY(std::is_sorted(progress.begin(), progress.end()));
    QVERIFY(!w.interaction.isShowingProgress());
}

void TestBillingRun::byConsumptionRaisesThePrice() {
    Workspace w;
    twoMeteredPlots(w, LossSharing::ByConsumption);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_kwh")), 0.3333);
    QCOMPARE(parameterValue(w, QStringLiteral("z8")), 0.0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 133.32);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("gesamt")), 166.65);
    QCOMPARE(seen.rows.at(0).strom, 400.0);
    QVERIFY(!seen.options.electricityEqualShare);
}

void TestBillingRun::mainMeterBelowThePlotsGivesANegativeShare() {
    Workspace w;
    twoMeteredPlots(w, LossSharing::Equal, 800);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    QCOMPARE(parameterValue(w, QStringLiteral("z8")), -50.0);
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_kwh")), 0.375);
    QCOMPARE(seen.rows.at(0).strom, 350.0);
    QCOMPARE(seen.rows.at(1).strom, 450.0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 131.25);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("gesamt")), 168.75);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("Strom")), 400.0);
}

void TestBillingRun::lossShareIsRoundedToOneDecimal() {
    Workspace w;
    for (const char* nr : {"1", "2", "3"})
        addPlot(w, QString::fromLatin1(nr), QStringLiteral("X"), QStringLiteral(" "), 100);
    setParameters(w, QStringLiteral("z6 = 301, strech = 30.1"));
    setMethods(w, LossSharing::Equal, LossSharing::NotChosen);
    reload(w);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    // (301 - 300) / 3 = 0.333… kWh.
    QCOMPARE(parameterValue(w, QStringLiteral("z8")), 0.3);
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_kwh")), 0.1);
    QCOMPARE(seen.rows.at(0).strom, 100.3);
    QCOMPARE(plotValue(w, QStringLiteral("3"), QStringLiteral("gesamt")), 10.03);
}

void TestBillingRun::pricesAreRoundedWithHalvesToEven() {
    Workspace w;
    addPlot(w, QStringLiteral("1"), QStringLiteral(" "), QStringLiteral("X"), 0, 8);
    setParameters(w, QStringLiteral("warech = 1, z9 = 4"));
    setMethods(w, LossSharing::NotChosen, LossSharing::ByConsumption);
    reload(w);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    // 1 / 8 = 0.125 is a half cent: to the even neighbour.
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_qm")), Rounding::roundHalfEven(0.125, 2));
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_qm")), 0.12);
    QCOMPARE(parameterValue(w, QStringLiteral("z9")), 0.0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 0.96);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("Wasser")), 8.0);
}

void TestBillingRun::noWaterPlotMeansNoWaterCheck() {
    Workspace w;
    twoMeteredPlots(w, LossSharing::Equal);
    setParameters(w, QStringLiteral("Preis_qm = 1.5, z9 = 2.5, Grundgebuehr_W = 33, "
                                    "Grundgebuehr_W_Verein = 100"));
    reload(w);

    Seen seen;
    // The water method is not chosen, which would stop a run with a metered water plot.
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    QCOMPARE(w.interaction.said(), QStringList());
    QCOMPARE(parameterValue(w, QStringLiteral("Grundgebuehr_W")), 0.0);
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_qm")), 1.5);
    QCOMPARE(parameterValue(w, QStringLiteral("z9")), 2.5);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("Wasser")), 0.0);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("Wasser")), 0.0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 135.0);
    QVERIFY(!seen.options.waterEqualShare);
}

void TestBillingRun::plotWithoutMarkerKeepsItsConsumption() {
    Workspace w;
    addPlot(w, QStringLiteral("1"), QStringLiteral("X"), QStringLiteral(" "), 400);
    addPlot(w, QStringLiteral("2"), QVariant(), QVariant(), 999, 999);
    exec(w, QStringLiteral("UPDATE parzelle SET Strom = 200, Wasser = 5 WHERE Nr = '2'"));
    setParameters(w, QStringLiteral("z6 = 500, strech = 150, grundg_verein = 20, Preis_qm = 2"));
    setMethods(w, LossSharing::Equal, LossSharing::NotChosen);
    reload(w);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    // Only plot 1 is metered: it carries the whole loss and the whole standing charge share.
    QCOMPARE(parameterValue(w, QStringLiteral("z8")), 100.0);
    QCOMPARE(parameterValue(w, QStringLiteral("Wartungsgebuehr")), 20.0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 150.0 + 20.0);
    // Plot 2 is charged its stored consumption and pays the share too.
    QCOMPARE(seen.rows.at(1).strom, 200.0);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("gesamt")), 60.0 + 10.0 + 20.0);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("Strom")), 200.0);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("Wasser")), 5.0);
}

void TestBillingRun::advanceIsAWholeAmount() {
    Workspace w;
    addPlot(w, QStringLiteral("1"), QStringLiteral("X"), QStringLiteral(" "), 451);
    exec(w, QStringLiteral("UPDATE parzelle SET Abschlag_Strom_Vorjahr = 50, Abschlag_Wasser = 12, "
                           "Abschlag_Wasser_Vorjahr = 2"));
    setParameters(w, QStringLiteral("z6 = 451, strech = 135.3, z21 = 50, z22 = 80, Preis_qm = 1"));
    setMethods(w, LossSharing::Equal, LossSharing::NotChosen);
    reload(w);

    Seen seen;
    BillingOptions options;
    options.electricityAdvance = true;
    QCOMPARE(runBilling(w, seen, options), BillingRun::Outcome::Completed);
    // 451 kWh × 0.30 × 50 % = 67.65.
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("Abschlag_Strom")), 68.0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("Abschlag_Wasser")), 0.0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 135.3 - 50 + 68 - 2);

    Seen again;
    QCOMPARE(runBilling(w, again), BillingRun::Outcome::Completed);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("Abschlag_Strom")), 0.0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 135.3 - 50 - 2);
}

void TestBillingRun::fixedCostsAreSharedAmongThePlots() {
    Workspace w;
    addPlot(w, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("X"));
    addPlot(w, QStringLiteral("B"), QStringLiteral("X"), QStringLiteral(" "));
    addPlot(w, QStringLiteral("C"), QStringLiteral(" "), QStringLiteral("X"));
    // Main meters that only carry the plots' metered nothing; no bills for the media.
    setParameters(w, QStringLiteral("z6 = 1, z7 = 1, grundg_verein = 100, "
                                    "Grundgebuehr_W_Verein = 50, strreiv = 10, unfallv = 20, "
                                    "haftpflv = 30"));
    setMethods(w, LossSharing::Equal, LossSharing::Equal);
    reload(w);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    QVERIFY(seen.options.electricityEqualShare);
    QVERIFY(seen.options.waterEqualShare);
    QCOMPARE(parameterValue(w, QStringLiteral("z8")), 0.5);
    QCOMPARE(parameterValue(w, QStringLiteral("z9")), 0.5);
    QCOMPARE(parameterValue(w, QStringLiteral("Wartungsgebuehr")), 50.0);
    QCOMPARE(parameterValue(w, QStringLiteral("Grundgebuehr_W")), 25.0);
    QCOMPARE(parameterValue(w, QStringLiteral("Strassenreinigung")), 3.33);
    QCOMPARE(parameterValue(w, QStringLiteral("Vereinsunfallversicherung")), 6.67);
    QCOMPARE(parameterValue(w, QStringLiteral("Vereinshaftpflicht")), 10.0);
    // Unconnected plots pay no standing charge of that medium.
    QCOMPARE(plotValue(w, QStringLiteral("A"), QStringLiteral("gesamt")), 95.0);
    QCOMPARE(plotValue(w, QStringLiteral("B"), QStringLiteral("gesamt")), 70.0);
    QCOMPARE(plotValue(w, QStringLiteral("C"), QStringLiteral("gesamt")), 45.0);
}

void TestBillingRun::withoutPlotsTheCommonSharesStay() {
    Workspace w;
    setParameters(w, QStringLiteral("Strassenreinigung = 7, Wartungsgebuehr = 5, strreiv = 10"));
    reload(w);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    QCOMPARE(parameterValue(w, QStringLiteral("Strassenreinigung")), 7.0);
    QCOMPARE(parameterValue(w, QStringLiteral("Wartungsgebuehr")), 0.0);
    QCOMPARE(seen.statementsShown, 1);
    QVERIFY(seen.rows.isEmpty());
}

void TestBillingRun::customItemsAreChargedOrCredited_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("income");
    QTest::addColumn<bool>("areaLink");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("change");

    for (int item = 1; item <= 12; ++item) {
        if (item == 5 || item == 6)
            continue;
        QTest::addRow("item %d charged", item) << item << true << false << 10.0 << 10.0;
        QTest::addRow("item %d credited", item) << item << false << false << 10.0 << -10.0;
    }
    for (int item : {5, 6}) {
        QTest::addRow("item %d charged", item) << item << true << false << 10.0 << 10.0;
        QTest::addRow("item %d credited", item) << item << false << false << 10.0 << -10.0;
    }
    // By area: a price per m² times 250.5 m², billed in cents like every other amount.
    QTest::newRow("item 5 by area charged") << 5 << true << true << 0.1234 << 30.91;
    QTest::newRow("item 5 by area credited") << 5 << false << true << 0.1234 << -30.91;
    QTest::newRow("item 6 by area charged") << 6 << true << true << 0.12345 << 30.92;
    QTest::newRow("item 6 by area credited") << 6 << false << true << 0.12345 << -30.92;
    QTest::newRow("item 5 by area, half a cent") << 5 << true << true << 0.01 << 2.5;
    QTest::newRow("item 6 by area, half a cent") << 6 << false << true << 0.05 << -12.52;
}

void TestBillingRun::customItemsAreChargedOrCredited() {
    QFETCH(int, item);
    QFETCH(bool, income);
    QFETCH(bool, areaLink);
    QFETCH(double, amount);
    QFETCH(double, change);

    Workspace w;
    // An unconnected plot: no medium is checked and nothing else is charged.
    addPlot(w, QStringLiteral("1"), QStringLiteral(" "), QStringLiteral(" "));
    exec(w, QStringLiteral("UPDATE parzelle SET Flaeche = 250.5, gesamt = 99"));
    reload(w);
    Seen before;
    QCOMPARE(runBilling(w, before), BillingRun::Outcome::Completed);
    const double without = plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt"));
    QCOMPARE(without, 0.0);

    const bool perPlot = item <= 4 || item == 9 || item == 10;
    exec(w,
         QStringLiteral("UPDATE %1 SET reserve%2 = ?")
             .arg(perPlot ? QStringLiteral("parzelle") : QStringLiteral("param"))
             .arg(item),
         {amount});
    exec(w, QStringLiteral("UPDATE nfelder SET rc%1 = ?, rc111 = ?, rc222 = ?").arg(item),
         {income, item == 5 && areaLink, item == 6 && areaLink});
    reload(w);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")) - without, change);
}

void TestBillingRun::missingInputStopsTheRun_data() {
    QTest::addColumn<int>("electricityMethod");
    QTest::addColumn<int>("waterMethod");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("message");

    // Electricity complete, so that a water stop comes after a passed electricity check.
    const QString electricityDone = QStringLiteral("strech = 300, z6 = 1000");
    const QString waterDone = QStringLiteral("warech = 100, z7 = 50");
    QTest::newRow("no electricity method")
        << 0 << 1 << waterDone
        << QStringLiteral("S T O P ! Sie müssen erst ein Umlageverfahren für die "
                          "Energieverluste im Formular 'Allg. Eingaben' auswählen!");
    QTest::newRow("no electricity bill")
        << 2 << 1 << QStringLiteral("strech = 0, z6 = 1000, ") + waterDone
        << QStringLiteral("S T O P ! Das Feld 'Energie Verein' im Formular 'allg. Eingaben' "
                          "muss noch ausgefüllt werden!");
    QTest::newRow("no electricity main meter")
        << 1 << 1 << QStringLiteral("strech = 300, z6 = 0, ") + waterDone
        << QStringLiteral("S T O P ! Das Feld 'Verbrauch Hauptzähler[kwh]' im Formular 'allg. "
                          "Eingaben' muss noch ausgefüllt werden!");
    QTest::newRow("no water method")
        << 1 << 0 << electricityDone
        << QStringLiteral("S T O P ! Sie müssen erst ein Umlageverfahren für die "
                          "Wasserverluste im Formular 'Allg. Eingaben' auswählen!");
    QTest::newRow("no water bill")
        << 1 << 2 << electricityDone + QStringLiteral(", warech = 0, z7 = 50")
        << QStringLiteral("S T O P ! Das Feld 'Wasser Verein' im Formular 'allg. Eingaben' "
                          "muss noch ausgefüllt werden!");
    QTest::newRow("no water main meter")
        << 2 << 1 << electricityDone + QStringLiteral(", warech = 100, z7 = 0")
        << QStringLiteral("S T O P ! Das Feld 'Verbrauch Hauptzähler[m³]' im Formular 'allg. "
                          "Eingaben' muss noch ausgefüllt werden!");
}

void TestBillingRun::missingInputStopsTheRun() {
    QFETCH(int, electricityMethod);
    QFETCH(int, waterMethod);
    QFETCH(QString, inputs);
    QFETCH(QString, message);

    Workspace w;
    addPlot(w, QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("X"), 400, 20);
    addPlot(w, QStringLiteral("2"), QStringLiteral("X"), QStringLiteral("X"), 500, 30);
    exec(w, QStringLiteral("UPDATE parzelle SET gesamt = 42, Abschlag_Strom = 11"));
    setParameters(w, inputs + QStringLiteral(", Preis_kwh = 0.5, Preis_qm = 2, z8 = 3, z9 = 4, "
                                             "Wartungsgebuehr = 6"));
    setParameters(w, QStringLiteral("z23 = ?, z24 = ?"), {electricityMethod, waterMethod});
    reload(w);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Stopped);
    // The progress window is gone before the message appears, so that it can be answered.
    QCOMPARE(w.interaction.events(), (QStringList{QStringLiteral("[Fortschritt: Jahresabrechnung]"),
                                                  QStringLiteral("[Fortschritt zu]"), message}));
    QCOMPARE(w.interaction.errors, QStringList());
    QCOMPARE(seen.parametersShown, 1);
    QCOMPARE(seen.statementsShown, 0);
    for (const QString& nr : {QStringLiteral("1"), QStringLiteral("2")}) {
        QCOMPARE(plotValue(w, nr, QStringLiteral("gesamt")), 42.0);
        QCOMPARE(plotValue(w, nr, QStringLiteral("Abschlag_Strom")), 11.0);
    }
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_kwh")), 0.5);
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_qm")), 2.0);
    QCOMPARE(parameterValue(w, QStringLiteral("z8")), 3.0);
    QCOMPARE(parameterValue(w, QStringLiteral("z9")), 4.0);
    QCOMPARE(parameterValue(w, QStringLiteral("Wartungsgebuehr")), 6.0);
    // Only the raw consumption has been written.
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("Strom")), 500.0);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("Wasser")), 30.0);
}

void TestBillingRun::totalIsTheSumOfTheRoundedAmounts() {
    Workspace w;
    addPlot(w, QStringLiteral("1"), QStringLiteral(" "), QStringLiteral(" "));
    addPlot(w, QStringLiteral("2"), QStringLiteral(" "), QStringLiteral(" "));
    exec(w, QStringLiteral("UPDATE parzelle SET Flaeche = 223, nicht_gel_Arbeitsstunden = 1.5 "
                           "WHERE Nr = '1'"));
    exec(w, QStringLiteral("UPDATE parzelle SET Flaeche = 225, nicht_gel_Arbeitsstunden = 0.5 "
                           "WHERE Nr = '2'"));
    setParameters(w, QStringLiteral("Pachtzins = 0.215, Preis_Arbeitsstunde = 12.25"));
    reload(w);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    // 47.945 + 18.375 and 48.375 + 6.125: every half cent to the even cent, once.
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 47.94 + 18.38);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("gesamt")), 48.38 + 6.12);
}

void TestBillingRun::amountNoOneCanMeanStopsTheRun() {
    Workspace w;
    addPlot(w, QStringLiteral("1"), QStringLiteral(" "), QStringLiteral(" "));
    addPlot(w, QStringLiteral("7"), QStringLiteral(" "), QStringLiteral(" "));
    exec(w, QStringLiteral("UPDATE parzelle SET gesamt = 42"));
    exec(w, QStringLiteral("UPDATE parzelle SET Laubenversicherung = 9e999 WHERE Nr = '7'"));
    reload(w);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Failed);
    QCOMPARE(seen.statementsShown, 0);
    QCOMPARE(w.interaction.errors.size(), 1);
    QVERIFY2(w.interaction.errors.first().contains(QStringLiteral("Parzelle 7")),
             qPrintable(w.interaction.errors.first()));
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 42.0);
    QCOMPARE(plotValue(w, QStringLiteral("7"), QStringLiteral("gesamt")), 42.0);
}

void TestBillingRun::statementsGetTheLayoutAndTheYear() {
    Workspace w;
    twoMeteredPlots(w, LossSharing::Equal);
    exec(w, QStringLiteral("UPDATE hauptanfangsw SET Jahr = '2031'"));
    w.dm->anfanghaupt().reopen();

    Seen second;
    BillingOptions options;
    options.statementLayout = StatementLayout::WithoutTransferForm;
    QCOMPARE(runBilling(w, second, options), BillingRun::Outcome::Completed);
    QCOMPARE(second.options.layout, StatementLayout::WithoutTransferForm);
    QCOMPARE(second.year, QStringLiteral("2031"));

    // The choice holds for its own run only.
    Seen next;
    QCOMPARE(runBilling(w, next), BillingRun::Outcome::Completed);
    QCOMPARE(next.options.layout, StatementLayout::WithTransferForm);
}

void TestBillingRun::twoRunsGiveTheSameTotals() {
    Workspace w;
    twoMeteredPlots(w, LossSharing::Equal, 1003);
    BillingOptions options;
    options.electricityAdvance = true;
    setParameters(w, QStringLiteral("z21 = 40"));
    reload(w);

    Seen first;
    QCOMPARE(runBilling(w, first, options), BillingRun::Outcome::Completed);
    const double one = plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt"));
    const double two = plotValue(w, QStringLiteral("2"), QStringLiteral("gesamt"));
    QCOMPARE(parameterValue(w, QStringLiteral("z8")), 51.5);

    Seen second;
    QCOMPARE(runBilling(w, second, options), BillingRun::Outcome::Completed);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), one);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("gesamt")), two);
    QCOMPARE(second.rows.at(0).strom, 451.5);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("Strom")), 400.0);
}

void TestBillingRun::dunningFeeIsRemovedFromTheTotal() {
    Workspace w;
    twoMeteredPlots(w, LossSharing::Equal);
    Seen first;
    QCOMPARE(runBilling(w, first), BillingRun::Outcome::Completed);

    // The fee is added in the register and not yet stored when the run starts.
    exec(w, QStringLiteral("UPDATE parzelle SET mahncheck = true"));
    setParameters(w, QStringLiteral("Mahngebuehr = 5"));
    reload(w);
    Table& plots = w.dm->parzelle();
    QVERIFY(plots.locate(QStringLiteral("Nr"), QStringLiteral("2")));
    QVERIFY(PlotCommands::addDunningFee(*w.dm));
    QCOMPARE(plots.number(QStringLiteral("gesamt")), 170.0);

    Seen second;
    QCOMPARE(runBilling(w, second), BillingRun::Outcome::Completed);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("gesamt")), 165.0);
    const QString mark = QString::fromLatin1(BillAmounts::dunningFeeIncludedColumn);
    QCOMPARE(w.scalar(QStringLiteral("SELECT count(*) FROM parzelle WHERE %1").arg(mark)).toInt(),
             0);
    QVERIFY(!plots.flag(mark));
    // The register is free to add the fee again.
    QVERIFY(PlotCommands::addDunningFee(*w.dm));
}

void TestBillingRun::failingStatementChangesNothing() {
    Workspace w;
    twoMeteredPlots(w, LossSharing::Equal);
    exec(w, QStringLiteral("UPDATE parzelle SET gesamt = 42"));
    setParameters(w, QStringLiteral("Preis_kwh = 0.5, grundg_verein = 20"));
    exec(w, QStringLiteral("CREATE TRIGGER t BEFORE UPDATE OF gesamt ON parzelle "
                           "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"));
    reload(w);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Failed);
    QCOMPARE(w.interaction.errors.size(), 1);
    QVERIFY(w.interaction.errors.first().contains(QStringLiteral("gesperrt")));
    QCOMPARE(seen.statementsShown, 0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 42.0);
    QCOMPARE(plotValue(w, QStringLiteral("2"), QStringLiteral("gesamt")), 42.0);
    // Everything before the refused statement is undone too.
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_kwh")), 0.5);
    QCOMPARE(parameterValue(w, QStringLiteral("z8")), 7.0);
    QCOMPARE(parameterValue(w, QStringLiteral("Wartungsgebuehr")), 0.0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("Strom")), 7.0);

    // Without the lock the same run goes through.
    exec(w, QStringLiteral("DROP TRIGGER t"));
    Seen again;
    QCOMPARE(runBilling(w, again), BillingRun::Outcome::Completed);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 135.0 + 10.0);
}

void TestBillingRun::fullDiskIsReportedAndNothingIsLost() {
    SimulatedDisk disk;
    Workspace w;
    twoMeteredPlots(w, LossSharing::Equal);
    disk.setTrouble(SimulatedDisk::Trouble::Full);
    const QString failed =
        QStringLiteral("Die Jahresabrechnung konnte nicht durchgeführt werden. "
                       "Es wurde nichts verändert.\n\nDer Datenträger ist voll.");

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Failed);
    QCOMPARE(w.interaction.errors.size(), 1);
    QVERIFY2(w.interaction.errors.first().startsWith(failed),
             qPrintable(w.interaction.errors.first()));

    // A typed parameter that cannot be stored stops the run with the reason, and stays typed.
    w.interaction.clear();
    w.dm->param().setValue(QStringLiteral("strech"), 400);
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Failed);
    QCOMPARE(w.interaction.errors.size(), 1);
    QVERIFY(w.interaction.errors.first().startsWith(failed));
    QVERIFY(!w.interaction.isShowingProgress());
    QCOMPARE(w.dm->param().number(QStringLiteral("strech")), 400.0);
    QCOMPARE(seen.statementsShown, 0);

    // Once there is room again, the same run goes through with the typed value.
    disk.setTrouble(SimulatedDisk::Trouble::None);
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_kwh")), 0.4);
}

void TestBillingRun::pendingEditsAreBilled() {
    Workspace w;
    twoMeteredPlots(w, LossSharing::Equal);
    // Typed into the windows, not yet stored.
    w.dm->param().setValue(QStringLiteral("strech"), 400);
    Table& plots = w.dm->parzelle();
    QVERIFY(plots.locate(QStringLiteral("Nr"), QStringLiteral("1")));
    plots.setValue(QStringLiteral("Laubenversicherung"), 12.5);

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    QCOMPARE(parameterValue(w, QStringLiteral("Preis_kwh")), 0.4);
    QCOMPARE(parameterValue(w, QStringLiteral("strech")), 400.0);
    QCOMPARE(plotValue(w, QStringLiteral("1"), QStringLiteral("gesamt")), 180.0 + 12.5);
    QCOMPARE(w.dm->param().number(QStringLiteral("Preis_kwh")), 0.4);
}

void TestBillingRun::registerStaysOnItsPlot() {
    Workspace w;
    addPlot(w, QStringLiteral("10"), QStringLiteral(" "), QStringLiteral(" "));
    twoMeteredPlots(w, LossSharing::Equal);
    Table& plots = w.dm->parzelle();
    QVERIFY(plots.locate(QStringLiteral("Nr"), QStringLiteral("2")));

    Seen seen;
    QCOMPARE(runBilling(w, seen), BillingRun::Outcome::Completed);
    QCOMPARE(seen.currentPlotStrom, 450.0); // the first plot while the statements are shown
    QCOMPARE(plots.text(QStringLiteral("Nr")), QStringLiteral("2"));
    QCOMPARE(plots.number(QStringLiteral("Strom")), 500.0);
    QCOMPARE(plots.number(QStringLiteral("gesamt")), 165.0);
}

QTEST_GUILESS_MAIN(TestBillingRun)
#include "tst_billingrun.moc"
