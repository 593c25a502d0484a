#pragma once

#include <QList>
#include <QString>

// One of the twelve charges or credits the association names itself. Items 1-4, 9 and 10
// carry one amount per plot, items 5-8, 11 and 12 one amount for all plots.
struct CustomItem {
    int number = 0;         // 1 to 12: the number of its columns
    QString labelColumn;    // nfelder.reserveN; empty label: the item is not in use
    QString flagColumn;     // nfelder.rcN; true: income, charged; false: credited
    QString areaLinkColumn; // nfelder.rc111 / rc222 (items 5 and 6 only)
    QString amountTable;    // "parzelle" or "param"
    QString amountColumn;   // Reserve1 ... in parzelle, reserve5 ... in param
    QString voucherType;    // its system voucher type, "45" to "52" and "57" to "60"

    bool isPerPlot() const { return amountTable == QStringLiteral("parzelle"); }
};

namespace CustomItems {

const QList<CustomItem>& all();
const CustomItem* byLabelColumn(const QString& column);
const CustomItem* byFlagColumn(const QString& column);

} // namespace CustomItems
