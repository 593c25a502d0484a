#include "support/workspace.h"

#include "demodata.h"

#include "data/billamounts.h"
#include "plots/billingrun.h"
#include "plots/losssharing.h"
#include "reports/statements.h"

#include <QTest>

// Every statement adds up: the amounts printed in its rows sum to the printed invoice total,
// in both layouts, after a real billing run; and the bill read back later from the stored
// plots comes to the same total.
class TestBillReconciliation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void demoStatementsAddUp();
    void halfCentProductsAddUp();

private:
    // Runs the billing with the statement layouts; returns the pages that do not add up.
    QStringList runAndReconcile();

    TestFolder* m_folder = nullptr;
    ScriptedInteraction* m_interaction = nullptr;
    DM1* m_dm = nullptr;
};

namespace {

// The amount column of both layouts ends here on the sheet: the band's left edge plus the
// column's right edge.
const double amountColumnRight[] = {30.0 + 168.3, 20.0 + 168.3};

// A figure as printed: "  1234,56" or "-0,50", in cents; nothing when the text is no figure.
std::optional<qint64> cents(const QString& printed) {
    bool ok = false;
    const double value = QLocale().toDouble(printed.trimmed(), &ok);
    if (!ok || !printed.contains(u','))
        return std::nullopt;
    return qRound64(value * 100);
}

// What is wrong with the page's sums, or nothing when the rows add up to the total.
QString reconcile(const ReportPage& page, double right) {
    qint64 rows = 0;
    std::optional<qint64> total;
    QString plot;
    for (const ReportText& text : page.texts) {
        if (text.box.top() < 90 && text.font.pointSize == 12 && text.font.bold)
            plot = text.text; // the heading's last word is the plot number
        if (qAbs(text.box.right() - right) > 0.01)
            continue;
        const std::optional<qint64> figure = cents(text.text);
        if (!figure)
            continue;
        // The invoice total is the one figure in 11 pt.
        if (text.font.pointSize == 11)
            total = figure;
        else
            rows += *figure;
    }
    if (!total)
        return QStringLiteral("Seite ohne Rechnungsbetrag nach %1").arg(plot);
    if (rows == *total)
        return {};
    return QStringLiteral("Parz. %1: Zeilen %2, Rechnungsbetrag %3")
        .arg(plot)
        .arg(rows / 100.0, 0, 'f', 2)
        .arg(*total / 100.0, 0, 'f', 2);
}

} // namespace

void TestBillReconciliation::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestBillReconciliation::init() {
    m_folder = new TestFolder;
    m_interaction = new ScriptedInteraction;
}

void TestBillReconciliation::cleanup() {
    delete m_dm;
    m_dm = nullptr;
    delete m_interaction;
    delete m_folder;
}

QStringList TestBillReconciliation::runAndReconcile() {
    m_dm = new DM1(*m_interaction);
    if (!m_dm->connectDatabase())
        return {QStringLiteral("keine Verbindung")};
    QStringList faults;
    int pages = 0;
    for (StatementLayout layout :
         {StatementLayout::WithTransferForm, StatementLayout::WithoutTransferForm}) {
        BillingRun run(*m_dm, *m_interaction);
        run.setShowStatements(
            [&](Query& rows, const QString& year, const StatementOptions& options) {
                const ReportDocument document = Statements::layout(rows, year, options);
                for (const ReportPage& page : document.pages) {
                    ++pages;
                    const QString fault = reconcile(page, amountColumnRight[int(layout)]);
                    if (!fault.isEmpty())
                        faults << fault;
                }
            });
        BillingOptions options;
        options.electricityAdvance = true;
        options.waterAdvance = true;
        options.statementLayout = layout;
        if (run.run(options) != BillingRun::Outcome::Completed)
            faults << QStringLiteral("Abrechnung nicht durchgeführt: ") +
                          m_interaction->said().join(u'\n');
    }
    if (pages == 0)
        faults << QStringLiteral("keine Abrechnung gedruckt");

    // Afterwards the plots hold their metered consumption again; their bills, as the transfer
    // of paid invoices will book them, still come to the stored totals.
    Query& rows = m_dm->parzcheckQuery();
    rows.setSql({QStringLiteral("select * from parzelle,param,nfelder order by nr")});
    if (!rows.open())
        return faults << rows.lastError();
    for (rows.first(); !rows.atEnd(); rows.next()) {
        const qint64 billed =
            BillAmounts::fromRow(rows, BillInputs::LossShare::NotIncluded).totalCents();
        const qint64 stored = qRound64(rows.number(QStringLiteral("gesamt")) * 100);
        if (billed != stored)
            faults << QStringLiteral("Parz. %1: gespeichert %2, gebucht %3")
                          .arg(rows.text(QStringLiteral("Nr")))
                          .arg(stored)
                          .arg(billed);
    }
    rows.close();
    return faults;
}

void TestBillReconciliation::demoStatementsAddUp() {
    QCOMPARE(DemoData::write(m_folder->databasePath(), DemoData::Options()), QString());
    const QStringList faults = runAndReconcile();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestBillReconciliation::halfCentProductsAddUp() {
    m_folder->createDatabase();
    // Every product of a price and a quantity ends in half a cent, for both neighbours.
    QStringList statements{
        QStringLiteral("UPDATE param SET Verein = 'Halbe Cent', Pachtzins = 0.215, "
                       "Neuvermessung = 1, Preis_Arbeitsstunde = 12.25, Beitrag = 30, "
                       "Umlagen = 4.5, strech = 1, z6 = 8, warech = 9, z7 = 4, "
                       "grundg_verein = 10, Grundgebuehr_W_Verein = 10, reserve5 = 0.0125, "
                       "reserve6 = 0.0375, z21 = 50, z22 = 50, z23 = 1, z24 = 2"),
        QStringLiteral("UPDATE nfelder SET rc5 = 1, rc111 = 1, rc6 = 0, rc222 = 1"),
    };
    // Areas whose lease and area-linked items end in half a cent; consumption priced at
    // 0.125 per kWh and 2.25 per m³ (by consumption: 9 / 4).
    const struct {
        const char* nr;
        double area;
        double kwh;
        double cubicMetres;
        double hours;
    } plots[] = {
        {"1", 223, 1, 0.5, 0.5}, {"2", 225, 3, 1.5, 1.5}, {"3", 10, 1, 1, 0.1},
        {"4", 30, 3, 1, 0.3},    {"10", 70, 0, 0, 0},
    };
    for (const auto& p : plots) {
        statements << QStringLiteral(
                          "INSERT INTO parzelle (Nr, Name, Flaeche, text1, text2, sza, szn, wza, "
                          "wzn, nicht_gel_Arbeitsstunden) VALUES ('%1', 'Halb', %2, '%3', '%4', "
                          "0, %5, 0, %6, %7)")
                          .arg(QString::fromLatin1(p.nr))
                          .arg(p.area)
                          .arg(p.kwh > 0 ? QStringLiteral("X") : QStringLiteral(" "))
                          .arg(p.cubicMetres > 0 ? QStringLiteral("X") : QStringLiteral(" "))
                          .arg(p.kwh)
                          .arg(p.cubicMetres)
                          .arg(p.hours);
    }
    m_folder->execute(statements);
    const QStringList faults = runAndReconcile();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(TestBillReconciliation)
#include "tst_billreconciliation.moc"
