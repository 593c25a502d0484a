#include "support/workspace.h"

#include "cash/invoiceentries.h"
#include "cash/paidinvoicetransfer.h"
#include "demodata.h"
#include "plots/billingrun.h"
#include "plots/plotcommands.h"

#include <QSqlQuery>
#include <QTest>

// Booking paid plot invoices into the main cash book: one entry per charge component with the
// amount the bill summed, in booking order, plots in text order, all or nothing.
class TestTransfer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void leaseOnlyGivesOneEntry();
    void halfCentsRoundToEven_data();
    void halfCentsRoundToEven();
    void plotWithoutMeterGetsNoElectricity();
    void lossShareIsPricedAsBilled_data();
    void lossShareIsPricedAsBilled();
    void advancesNameTheBooksYears();
    void negativeAdvancesAreBookedNegative();
    void dunningFeeIsBookedOnceItIsBilled();
    void customItemSideFollowsItsVoucherType();
    void areaLinkedItemIsBookedInCents();
    void longItemTextKeepsThePlotNumber();
    void transferredPlotIsLeftAlone();
    void plotsComeInTextOrderWithConsecutiveNumbers();
    void yearThatIsNoNumberRefusesBeforeWriting();
    void failureInTheMiddleLeavesEverythingAsBefore();
    void missingVoucherTypeRefusesBeforeWriting();
    void bookedEntriesAddUpToTheBills();

private:
    void plot(const QString& nr, const QString& columns = QString(),
              const QString& values = QString());
    void parameters(const QString& assignments);
    void setYear(const QString& year);
    PaidInvoiceTransfer::Result transfer();
    // Every entry of the main cash book but the blank one an empty book is opened with:
    // "number|code|text|income|expense".
    QStringList journal();
    QString snapshot();

    Workspace* m_w = nullptr;
};

namespace {

const QDate bookingDate(2026, 3, 15);

QString amount(const QVariant& value) {
    return value.isNull() ? QStringLiteral("-") : QString::number(value.toDouble(), 'f', 2);
}

} // namespace

void TestTransfer::init() {
    m_w = new Workspace;
    setYear(QStringLiteral("2024"));
}

void TestTransfer::setYear(const QString& year) {
    m_w->execute(QStringLiteral("UPDATE hauptanfangsw SET Jahr = '%1'").arg(year));
    m_w->dm->anfanghaupt().reopen();
}

void TestTransfer::cleanup() {
    delete m_w;
}

void TestTransfer::plot(const QString& nr, const QString& columns, const QString& values) {
    // Paid, not yet transferred, without meters, dunning or charges unless given.
    m_w->execute(QStringLiteral("INSERT INTO parzelle (Nr, gezahlt, uebernommen, mahncheck, text1, "
                                "text2%1) VALUES ('%2', 1, 0, 0, ' ', ' '%3)")
                     .arg(columns.isEmpty() ? QString() : u',' + columns, nr,
                          values.isEmpty() ? QString() : u',' + values));
}

void TestTransfer::parameters(const QString& assignments) {
    m_w->execute(QStringLiteral("UPDATE param SET ") + assignments);
}

PaidInvoiceTransfer::Result TestTransfer::transfer() {
    return PaidInvoiceTransfer(*m_w->dm).run(bookingDate);
}

QStringList TestTransfer::journal() {
    QSqlQuery query(m_w->dm->parzelleADOConnection().connection());
    query.exec(QStringLiteral("SELECT lfd_nr, Art, Bezeichnung, Einnahme, Ausgabe FROM hauptkasse "
                              "WHERE Art IS NOT NULL ORDER BY lfd_nr"));
    QStringList entries;
    while (query.next()) {
        entries << QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(query.value(0).toString(), query.value(1).toString(),
                            query.value(2).toString(), amount(query.value(3)),
                            amount(query.value(4)));
    }
    return entries;
}

QString TestTransfer::snapshot() {
    return journal().join(u'\n') + u'\n' +
           m_w->scalar(QStringLiteral("SELECT group_concat(Nr || ':' || uebernommen, ' ') FROM "
                                      "(SELECT Nr, uebernommen FROM parzelle ORDER BY Nr)"))
               .toString();
}

void TestTransfer::leaseOnlyGivesOneEntry() {
    plot(QStringLiteral("7"), QStringLiteral("Flaeche"), QStringLiteral("100"));
    parameters(QStringLiteral("Pachtzins = 0.3575"));
    const auto result = transfer();
    QVERIFY(result.completed());
    QCOMPARE(result.entries, 1);
    QCOMPARE(journal(), QStringList{QStringLiteral("2|30|Pachtzins Parz. 7|35.75|-")});
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT uebernommen FROM parzelle")).toInt(), 1);
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT datum || ' ' || monat FROM hauptkasse "
                                        "WHERE Art IS NOT NULL"))
                 .toString(),
             QStringLiteral("2026-03-15 03.2026"));
    QVERIFY(m_w->dm->artcheck());
}

void TestTransfer::halfCentsRoundToEven_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("booked");
    QTest::newRow("lease 0.125") << "Flaeche"
                                 << "0.25"
                                 << "2|30|Pachtzins Parz. 1|0.12|-";
    QTest::newRow("lease 0.375") << "Flaeche"
                                 << "0.75"
                                 << "2|30|Pachtzins Parz. 1|0.38|-";
    // Work hours are booked in cents as the bill charged them, not as 2.25 x 0.5 = 1.125.
    QTest::newRow("work hours 1.125") << "nicht_gel_Arbeitsstunden"
                                      << "2.25"
                                      << "2|38|nichtgel.Arbeitsstunden Parz. 1|1.12|-";
}

void TestTransfer::halfCentsRoundToEven() {
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(QString, booked);
    plot(QStringLiteral("1"), column, value);
    parameters(QStringLiteral("Pachtzins = 0.5, Preis_Arbeitsstunde = 0.5"));
    QVERIFY(transfer().completed());
    QCOMPARE(journal(), QStringList{booked});
}

void TestTransfer::plotWithoutMeterGetsNoElectricity() {
    plot(QStringLiteral("1"), QStringLiteral("Strom, Wasser"), QStringLiteral("400, 20"));
    plot(QStringLiteral("2"), QStringLiteral("Strom, Wasser"), QStringLiteral("400, 20"));
    m_w->execute(QStringLiteral("UPDATE parzelle SET text1 = 'X' WHERE Nr = '2'"));
    parameters(QStringLiteral("Preis_kwh = 0.3, Wartungsgebuehr = 5, Preis_qm = 2"));
    QVERIFY(transfer().completed());
    QCOMPARE(journal(),
             QStringList({QStringLiteral("2|31|El.-Energie Parz. 2|120.00|-"),
                          QStringLiteral("3|36|Grundgebühr El.-Energie Parz. 2|5.00|-")}));
}

void TestTransfer::lossShareIsPricedAsBilled_data() {
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("booked");
    QTest::newRow("positive share") << QStringLiteral("50.0") << QStringLiteral("135.00");
    // The bill priced the reduced consumption, (400 - 20) x 0.30.
    QTest::newRow("negative share") << QStringLiteral("-20.0") << QStringLiteral("114.00");
}

void TestTransfer::lossShareIsPricedAsBilled() {
    QFETCH(QString, share);
    QFETCH(QString, booked);
    plot(QStringLiteral("1"), QStringLiteral("Strom, Wasser"), QStringLiteral("400, 10"));
    m_w->execute(QStringLiteral("UPDATE parzelle SET text1 = 'X', text2 = 'X'"));
    parameters(QStringLiteral("Preis_kwh = 0.30, z8 = %1, Preis_qm = 2, z9 = -0.5").arg(share));
    QVERIFY(transfer().completed());
    QCOMPARE(journal(), QStringList({QStringLiteral("2|31|El.-Energie Parz. 1|%1|-").arg(booked),
                                     QStringLiteral("3|32|Wasser Parz. 1|19.00|-")}));
}

void TestTransfer::advancesNameTheBooksYears() {
    plot(QStringLiteral("3"), QStringLiteral("Abschlag_Strom_Vorjahr, Abschlag_Strom"),
         QStringLiteral("120, 150"));
    QVERIFY(transfer().completed());
    QCOMPARE(journal(),
             QStringList({QStringLiteral("2|34|Abschlag El.-Energie 2025 Parz. 3|150.00|-"),
                          QStringLiteral("3|35|Abschlag El.-Energie 2024 Parz. 3|-|120.00")}));
}

void TestTransfer::negativeAdvancesAreBookedNegative() {
    // The bill added both: the books show what it asked for, on the advance's own side.
    plot(QStringLiteral("1"), QStringLiteral("Abschlag_Strom, Abschlag_Wasser"),
         QStringLiteral("-10, -10"));
    QVERIFY(transfer().completed());
    QCOMPARE(journal(),
             QStringList({QStringLiteral("2|34|Abschlag El.-Energie 2025 Parz. 1|-10.00|-"),
                          QStringLiteral("3|54|Abschlag Wasser Parz. 1|-10.00|-")}));
}

void TestTransfer::dunningFeeIsBookedOnceItIsBilled() {
    parameters(QStringLiteral("Mahngebuehr = 5"));
    // The plot register added the fee to the first plot's total when it was marked paid; the
    // second was dunned, but its total holds no fee.
    plot(QStringLiteral("1"), QStringLiteral("bool1"), QStringLiteral("1"));
    plot(QStringLiteral("2"));
    m_w->execute(QStringLiteral("UPDATE parzelle SET mahncheck = 1"));
    QVERIFY(transfer().completed());
    QCOMPARE(journal(), QStringList{QStringLiteral("2|56|Mahngebühr Parz. 1|5.00|-")});
}

void TestTransfer::customItemSideFollowsItsVoucherType() {
    m_w->execute(QStringLiteral("UPDATE konto SET bezeichnung = 'Wegebau', einzahlung = 1 "
                                "WHERE art = '45'"));
    m_w->execute(QStringLiteral("UPDATE konto SET bezeichnung = 'Gutschrift Wasseruhr', "
                                "einzahlung = 0 WHERE art = '46'"));
    m_w->execute(QStringLiteral("UPDATE konto SET bezeichnung = 'Vereinsfest', einzahlung = 0 "
                                "WHERE art = '51'"));
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc1 = 1, rc2 = 0, rc7 = 0"));
    plot(QStringLiteral("4"), QStringLiteral("Reserve1, Reserve2"), QStringLiteral("12.5, 3"));
    parameters(QStringLiteral("reserve7 = 8"));
    QVERIFY(transfer().completed());
    QCOMPARE(journal(), QStringList({QStringLiteral("2|45|Wegebau Parz. 4|12.50|-"),
                                     QStringLiteral("3|46|Gutschrift Wasseruhr Parz. 4|-|3.00"),
                                     QStringLiteral("4|51|Vereinsfest Parz. 4|-|8.00")}));
}

void TestTransfer::areaLinkedItemIsBookedInCents() {
    m_w->execute(QStringLiteral("UPDATE konto SET bezeichnung = 'Wasserleitung', einzahlung = 1 "
                                "WHERE art = '49'"));
    m_w->execute(QStringLiteral("UPDATE konto SET bezeichnung = 'Hecke', einzahlung = 1 "
                                "WHERE art = '50'"));
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc5 = 1, rc111 = 1, rc6 = 1, rc222 = 1"));
    plot(QStringLiteral("1"), QStringLiteral("Flaeche"), QStringLiteral("300.5"));
    parameters(QStringLiteral("reserve5 = 0.25, reserve6 = 0.0123"));
    QVERIFY(transfer().completed());
    // 75.125 and 3.69615: the cents the statement printed and the total summed.
    QCOMPARE(journal(), QStringList({QStringLiteral("2|49|Wasserleitung Parz. 1|75.12|-"),
                                     QStringLiteral("3|50|Hecke Parz. 1|3.70|-")}));
}

void TestTransfer::longItemTextKeepsThePlotNumber() {
    const QString description(50, u'W');
    m_w->execute(QStringLiteral("UPDATE konto SET bezeichnung = '%1', einzahlung = 1 "
                                "WHERE art = '45'")
                     .arg(description));
    plot(QStringLiteral("12345678"), QStringLiteral("Reserve1"), QStringLiteral("1"));
    QVERIFY(transfer().completed());
    const QString text =
        m_w->scalar(QStringLiteral("SELECT Bezeichnung FROM hauptkasse WHERE Art IS NOT NULL"))
            .toString();
    QCOMPARE(text.size(), 50);
    QVERIFY(text.endsWith(QStringLiteral(" Parz. 12345678")));
    QCOMPARE(InvoiceEntries::customItemText(QStringLiteral("Wegebau"), QStringLiteral("7")),
             QStringLiteral("Wegebau Parz. 7"));
}

void TestTransfer::transferredPlotIsLeftAlone() {
    plot(QStringLiteral("1"), QStringLiteral("Flaeche"), QStringLiteral("100"));
    m_w->execute(QStringLiteral("UPDATE parzelle SET uebernommen = 1"));
    plot(QStringLiteral("2"), QStringLiteral("Flaeche"), QStringLiteral("100"));
    m_w->execute(QStringLiteral("UPDATE parzelle SET gezahlt = 0 WHERE Nr = '2'"));
    parameters(QStringLiteral("Pachtzins = 0.5"));
    const auto result = transfer();
    QVERIFY(result.completed());
    QCOMPARE(result.plots, 0);
    QVERIFY(journal().isEmpty());
    QCOMPARE(snapshot(), QStringLiteral("\n1:1 2:0"));
}

void TestTransfer::plotsComeInTextOrderWithConsecutiveNumbers() {
    m_w->execute(QStringLiteral(
        "INSERT INTO hauptkasse (lfd_nr, Art, Einnahme, Ausgabe) VALUES (17, '1', 5, NULL)"));
    m_w->dm->Hauptkasse().reopen();
    plot(QStringLiteral("9"), QStringLiteral("Flaeche, Laubenversicherung"),
         QStringLiteral("10, 2"));
    plot(QStringLiteral("10"), QStringLiteral("Flaeche, Laubenversicherung"),
         QStringLiteral("20, 3"));
    parameters(QStringLiteral("Pachtzins = 1, Beitrag = 30"));
    QVector<int> progress;
    PaidInvoiceTransfer transfer(*m_w->dm);
    transfer.setProgress([&progress](int percent) { progress << percent; });
    const auto result = transfer.run(bookingDate);
    QVERIFY(result.completed());
    QCOMPARE(result.plots, 2);
    QCOMPARE(journal(), QStringList({QStringLiteral("17|1||5.00|-"),
                                     QStringLiteral("18|30|Pachtzins Parz. 10|20.00|-"),
                                     QStringLiteral("19|33|Mitgliedsbeitrag Parz. 10|30.00|-"),
                                     QStringLiteral("20|37|Laubenversicherung Parz. 10|3.00|-"),
                                     QStringLiteral("21|30|Pachtzins Parz. 9|10.00|-"),
                                     QStringLiteral("22|33|Mitgliedsbeitrag Parz. 9|30.00|-"),
                                     QStringLiteral("23|37|Laubenversicherung Parz. 9|2.00|-")}));
    QCOMPARE(progress, QVector<int>({50, 100}));
    // The journal's table object lists them as well, after the blank first entry.
    QCOMPARE(m_w->dm->Hauptkasse().rowCount(), 8);
}

void TestTransfer::yearThatIsNoNumberRefusesBeforeWriting() {
    setYear(QStringLiteral("20x4"));
    plot(QStringLiteral("1"), QStringLiteral("Flaeche"), QStringLiteral("100"));
    plot(QStringLiteral("2"), QStringLiteral("Abschlag_Strom"), QStringLiteral("50"));
    parameters(QStringLiteral("Pachtzins = 0.5"));
    const QString before = snapshot();
    const auto result = transfer();
    QCOMPARE(result.outcome, PaidInvoiceTransfer::Result::Outcome::Refused);
    QVERIFY(result.message.contains(QStringLiteral("„20x4“")));
    QVERIFY(result.message.contains(QStringLiteral("Es wurde nichts gebucht.")));
    QCOMPARE(snapshot(), before);
}

void TestTransfer::failureInTheMiddleLeavesEverythingAsBefore() {
    m_w->execute(
        QStringLiteral("INSERT INTO hauptkasse (lfd_nr, Art, Einnahme) VALUES (2, '1', 5)"));
    m_w->dm->Hauptkasse().reopen();
    for (const char* nr : {"1", "2", "3"})
        plot(QString::fromLatin1(nr), QStringLiteral("Flaeche, Parkplatzgebuehr"),
             QStringLiteral("100, 10"));
    parameters(QStringLiteral("Pachtzins = 0.5, Umlagen = 4"));
    // The engine refuses the second plot's parking fee, after the first plot and part of the
    // second are written.
    m_w->execute(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON hauptkasse WHEN "
                                "NEW.Bezeichnung = 'Parkplatzgebühr Parz. 2' BEGIN "
                                "SELECT RAISE(ABORT, 'database or disk is full'); END"));
    const QString before = snapshot();
    const auto result = transfer();
    QCOMPARE(result.outcome, PaidInvoiceTransfer::Result::Outcome::Failed);
    QVERIFY2(result.message.contains(QStringLiteral("Der Datenträger ist voll.")),
             qPrintable(result.message));
    QVERIFY(result.message.contains(QStringLiteral("Parkplatzgebühr Parz. 2")));
    QCOMPARE(snapshot(), before);
    QCOMPARE(m_w->dm->Hauptkasse().rowCount(), 2);
    QVERIFY(m_w->dm->artcheck());

    // Once the cause is gone, the same run books everything.
    m_w->execute(QStringLiteral("DROP TRIGGER refuse"));
    const auto again = transfer();
    QVERIFY(again.completed());
    QCOMPARE(again.entries, 9);
    QCOMPARE(journal().last(), QStringLiteral("11|42|Umlagen Parz. 3|4.00|-"));
}

void TestTransfer::missingVoucherTypeRefusesBeforeWriting() {
    m_w->execute(QStringLiteral("DELETE FROM konto WHERE art = '47'"));
    plot(QStringLiteral("1"), QStringLiteral("Flaeche"), QStringLiteral("100"));
    plot(QStringLiteral("2"), QStringLiteral("Reserve3"), QStringLiteral("5"));
    parameters(QStringLiteral("Pachtzins = 0.5"));
    const QString before = snapshot();
    const auto result = transfer();
    QCOMPARE(result.outcome, PaidInvoiceTransfer::Result::Outcome::Refused);
    QVERIFY(result.message.contains(QStringLiteral("Belegart 47")));
    QCOMPARE(snapshot(), before);
}

void TestTransfer::bookedEntriesAddUpToTheBills() {
    delete m_w; // this test has a database of its own
    m_w = nullptr;
    // The demo association, with the two area-linked items in use as well: their cents are
    // where the bill and a careless booking part.
    TestFolder folder;
    QCOMPARE(DemoData::write(folder.databasePath(), {}), QString());
    folder.execute({QStringLiteral("UPDATE nfelder SET reserve5 = 'Wasserleitung', rc5 = 1, "
                                   "rc111 = 1, reserve6 = 'Heckenschnitt', rc6 = 0, rc222 = 1"),
                    QStringLiteral("UPDATE param SET reserve5 = 0.0375, reserve6 = 0.0123"),
                    QStringLiteral("UPDATE konto SET bezeichnung = 'Wasserleitung', einzahlung = 1 "
                                   "WHERE art = '49'"),
                    QStringLiteral("UPDATE konto SET bezeichnung = 'Heckenschnitt', einzahlung = 0 "
                                   "WHERE art = '50'")});
    ScriptedInteraction interaction;
    DM1 dm(interaction);
    QVERIFY(dm.connectDatabase());
    BillingRun billing(dm, interaction);
    billing.setShowStatements([](Query&, const QString&, const StatementOptions&) {});
    QCOMPARE(billing.run({true, true}), BillingRun::Outcome::Completed);
    Database& database = dm.parzelleADOConnection();
    // Every plot is marked paid in the plot register; three of them had been dunned, so their
    // totals take the fee as they are marked.
    QCOMPARE(database.execute(QStringLiteral("UPDATE parzelle SET mahncheck = (rowid % 13 = 0)")),
             QString());
    Table& plots = dm.parzelle();
    plots.reopen();
    for (int i = 0; i < plots.rowCount(); ++i) {
        QVERIFY(plots.moveTo(i));
        plots.setValue(QStringLiteral("gezahlt"), true);
        PlotCommands::addDunningFee(dm);
        QVERIFY(plots.post());
    }

    const auto result = PaidInvoiceTransfer(dm).run(bookingDate);
    QVERIFY2(result.completed(), qPrintable(result.message));
    QCOMPARE(result.plots, 40);

    QSqlQuery booked(database.connection());
    QVERIFY(booked.exec(QStringLiteral(
        "SELECT p.Nr, p.gesamt, (SELECT total(coalesce(Einnahme, 0) - coalesce(Ausgabe, 0)) "
        "FROM hauptkasse WHERE Art BETWEEN '30' AND '60' AND Bezeichnung LIKE '% Parz. ' || p.Nr) "
        "FROM parzelle p ORDER BY p.Nr")));
    int checked = 0;
    while (booked.next()) {
        const qint64 billed = qRound64(booked.value(1).toDouble() * 100);
        const qint64 entries = qRound64(booked.value(2).toDouble() * 100);
        QVERIFY2(billed == entries,
                 qPrintable(QStringLiteral("Parzelle %1: Rechnung %2 Cent, gebucht %3 Cent")
                                .arg(booked.value(0).toString())
                                .arg(billed)
                                .arg(entries)));
        ++checked;
    }
    QCOMPARE(checked, 40);
    QCOMPARE(
        database.scalar(QStringLiteral("SELECT count(*) FROM hauptkasse WHERE Art = '56'")).toInt(),
        3);
}

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
