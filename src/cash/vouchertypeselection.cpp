#include "cash/vouchertypeselection.h"

#include "cash/cashbook.h"

#include "data/dm1.h"

namespace VoucherTypeSelection {

QStringList voucherTypeCodes(DM1& dm) {
    Table& types = dm.konto();
    types.open();
    types.checkBrowseMode();
    const int code = int(types.columns().indexOf(QStringLiteral("art")));
    QStringList codes;
    for (const QVariantList& row : types.storedRows(0, types.rowCount()))
        codes << row.value(code).toString();
    return codes;
}

QString lowestUsedCode(DM1& dm, const CashBook& book) {
    book.journal(dm).checkBrowseMode();
    Query& lookup = dm.lookupQuery();
    // An entry without a code, as the blank first entry of a new book, names no code.
    lookup.setSql({QStringLiteral("select art from %1").arg(book.journalTable),
                   QStringLiteral("where art <> ''"), QStringLiteral("order by art limit 1")});
    if (!lookup.open() || lookup.isEmpty())
        return {};
    lookup.first();
    return lookup.text(QStringLiteral("art"));
}

QString select(DM1& dm, const CashBook& book, const QString& code) {
    book.journal(dm).checkBrowseMode();
    const QString& journal = book.journalTable;
    Query& entries = dm.selectQuery();
    entries.setSql({QStringLiteral("select * from %1").arg(journal),
                    QStringLiteral("where art = ? collate nocase"),
                    book.isMain() ? QStringLiteral("order by bezeichnung, lfd_nr")
                                  : QStringLiteral("order by lfd_nr")});
    entries.setBindValues({code});
    if (!entries.open())
        return entries.lastError();

    Query& sums = dm.sumQuery();
    sums.setSql({QStringLiteral("select %1.art, sum(%1.einnahme) as einnahme, sum(%1.ausgabe) "
                                "as ausgabe")
                     .arg(journal),
                 QStringLiteral("from %1").arg(journal),
                 QStringLiteral("where art = ? collate nocase"),
                 QStringLiteral("group by art collate nocase")});
    sums.setBindValues({code});
    if (!sums.open())
        return sums.lastError();
    return {};
}

} // namespace VoucherTypeSelection
