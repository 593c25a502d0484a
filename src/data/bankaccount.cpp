#include "data/bankaccount.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// The length of an IBAN in each country that issues them (the IBAN registry).
const QHash<QString, int>& ibanLengths() {
    static const QHash<QString, int> lengths = {
        {QStringLiteral("AD"), 24}, {QStringLiteral("AE"), 23}, {QStringLiteral("AL"), 28},
        {QStringLiteral("AT"), 20}, {QStringLiteral("AZ"), 28}, {QStringLiteral("BA"), 20},
        {QStringLiteral("BE"), 16}, {QStringLiteral("BG"), 22}, {QStringLiteral("BH"), 22},
        {QStringLiteral("BI"), 27}, {QStringLiteral("BR"), 29}, {QStringLiteral("BY"), 28},
        {QStringLiteral("CH"), 21}, {QStringLiteral("CR"), 22}, {QStringLiteral("CY"), 28},
        {QStringLiteral("CZ"), 24}, {QStringLiteral("DE"), 22}, {QStringLiteral("DJ"), 27},
        {QStringLiteral("DK"), 18}, {QStringLiteral("DO"), 28}, {QStringLiteral("EE"), 20},
        {QStringLiteral("EG"), 29}, {QStringLiteral("ES"), 24}, {QStringLiteral("FI"), 18},
        {QStringLiteral("FK"), 18}, {QStringLiteral("FO"), 18}, {QStringLiteral("FR"), 27},
        {QStringLiteral("GB"), 22}, {QStringLiteral("GE"), 22}, {QStringLiteral("GI"), 23},
        {QStringLiteral("GL"), 18}, {QStringLiteral("GR"), 27}, {QStringLiteral("GT"), 28},
        {QStringLiteral("HN"), 28}, {QStringLiteral("HR"), 21}, {QStringLiteral("HU"), 28},
        {QStringLiteral("IE"), 22}, {QStringLiteral("IL"), 23}, {QStringLiteral("IQ"), 23},
        {QStringLiteral("IS"), 26}, {QStringLiteral("IT"), 27}, {QStringLiteral("JO"), 30},
        {QStringLiteral("KW"), 30}, {QStringLiteral("KZ"), 20}, {QStringLiteral("LB"), 28},
        {QStringLiteral("LC"), 32}, {QStringLiteral("LI"), 21}, {QStringLiteral("LT"), 20},
        {QStringLiteral("LU"), 20}, {QStringLiteral("LV"), 21}, {QStringLiteral("LY"), 25},
        {QStringLiteral("MC"), 27}, {QStringLiteral("MD"), 24}, {QStringLiteral("ME"), 22},
        {QStringLiteral("MK"), 19}, {QStringLiteral("MN"), 20}, {QStringLiteral("MR"), 27},
        {QStringLiteral("MT"), 31}, {QStringLiteral("MU"), 30}, {QStringLiteral("NI"), 28},
        {QStringLiteral("NL"), 18}, {QStringLiteral("NO"), 15}, {QStringLiteral("OM"), 23},
        {QStringLiteral("PK"), 24}, {QStringLiteral("PL"), 28}, {QStringLiteral("PS"), 29},
        {QStringLiteral("PT"), 25}, {QStringLiteral("QA"), 29}, {QStringLiteral("RO"), 24},
        {QStringLiteral("RS"), 22}, {QStringLiteral("RU"), 33}, {QStringLiteral("SA"), 24},
        {QStringLiteral("SC"), 31}, {QStringLiteral("SD"), 18}, {QStringLiteral("SE"), 24},
        {QStringLiteral("SI"), 19}, {QStringLiteral("SK"), 24}, {QStringLiteral("SM"), 27},
        {QStringLiteral("SO"), 23}, {QStringLiteral("ST"), 25}, {QStringLiteral("SV"), 28},
        {QStringLiteral("TL"), 23}, {QStringLiteral("TN"), 24}, {QStringLiteral("TR"), 26},
        {QStringLiteral("UA"), 29}, {QStringLiteral("VA"), 22}, {QStringLiteral("VG"), 24},
        {QStringLiteral("XK"), 20}, {QStringLiteral("YE"), 30},
    };
    return lengths;
}

// ISO 7064 mod 97-10: with the first four characters moved to the end and every letter
// read as two digits (A = 10 … Z = 35), the number leaves 1 when divided by 97.
bool passesMod97(const QString& iban) {
    const QString rearranged = iban.mid(4) + iban.left(4);
    int remainder = 0;
    for (const QChar c : rearranged) {
        const int value = c.isDigit() ? c.digitValue() : c.unicode() - u'A' + 10;
        remainder = (remainder * (value < 10 ? 10 : 100) + value) % 97;
    }
    return remainder == 1;
}

QString withoutBlanks(const QString& typed) {
    QString result;
    for (const QChar c : typed) {
        if (!c.isSpace())
            result += c;
    }
    return result;
}

} // namespace

namespace BankAccount {

QString compactIban(const QString& typed) {
    return withoutBlanks(typed).toUpper();
}

QString compactBic(const QString& typed) {
    return withoutBlanks(typed).toUpper();
}

QString ibanProblem(const QString& typed) {
    const QString iban = compactIban(typed);
    static const QRegularExpression characters(QStringLiteral("^[A-Z0-9]*$"));
    if (iban.isEmpty())
        return QStringLiteral("Es ist keine IBAN eingetragen.");
    if (!characters.match(iban).hasMatch())
        return QStringLiteral(
            "Eine IBAN besteht nur aus Buchstaben und Ziffern (Leerzeichen sind erlaubt).");
    const QString country = iban.left(2);
    const int length = ibanLengths().value(country, 0);
    if (length == 0)
        return QStringLiteral("Sie beginnt nicht mit dem Ländercode eines Landes, das IBANs "
                              "vergibt (für Deutschland „DE“).");
    if (iban.size() != length)
        return QStringLiteral("Eine IBAN aus %1 hat %2 Zeichen, diese hat %3.")
            .arg(country)
            .arg(length)
            .arg(iban.size());
    if (!iban.at(2).isDigit() || !iban.at(3).isDigit() || !passesMod97(iban))
        return QStringLiteral("Ihre Prüfziffern stimmen nicht: wahrscheinlich ist ein Zeichen "
                              "vertippt oder sind zwei vertauscht.");
    return {};
}

bool isValidIban(const QString& typed) {
    return ibanProblem(typed).isEmpty();
}

QString bicProblem(const QString& typed) {
    static const QRegularExpression pattern(
        QStringLiteral("^[A-Z]{4}[A-Z]{2}[A-Z0-9]{2}([A-Z0-9]{3})?$"));
    const QString bic = compactBic(typed);
    if (bic.isEmpty())
        return QStringLiteral("Es ist kein BIC eingetragen.");
    if (pattern.match(bic).hasMatch())
        return {};
    return QStringLiteral("Ein BIC hat 8 oder 11 Zeichen: vier Buchstaben für die Bank, zwei "
                          "für das Land, zwei Buchstaben oder Ziffern für den Ort und "
                          "gegebenenfalls drei für die Filiale.");
}

bool isValidBic(const QString& typed) {
    return bicProblem(typed).isEmpty();
}

} // namespace BankAccount
