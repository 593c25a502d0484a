#include "reports/plottotalsreport.h"

#include "reports/tparzellensummen.h"

#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"

namespace PlotTotalsReport {

ReportDocument layout(DM1& dm, const QDate& printDate) {
    Query& rows = dm.DruckQuery();
    rows.setSql({QStringLiteral("select * from parzelle,param,nfelder"),
                 QStringLiteral("order by parzelle.nr")});
    rows.open();
    Table& parameters = dm.param();
    parameters.open();
    TParzellensummen report;
    return report.layout(rows, parameters.text(QStringLiteral("Verein")), dm.mainBookYear(),
                         printDate);
}

void run(DM1& dm, Interaction& interaction) {
    dm.parzelle().checkBrowseMode();
    const ReportDocument document = layout(dm);
    Query& rows = dm.DruckQuery();
    if (!rows.isOpen()) {
        interaction.reportError(
            QStringLiteral("Die Parzellensummen konnten nicht gelesen werden.\n%1")
                .arg(EngineError::describe(rows.lastError())));
        return;
    }
    interaction.showReport(document);
    rows.close();
}

} // namespace PlotTotalsReport
