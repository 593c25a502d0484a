#include "cash/paidinvoicetransfer.h"

#include "cash/artcheckpause.h"
#include "cash/invoiceentries.h"

#include "data/customitems.h"
#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/transaction.h"

namespace {

using Result = PaidInvoiceTransfer::Result;

struct DuePlot {
    qint64 rowId = 0;
    QString number;
    QList<InvoiceEntry> entries;
};

Result refused(const QString& text) {
    Result result;
    result.outcome = Result::Outcome::Refused;
    result.message = text + QStringLiteral("\nEs wurde nichts gebucht.");
    return result;
}

Result failed(const QString& what, const QString& engineText) {
    Result result;
    result.outcome = Result::Outcome::Failed;
    result.message = QStringLiteral("%1\n%2\nEs wurde nichts gebucht; Hauptkasse und Parzellen "
                                    "sind unverändert.")
                         .arg(what, EngineError::describe(engineText));
    return result;
}

} // namespace

PaidInvoiceTransfer::PaidInvoiceTransfer(DM1& dm)
    : m_dm(dm) {}

Result PaidInvoiceTransfer::run(const QDate& bookingDate) {
    ArtcheckPause pause(m_dm);
    Table& journal = m_dm.Hauptkasse();
    Table& plots = m_dm.parzelle();
    for (Table* table : {&plots, &journal}) {
        table->open();
        if (!table->checkBrowseMode())
            return failed(QStringLiteral("Die offene Eingabe in „%1“ konnte nicht gespeichert "
                                         "werden.")
                              .arg(table->tableName()),
                          table->lastError());
    }
    const Result result = book(bookingDate);
    // The table objects still list what rolled-back work added; the plots show their new flags.
    if (!result.completed())
        journal.reopen();
    journal.first();
    plots.reopen();
    return result;
}

Result PaidInvoiceTransfer::book(const QDate& bookingDate) {
    // What is due, worked out in full before anything is written.
    InvoiceEntries::Context context;
    context.year = m_dm.mainBookYear();
    for (const CustomItem& item : CustomItems::all()) {
        if (const auto type = m_dm.findVoucherType(item.voucherType))
            context.customTypes.insert(item.voucherType, {type->bezeichnung, type->einzahlung});
    }

    Query& due = m_dm.parzcheckQuery();
    due.setSql(
        {QStringLiteral("select parzelle.rowid as plot_rowid, * from parzelle,param,nfelder"),
         QStringLiteral("where parzelle.gezahlt <> 0 and coalesce(parzelle.uebernommen, 0) = 0"),
         QStringLiteral("order by parzelle.nr")});
    if (!due.open())
        return failed(QStringLiteral("Die bezahlten Parzellen konnten nicht gelesen werden."),
                      due.lastError());
    QList<DuePlot> duePlots;
    for (due.first(); !due.atEnd(); due.next()) {
        DuePlot plot{due.value(QStringLiteral("plot_rowid")).toLongLong(),
                     due.text(QStringLiteral("Nr")),
                     {}};
        if (const auto refusal = InvoiceEntries::forPlot(due, context, plot.entries)) {
            due.close();
            return refused(refusal->text);
        }
        duePlots << plot;
    }
    due.close();

    Table& journal = m_dm.Hauptkasse();
    Transaction transaction(m_dm.parzelleADOConnection());
    if (!transaction.isActive())
        return failed(QStringLiteral("Die Buchung konnte nicht begonnen werden."),
                      transaction.error());
    Result result;
    const QString income = QStringLiteral("Einnahme");
    const QString expense = QStringLiteral("Ausgabe");
    for (const DuePlot& plot : duePlots) {
        for (const InvoiceEntry& entry : plot.entries) {
            journal.insert();
            journal.setValue(QStringLiteral("Art"), entry.code);
            journal.setValue(QStringLiteral("Bezeichnung"), entry.text);
            journal.setValue(QStringLiteral("datum"), bookingDate);
            journal.setValue(entry.income ? income : expense, entry.amount);
            journal.setValue(entry.income ? expense : income, QVariant());
            if (!journal.post()) {
                const QString error = journal.lastError();
                journal.cancel();
                return failed(QStringLiteral("Die Buchung „%1“ konnte nicht gespeichert werden.")
                                  .arg(entry.text),
                              error);
            }
            ++result.entries;
        }
        // The flag has no rule of its own; the plot table is read afresh at the end.
        Query& flag = m_dm.parzupdateQuery();
        flag.setSql({QStringLiteral("update parzelle set uebernommen = true"),
                     QStringLiteral("where rowid = ?")});
        flag.setBindValues({plot.rowId});
        if (!flag.open()) {
            const QString error = flag.lastError();
            flag.close();
            return failed(QStringLiteral("Die Parzelle %1 konnte nicht als übernommen markiert "
                                         "werden.")
                              .arg(plot.number),
                          error);
        }
        flag.close();
        ++result.plots;
        if (m_progress)
            m_progress(result.plots * 100 / int(duePlots.size()));
    }
    if (!transaction.commit())
        return failed(QStringLiteral("Die Buchungen konnten nicht gespeichert werden."),
                      transaction.error());
    return result;
}
