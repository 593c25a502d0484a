#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class Query;

// One journal entry the transfer of a paid invoice books.
struct InvoiceEntry {
    QString code; // system voucher type, "30" to "60"
    QString text; // Bezeichnung, at most 50 characters
    bool income = true;
    double amount = 0; // in whole cents, on the entry's side; negative where the bill credits
                       // a component that is normally charged
};

// The voucher type of a custom charge item as konto holds it.
struct CustomVoucherType {
    QString description;
    bool income = false;
};

// The entries that book one plot's bill into the main cash book: one per component the bill
// holds (BillAmounts), in booking order, each with the cents the bill summed and the
// statement printed.
namespace InvoiceEntries {

// What the entries need besides the plot's row.
struct Context {
    QString year; // Jahr of the main book's opening balance
    // Voucher types of the custom items by code ("45" ...), as konto holds them.
    QHash<QString, CustomVoucherType> customTypes;
};

// Why a plot cannot be booked, or nothing.
struct Refusal {
    QString text;
};

// The entries of the plot in the row (the plot joined with param and nfelder); a refusal when
// the year is needed and is not a whole number, when a custom item's voucher type is missing
// from konto, or when the bill holds a value that is no money.
std::optional<Refusal> forPlot(const Query& row, const Context& context,
                               QList<InvoiceEntry>& entries);

// " Parz. " and the plot number after a custom item's description, the description shortened
// so that the whole text fits the journal's 50 characters and the plot number is never cut.
QString customItemText(const QString& description, const QString& plot);

} // namespace InvoiceEntries
