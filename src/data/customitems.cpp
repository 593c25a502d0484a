#include "data/customitems.h"

namespace {

QList<CustomItem> declareItems() {
    QList<CustomItem> items;
    for (int n = 1; n <= 12; ++n) {
        CustomItem item;
        item.number = n;
        item.labelColumn = QStringLiteral("reserve%1").arg(n);
        item.flagColumn = QStringLiteral("rc%1").arg(n);
        const bool perPlot = n <= 4 || n == 9 || n == 10;
        item.amountTable = perPlot ? QStringLiteral("parzelle") : QStringLiteral("param");
        item.amountColumn =
            perPlot ? QStringLiteral("Reserve%1").arg(n) : QStringLiteral("reserve%1").arg(n);
        if (n == 5)
            item.areaLinkColumn = QStringLiteral("rc111");
        if (n == 6)
            item.areaLinkColumn = QStringLiteral("rc222");
        item.voucherType = QString::number(n <= 8 ? 44 + n : 48 + n);
        items << item;
    }
    return items;
}

} // namespace

namespace CustomItems {

const QList<CustomItem>& all() {
    static const QList<CustomItem> items = declareItems();
    return items;
}

const CustomItem* byLabelColumn(const QString& column) {
    for (const CustomItem& item : all()) {
        if (item.labelColumn.compare(column, Qt::CaseInsensitive) == 0)
            return &item;
    }
    return nullptr;
}

const CustomItem* byFlagColumn(const QString& column) {
    for (const CustomItem& item : all()) {
        if (item.flagColumn.compare(column, Qt::CaseInsensitive) == 0)
            return &item;
    }
    return nullptr;
}

} // namespace CustomItems
