#include "reports/dunningamounts.h"

#include "data/billamounts.h"
#include "data/query.h"
#include "data/rounding.h"

DunningAmounts DunningAmounts::fromRow(const Query& row) {
    DunningAmounts amounts;
    amounts.feeCents = Rounding::wholeCents(row.number(QStringLiteral("Mahngebuehr"))).value_or(0);
    amounts.billCents = Rounding::wholeCents(row.number(QStringLiteral("gesamt"))).value_or(0);
    if (row.flag(QLatin1String(BillAmounts::dunningFeeIncludedColumn)))
        amounts.billCents -= amounts.feeCents;
    return amounts;
}
