#include "cash/cashreport.h"

#include "cash/artcheckpause.h"
#include "cash/cashbook.h"
#include "cash/tkassenbericht.h"

#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"
#include "framework/busycursor.h"

namespace CashReport {

QString prepare(DM1& dm, const CashBook& book) {
    Table& journal = book.journal(dm);
    journal.checkBrowseMode();
    Table& opening = book.openingBalance(dm);
    opening.open();

    // Every entry's balance in one statement: the opening balance plus the running sum of the
    // entries so far in report order, an empty amount counting as 0. Every amount is whole
    // cents, so the sum rounded to the cent is the balance to the cent.
    const QString& table = book.journalTable;
    Query& update = dm.berichtQuery();
    update.setSql(
        {QStringLiteral("update %1 set saldo = round(? + running.total, 2)").arg(table),
         QStringLiteral("from (select rowid as entry, sum(coalesce(Einnahme, 0) - "
                        "coalesce(Ausgabe, 0)) over (order by %1 rows unbounded preceding) "
                        "as total from %2) as running")
             .arg(book.reportOrder, table),
         QStringLiteral("where %1.rowid = running.entry").arg(table)});
    update.setBindValues({opening.number(QStringLiteral("anfangswert"))});
    if (!update.open())
        return update.lastError();

    Query& report = dm.berichtQuery();
    report.setSql({QStringLiteral("select * from %1").arg(table),
                   QStringLiteral("order by %1").arg(book.reportOrder)});
    if (!report.open())
        return report.lastError();
    return {};
}

ReportDocument layout(DM1& dm, const CashBook& book, const QDate& printDate) {
    Table& opening = book.openingBalance(dm);
    opening.open();
    Table& parameters = dm.param();
    parameters.open();
    const CashReportHeading heading{book.label, parameters.text(QStringLiteral("Verein")),
                                    opening.number(QStringLiteral("anfangswert"))};
    TKassenbericht report;
    return report.layout(dm.berichtQuery(), heading, printDate);
}

void run(DM1& dm, Interaction& interaction, const CashBook& book) {
    ArtcheckPause pause(dm);
    QString error;
    ReportDocument document;
    {
        BusyCursor busy;
        ProgressScope progress(interaction, QStringLiteral("Kassenbericht"),
                               QStringLiteral("Die Salden werden berechnet und der Kassenbericht "
                                              "wird aufgebaut …"));
        error = prepare(dm, book);
        progress.setPercent(50);
        if (error.isEmpty())
            document = layout(dm, book);
        progress.setPercent(100);
    }
    if (!error.isEmpty()) {
        interaction.reportError(
            QStringLiteral("Der Kassenbericht konnte nicht erstellt werden; die Salden sind "
                           "unverändert.\n%1")
                .arg(EngineError::describe(error)));
        dm.berichtQuery().close();
        return;
    }
    interaction.showReport(document);
    dm.berichtQuery().close();
}

} // namespace CashReport
