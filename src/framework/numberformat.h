#pragma once

#include <QLocale>
#include <QString>

// Numbers as the program shows and prints them, always with the locale's decimal separator:
// display formats "0", "0.0", "0.00", "0.0000", "#,##0.00"; printf forms "%8.2f", "%8.1f";
// an empty pattern gives the shortest plain form (up to 15 significant digits). Typed numbers
// are read by NumberInput.
namespace NumberFormat {

QString format(double value, const QString& pattern, const QLocale& locale = QLocale());
// An amount of money held in whole cents, shown in euros.
QString formatCents(qint64 cents, const QString& pattern);
// Decimals a pattern shows; -1 for the plain form, which shows what the value has.
int decimals(const QString& pattern);

} // namespace NumberFormat
