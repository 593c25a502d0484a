#include "framework/germandatevalidator.h"

#include "framework/germandate.h"

#include <QRegularExpression>

QValidator::State GermanDateValidator::validate(QString& input, int& /*position*/) const {
    static const QRegularExpression allowed(QStringLiteral("^[0-9.]{0,10}$"));
    if (!allowed.match(input).hasMatch())
        return Invalid;
    if (input.trimmed().isEmpty() || GermanDate::parse(input).isValid())
        return Acceptable;
    return Intermediate;
}
