#include "reports/statements.h"

#include "reports/tliste1.h"
#include "reports/tliste2.h"

#include <memory>

namespace Statements {

ReportDocument layout(Query& rows, const QString& year, const StatementOptions& options,
                      const QDate& printDate) {
    std::unique_ptr<StatementReport> report;
    if (options.layout == StatementLayout::WithoutTransferForm)
        report = std::make_unique<TListe2>(year, options);
    else
        report = std::make_unique<TListe1>(year, options);
    return report->layout(rows, printDate);
}

} // namespace Statements
