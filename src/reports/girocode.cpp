#include "reports/girocode.h"

#include "data/bankaccount.h"

#include <QStringList>

namespace {

const int maxRecipient = 70;
const int maxReference = 140;

// The first `length` characters, never splitting a character made of two UTF-16 units.
QString leftCharacters(const QString& text, int length) {
    if (text.size() <= length)
        return text;
    if (length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

QString joined(const QStringList& lines) {
    return lines.join(u'\n');
}

} // namespace

namespace GiroCode {

QString payload(const GiroCodeTransfer& transfer) {
    if (transfer.amountCents <= 0 || transfer.amountCents > maxAmountCents)
        return {};
    if (!BankAccount::isValidIban(transfer.iban))
        return {};
    const QString recipient = leftCharacters(transfer.recipient.simplified(), maxRecipient);
    if (recipient.isEmpty())
        return {};
    const QString bic =
        BankAccount::isValidBic(transfer.bic) ? BankAccount::compactBic(transfer.bic) : QString();
    const QString amount = QStringLiteral("EUR%1.%2")
                               .arg(transfer.amountCents / 100)
                               .arg(transfer.amountCents % 100, 2, 10, QLatin1Char('0'));

    QStringList lines = {QStringLiteral("BCD"),
                         QStringLiteral("002"),
                         QStringLiteral("1"),
                         QStringLiteral("SCT"),
                         bic,
                         recipient,
                         BankAccount::compactIban(transfer.iban),
                         amount,
                         QString(),
                         QString(),
                         leftCharacters(transfer.reference.simplified(), maxReference)};
    // Umlauts take two bytes: a long reference gives way until the code fits.
    QString& reference = lines.last();
    while (joined(lines).toUtf8().size() > maxBytes && !reference.isEmpty())
        reference = leftCharacters(reference, int(reference.size()) - 1).trimmed();
    return joined(lines);
}

} // namespace GiroCode
