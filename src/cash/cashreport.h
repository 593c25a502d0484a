#pragma once

#include "framework/reportdocument.h"

#include <QDate>
#include <QString>

class DM1;
class Interaction;
struct CashBook;

// The cash report command: every entry's running balance is computed from the opening
// balance in the book's report order and stored in saldo, in one unit of work, and the report
// is shown in the preview.
namespace CashReport {

// Computes and stores saldo, and leaves berichtQuery open over the entries in report order.
// Returns the engine's text, empty on success; on failure no saldo has changed.
QString prepare(DM1& dm, const CashBook& book);

// The report over berichtQuery as prepare() left it.
ReportDocument layout(DM1& dm, const CashBook& book, const QDate& printDate = QDate::currentDate());

// The whole command, with the voucher-type checks off while it works and the preview is open,
// and the wait cursor while it works, taken back before any message or the preview appears. A
// failure is reported.
void run(DM1& dm, Interaction& interaction, const CashBook& book);

} // namespace CashReport
