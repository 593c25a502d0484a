#include "framework/numberinput.h"

#include <cmath>

namespace {

const QString signs = QStringLiteral("+-\u2212");

QString separatorName(const QString& separator) {
    if (separator == u",")
        return QStringLiteral("einem Komma");
    if (separator == u".")
        return QStringLiteral("einem Punkt");
    return QStringLiteral("„%1“").arg(separator);
}

// Nothing but what a number of the locale is written with.
bool hasOnlyNumberCharacters(const QString& text, const QLocale& locale) {
    const QString separators =
        QStringLiteral(".,") + locale.decimalPoint() + locale.groupSeparator();
    const QString localSigns = signs + locale.negativeSign() + locale.positiveSign();
    for (const QChar c : text) {
        if (!(c >= u'0' && c <= u'9') && !separators.contains(c) && !localSigns.contains(c))
            return false;
    }
    return true;
}

QString unreadable(const QString& text, const QLocale& locale) {
    QLocale grouped = locale;
    grouped.setNumberOptions(QLocale::DefaultNumberOptions);
    return QStringLiteral("„%1“ ist keine Zahl, die das Programm lesen kann. Bitte schreiben Sie "
                          "die Nachkommastellen nach %2, zum Beispiel %3 oder %4.")
        .arg(text, separatorName(locale.decimalPoint()), grouped.toString(12.5, 'f', 1),
             grouped.toString(1234.56, 'f', 2));
}

// Decimals that carry a value: "12,50" has one.
int decimalsTyped(const QString& text, const QLocale& locale) {
    const qsizetype point = text.indexOf(locale.decimalPoint());
    if (point < 0)
        return 0;
    qsizetype end = text.size();
    while (end > point + 1 && text.at(end - 1) == u'0')
        --end;
    return int(end - point - 1);
}

QString tooManyDecimals(const QString& text, int decimals) {
    if (decimals == 0)
        return QStringLiteral("„%1“ hat Nachkommastellen; hier sind nur ganze Zahlen möglich.")
            .arg(text);
    return QStringLiteral("„%1“ hat zu viele Nachkommastellen; hier sind höchstens %2 möglich.")
        .arg(text)
        .arg(decimals);
}

} // namespace

NumberInput NumberInput::read(const QString& text, const ValueRange& range, int decimals,
                              const QLocale& locale) {
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return {};
    // The locale would read "1e5", "inf" and "nan" too; no treasurer means those.
    if (!hasOnlyNumberCharacters(typed, locale))
        return refused(unreadable(typed, locale));
    bool ok = false;
    const double value = locale.toDouble(typed, &ok);
    if (!ok) {
        // A well-formed number too large for any computer is refused for its size.
        return refused(std::isinf(value) ? range.refusal(typed, locale)
                                         : unreadable(typed, locale));
    }
    if (!range.contains(value))
        return refused(range.refusal(typed, locale));
    if (decimals >= 0 && decimalsTyped(typed, locale) > decimals)
        return refused(tooManyDecimals(typed, decimals));
    return number(value == 0 ? 0.0 : value); // "-0" is 0
}

QRegularExpression NumberInput::typingPattern(const QLocale& locale) {
    const QString characters = QRegularExpression::escape(
        QStringLiteral(".,") + locale.decimalPoint() + locale.groupSeparator());
    const QString leading =
        QRegularExpression::escape(signs + locale.negativeSign() + locale.positiveSign());
    return QRegularExpression(QStringLiteral("[%1]?[0-9%2]*").arg(leading, characters));
}

NumberInput NumberInput::number(double value) {
    NumberInput input;
    input.m_kind = Kind::Number;
    input.m_value = value;
    return input;
}

NumberInput NumberInput::refused(const QString& error) {
    NumberInput input;
    input.m_kind = Kind::Refused;
    input.m_error = error;
    return input;
}
