#include "cash/cashreport.h"

#include "cash/artcheckpause.h"
#include "cash/cashbook.h"
#include "cash/tkassenbericht.h"

#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"
#include "data/rounding.h"
#include "data/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace CashReport {

QString prepare(DM1& dm, const CashBook& book) {
    Table& journal = book.journal(dm);
    journal.checkBrowseMode();
    Table& opening = book.openingBalance(dm);
    opening.open();
    double balance = opening.number(QStringLiteral("anfangswert"));

    Database& database = dm.parzelleADOConnection();
    Transaction transaction(database);
    QSqlQuery rows(database.connection());
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("select rowid, Einnahme, Ausgabe from %1 order by %2")
                       .arg(book.journalTable, book.reportOrder)))
        return rows.lastError().databaseText();
    QList<QPair<qint64, double>> balances;
    while (rows.next()) {
        // An empty amount counts as 0; the balance is kept to the cent at every step.
        balance = Rounding::roundHalfEven(
            balance + rows.value(1).toDouble() - rows.value(2).toDouble(), 2);
        balances.append({rows.value(0).toLongLong(), balance});
    }
    rows.finish();

    QSqlQuery update(database.connection());
    update.prepare(
        QStringLiteral("update %1 set saldo = ? where rowid = ?").arg(book.journalTable));
    for (const auto& [rowId, saldo] : balances) {
        update.addBindValue(saldo);
        update.addBindValue(rowId);
        if (!update.exec())
            return update.lastError().databaseText();
    }
    if (!transaction.commit())
        return transaction.error();

    Query& report = dm.berichtQuery();
    report.setSql({QStringLiteral("select * from %1").arg(book.journalTable),
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

void run(DM1& dm, Interaction& interaction, const CashBook& book,
         const std::function<void(bool busy)>& busy) {
    ArtcheckPause pause(dm);
    QString error;
    ReportDocument document;
    {
        if (busy)
            busy(true);
        ProgressScope progress(interaction, QStringLiteral("Kassenbericht"),
                               QStringLiteral("Die Salden werden berechnet und der Kassenbericht "
                                              "wird aufgebaut …"));
        error = prepare(dm, book);
        progress.setPercent(50);
        if (error.isEmpty())
            document = layout(dm, book);
        progress.setPercent(100);
        if (busy)
            busy(false);
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
