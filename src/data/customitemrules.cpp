#include "data/customitemrules.h"

#include "data/customitems.h"
#include "data/dm1.h"
#include "data/table.h"
#include "data/transaction.h"

CustomItemRules::CustomItemRules(DM1& dm)
    : m_dm(dm) {}

void CustomItemRules::valueChanged(Table& items, const QString& column) {
    if (const CustomItem* item = CustomItems::byLabelColumn(column))
        labelChanged(*item, items.text(item->labelColumn));
    else if (const CustomItem* item = CustomItems::byFlagColumn(column))
        incomeFlagChanged(*item, items.flag(item->flagColumn));
}

void CustomItemRules::labelChanged(const CustomItem& item, const QString& label) {
    Table& systemTypes = m_dm.syskonto();
    if (!systemTypes.open() || !systemTypes.locate(QStringLiteral("art"), item.voucherType))
        return;
    Transaction transaction(m_dm.parzelleADOConnection());
    systemTypes.setValue(QStringLiteral("bezeichnung"), label);
    if (label.isEmpty()) {
        // An item that is not in use charges nobody anything.
        if (item.isPerPlot()) {
            Table& plots = m_dm.parzelle();
            plots.checkBrowseMode(); // a typed amount must not outlive the zeroing
            Query& update = m_dm.parzupdateQuery();
            update.setSql({QStringLiteral("UPDATE parzelle SET %1 = 0").arg(item.amountColumn)});
            update.open();
            update.close();
            if (plots.isOpen())
                plots.reopen();
        } else {
            Table& parameters = m_dm.param();
            if (parameters.open())
                parameters.setValue(item.amountColumn, 0.0);
        }
    }
    systemTypes.post();
    transaction.commit();
}

void CustomItemRules::incomeFlagChanged(const CustomItem& item, bool income) {
    Table& systemTypes = m_dm.syskonto();
    if (!systemTypes.open() || !systemTypes.locate(QStringLiteral("art"), item.voucherType))
        return;
    systemTypes.setValue(QStringLiteral("einzahlung"), income);
    systemTypes.post();
}
