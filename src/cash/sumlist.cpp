#include "cash/sumlist.h"

#include "cash/cashbook.h"
#include "cash/tlisteba.h"

#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"

namespace SumList {

QString open(DM1& dm, const CashBook& book) {
    book.journal(dm).checkBrowseMode();
    Query& rows = dm.baQuery();
    // Codes are compared as the voucher-type rules look them up, without regard to case.
    const QString& journal = book.journalTable;
    rows.setSql({QStringLiteral("select * from %1,konto").arg(journal),
                 QStringLiteral("where %1.art = konto.art collate nocase").arg(journal),
                 QStringLiteral("order by %1.art collate nocase, %1.lfd_nr").arg(journal)});
    return rows.open() ? QString() : rows.lastError();
}

ReportDocument layout(DM1& dm, const CashBook& book, const QDate& printDate) {
    Tlisteba report;
    return report.layout(dm.baQuery(), book.label, dm.mainBookYear(), printDate);
}

void run(DM1& dm, Interaction& interaction, const CashBook& book) {
    const QString error = open(dm, book);
    if (!error.isEmpty()) {
        interaction.reportError(QStringLiteral("Die Summenliste konnte nicht erstellt werden.\n%1")
                                    .arg(EngineError::describe(error)));
    } else {
        interaction.showReport(layout(dm, book, QDate::currentDate()));
    }
    dm.baQuery().close();
}

} // namespace SumList
