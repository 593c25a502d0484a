#pragma once

#include "framework/reportdocument.h"
#include "reports/statementoptions.h"

#include <QDate>
#include <QString>

class Query;

// The annual statements, one page per plot.
namespace Statements {

// Lays out the statements of the rows (one per plot, the plot joined with the parameter row
// and the custom items, as "select * from parzelle,param,nfelder order by nr" gives them,
// consumption with the loss shares) for the main cash book's year, in the layout the options
// choose.
ReportDocument layout(Query& rows, const QString& year, const StatementOptions& options,
                      const QDate& printDate = QDate::currentDate());

} // namespace Statements
