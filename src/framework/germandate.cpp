#include "framework/germandate.h"

namespace GermanDate {

QDate parse(const QString& text) {
    const QString trimmed = text.trimmed();
    QDate date = QDate::fromString(trimmed, QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid())
        date = QDate::fromString(trimmed, QStringLiteral("d.M.yyyy"));
    return date;
}

QString format(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString refusal(const QString& text) {
    return QStringLiteral("„%1“ ist kein gültiges Datum. Bitte geben Sie das Datum als TT.MM.JJJJ "
                          "ein, zum Beispiel 31.03.2027, oder lassen Sie das Feld leer. Das Feld "
                          "behält seinen "
                          "bisherigen Wert.")
        .arg(text.trimmed());
}

} // namespace GermanDate
