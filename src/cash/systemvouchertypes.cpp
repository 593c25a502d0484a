#include "cash/systemvouchertypes.h"

#include "data/dm1.h"
#include "data/transaction.h"

#include <QStringList>

namespace {

// "30" to "60".
const QStringList& codes() {
    static const QStringList all = [] {
        QStringList list;
        for (int code = 30; code <= 60; ++code)
            list << QString::number(code);
        return list;
    }();
    return all;
}

} // namespace

namespace SystemVoucherTypes {

QString rebuild(DM1& dm) {
    Table& types = dm.konto();
    types.checkBrowseMode();
    Query& query = dm.syskontoQuery();
    Transaction transaction(dm.parzelleADOConnection());

    QStringList marks;
    QVariantList values;
    for (const QString& code : codes()) {
        marks << QStringLiteral("?");
        values << code;
    }
    query.setSql({QStringLiteral("delete from konto"),
                  QStringLiteral("where konto.art in (%1)").arg(marks.join(u','))});
    query.setBindValues(values);
    bool ok = query.open();
    if (ok) {
        query.setSql({QStringLiteral("insert into konto (art, konto, bezeichnung, einzahlung)"),
                      QStringLiteral("select art, konto, bezeichnung, einzahlung from syskonto")});
        ok = query.open();
    }
    const QString error = ok ? QString() : query.lastError();
    query.close();
    if (!ok || !transaction.commit())
        return error.isEmpty() ? transaction.error() : error;
    types.reopen();
    return {};
}

} // namespace SystemVoucherTypes
