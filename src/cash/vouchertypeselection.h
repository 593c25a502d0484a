#pragma once

#include <QString>
#include <QStringList>

class DM1;
struct CashBook;

// The entries of one voucher type and their sums, as the selection windows list them. The
// code is always a bound value: a code may hold any character, a quote too.
namespace VoucherTypeSelection {

// Every code of konto, in table order.
QStringList voucherTypeCodes(DM1& dm);
// The lowest code used in the book, as lookupQuery finds it; empty for an empty book.
QString lowestUsedCode(DM1& dm, const CashBook& book);
// Opens selectQuery over the book's entries of the code (main book by text, petty book by
// number) and sumQuery over their sums. Returns the engine's text, empty on success.
QString select(DM1& dm, const CashBook& book, const QString& code);

} // namespace VoucherTypeSelection
