#pragma once

#include <QLocale>
#include <QString>

// Numbers as the program shows and prints them, always with the locale's decimal separator:
// display formats "0", "0.0", "0.00", "0.0000", "#,##0.00"; printf forms "%8.2f", "%8.1f";
// an empty pattern gives the shortest plain form (up to 15 significant digits).
namespace NumberFormat {

QString format(double value, const QString& pattern, const QLocale& locale = QLocale());
// Reads a number typed in German or English notation ("12,5", "12.5", "1.234,50" is not
// accepted: a thousands separator is no input). Returns false for anything else.
bool parse(const QString& text, double* value);

} // namespace NumberFormat
