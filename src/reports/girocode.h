#pragma once

#include <QString>
#include <QtGlobal>

// A credit transfer as a banking app reads it from a GiroCode: the quick-response code of the
// European Payments Council's guideline, version 002, with the association as recipient.
struct GiroCodeTransfer {
    QString bic;       // may be empty; an invalid one is left out rather than printed
    QString recipient; // the association's name, at most 70 characters
    QString iban;      // blanks allowed
    qint64 amountCents = 0;
    QString reference; // unstructured remittance text, at most 140 characters
};

namespace GiroCode {

// The code's content stays within this many bytes (UTF-8), which the guideline allows.
constexpr int maxBytes = 331;
// The largest amount the code can carry, in cents.
constexpr qint64 maxAmountCents = 99999999999;

// The payload, line by line: "BCD", "002", "1" (UTF-8), "SCT", BIC, recipient, IBAN,
// "EUR" with the amount, an empty purpose, an empty structured reference and the reference.
// Empty when no valid code can be made: an amount that is not positive or too large, an
// IBAN that fails its check, or no recipient. A reference too long for the code is
// shortened, never the account.
QString payload(const GiroCodeTransfer& transfer);

} // namespace GiroCode
