#include "reports/dunningamounts.h"

#include "data/billamounts.h"
#include "data/query.h"
#include "data/rounding.h"

#include <cmath>

namespace {

// Beyond this no amount is money, and the cents would not fit.
constexpr double largestCents = 1e15;

qint64 cents(double euros) {
    const double rounded = Rounding::roundHalfEven(euros * 100);
    return std::isfinite(rounded) && std::fabs(rounded) <= largestCents ? qint64(rounded) : 0;
}

} // namespace

DunningAmounts DunningAmounts::fromRow(const Query& row) {
    DunningAmounts amounts;
    amounts.feeCents = cents(row.number(QStringLiteral("Mahngebuehr")));
    amounts.billCents = cents(row.number(QStringLiteral("gesamt")));
    if (row.flag(QLatin1String(BillAmounts::dunningFeeIncludedColumn)))
        amounts.billCents -= amounts.feeCents;
    return amounts;
}
