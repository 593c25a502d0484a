#include "reports/statements.h"

#include "reports/tliste1.h"
#include "reports/tliste2.h"

#include "data/dm1.h"
#include "plots/billingrun.h"

namespace Statements {

ReportDocument layout(DM1& dm, const BillingFlags& flags, bool secondLayout) {
    Table& openingBalance = dm.anfanghaupt();
    openingBalance.open();
    const QString year = openingBalance.text(QStringLiteral("Jahr"));
    Query& rows = dm.DruckQuery();
    if (secondLayout) {
        TListe2 report;
        return report.preview(rows, year, flags.electricityEqualShare, flags.waterEqualShare);
    }
    TListe1 report;
    return report.preview(rows, year, flags.electricityEqualShare, flags.waterEqualShare);
}

} // namespace Statements
