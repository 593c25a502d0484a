#pragma once

#include "framework/reportdocument.h"

#include <QDate>

class DM1;
class Interaction;

// The command "Parzellensummen": every plot's invoice total from the print query.
namespace PlotTotalsReport {

// Opens DruckQuery over the plots in the order of their numbers and lays the list out; the
// query stays open for the caller to close.
ReportDocument layout(DM1& dm, const QDate& printDate = QDate::currentDate());
// Shows the list in the preview and closes the query when the preview is closed.
void run(DM1& dm, Interaction& interaction);

} // namespace PlotTotalsReport
