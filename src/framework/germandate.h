#pragma once

#include <QDate>
#include <QString>

// Dates as the treasurer types and reads them: TT.MM.JJJJ (leading zeros optional).
namespace GermanDate {

// The date a text stands for; an invalid date for anything else, a two-digit year included.
QDate parse(const QString& text);
QString format(const QDate& date);
// Why a text was refused, in German.
QString refusal(const QString& text);

} // namespace GermanDate
