#include "democustomitems.h"

#include "preparedstatement.h"

#include "data/customitems.h"

namespace {

struct NamedItem {
    const CustomItem& item;
    QString label;
    bool income;
};

QString writeItem(Database& database, const NamedItem& named) {
    const CustomItem& item = named.item;
    PreparedStatement label(
        database,
        PreparedStatement::update(QStringLiteral("nfelder"), {item.labelColumn, item.flagColumn}));
    QString error = label.run({named.label, named.income ? 1 : 0});
    // The invoice transfer books the item under its system voucher type, which must carry the
    // same text and side in both voucher type tables.
    for (const QString& table : {QStringLiteral("syskonto"), QStringLiteral("konto")}) {
        if (!error.isEmpty())
            break;
        PreparedStatement voucherType(
            database, PreparedStatement::update(
                          table, {QStringLiteral("bezeichnung"), QStringLiteral("einzahlung")},
                          QStringLiteral("art = ?")));
        error = voucherType.run({named.label, named.income ? 1 : 0, item.voucherType});
    }
    return error;
}

} // namespace

namespace DemoData {

const CustomItem& roadWorksItem() {
    return CustomItems::all().at(0); // item 1, one amount per plot
}

const CustomItem& festivalItem() {
    return CustomItems::all().at(6); // item 7, one amount for all plots
}

QString writeCustomItems(Database& database) {
    QString error = writeItem(database, {roadWorksItem(), QStringLiteral("Wegebau"), true});
    if (error.isEmpty())
        error = writeItem(database, {festivalItem(), QStringLiteral("Vereinsfest"), false});
    if (error.isEmpty()) {
        PreparedStatement amount(
            database,
            PreparedStatement::update(festivalItem().amountTable, {festivalItem().amountColumn}));
        error = amount.run({10.0});
    }
    return error;
}

} // namespace DemoData
