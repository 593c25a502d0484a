#pragma once

#include "framework/reportdocument.h"

#include <QDate>
#include <QString>

class DM1;
class Interaction;
struct CashBook;

// The command "Summenliste Belegarten": the sums of a book's entries per voucher type.
namespace SumList {

// Opens baQuery over the book's entries joined with their voucher types. Returns the
// engine's text, empty on success.
QString open(DM1& dm, const CashBook& book);
// The list over baQuery as open() left it; the year is the main book's for both books.
ReportDocument layout(DM1& dm, const CashBook& book, const QDate& printDate = QDate::currentDate());
// The whole command; a failure is reported.
void run(DM1& dm, Interaction& interaction, const CashBook& book);

} // namespace SumList
