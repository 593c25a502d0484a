#include "plots/plotcommands.h"

#include "data/billamounts.h"
#include "data/dm1.h"
#include "data/transaction.h"

#include <QStringList>

namespace PlotCommands {

bool paidInvoicesAwaitTransfer(DM1& dm) {
    dm.parzelle().checkBrowseMode(); // a tick not yet stored counts too
    Query& check = dm.parzcheckQuery();
    check.setSql({QStringLiteral("select * from parzelle"),
                  QStringLiteral("where gezahlt=true and uebernommen=false")});
    const bool waiting = check.open() && !check.isEmpty();
    check.close();
    return waiting;
}

QString resetPaidFlags(DM1& dm) {
    dm.parzelle().checkBrowseMode();
    Transaction transaction(dm.parzelleADOConnection());
    Query& update = dm.parzupdateQuery();
    update.setSql({QStringLiteral("update parzelle set gezahlt = false, uebernommen = false")});
    bool ok = update.open();
    QString error = update.lastError();
    update.close();

    QStringList codes;
    for (int code = 30; code <= 60; ++code)
        codes << QStringLiteral("'%1'").arg(code);
    Query& remove = dm.deleteQuery();
    remove.setSql({QStringLiteral("delete from hauptkasse"),
                   QStringLiteral("where hauptkasse.art in (%1)").arg(codes.join(u','))});
    ok = ok && remove.open();
    if (error.isEmpty())
        error = remove.lastError();
    remove.close();
    if (!ok || !transaction.commit())
        return error.isEmpty() ? transaction.error() : error;
    dm.parzelle().reopen();
    if (dm.Hauptkasse().isOpen())
        dm.Hauptkasse().reopen();
    return {};
}

bool addDunningFee(DM1& dm) {
    Table& plots = dm.parzelle();
    const QString included = QString::fromLatin1(BillAmounts::dunningFeeIncludedColumn);
    if (!plots.isOpen() || plots.isEmpty() || !plots.flag(QStringLiteral("mahncheck")) ||
        plots.flag(included))
        return false;
    dm.param().open();
    // Without a fee there is nothing in the total to mark: a fee set later must still come in.
    const double fee = dm.param().number(QStringLiteral("Mahngebuehr"));
    if (!(fee > 0))
        return false;
    plots.setValue(QStringLiteral("gesamt"), plots.number(QStringLiteral("gesamt")) + fee);
    plots.setValue(included, true);
    return true;
}

} // namespace PlotCommands
