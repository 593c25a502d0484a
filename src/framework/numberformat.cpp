#include "framework/numberformat.h"

#include "data/rounding.h"

namespace {

QString plain(double value, const QLocale& locale) {
    QString text = QString::number(value, 'g', 15);
    if (text.contains(u'e'))
        text = QString::number(value, 'f', 6);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

QString fixed(double value, int decimals, const QLocale& locale, bool grouped) {
    // Printed figures round halves away from zero: the product 0.125 reads 0,13.
    QLocale l = locale;
    l.setNumberOptions(grouped ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    return l.toString(Rounding::roundHalfAwayFromZero(value, decimals), 'f', decimals);
}

// Decimals a display format shows; -1 for the plain form.
int decimalsOf(const QString& pattern) {
    if (pattern.startsWith(u'%')) {
        const qsizetype point = pattern.indexOf(u'.');
        return point < 0 ? 0 : pattern.mid(point + 1, pattern.size() - point - 2).toInt();
    }
    if (pattern.isEmpty())
        return -1;
    const qsizetype point = pattern.indexOf(u'.');
    return point < 0 ? 0 : int(pattern.size() - point - 1);
}

} // namespace

namespace NumberFormat {

QString format(double value, const QString& pattern, const QLocale& locale) {
    if (pattern.isEmpty())
        return plain(value, locale);
    const int decimals = decimalsOf(pattern);
    if (pattern.startsWith(u'%')) {
        const int width = pattern.mid(1, pattern.indexOf(u'.') - 1).toInt();
        return fixed(value, decimals, locale, false).rightJustified(width, u' ');
    }
    return fixed(value, decimals, locale, pattern.startsWith(QStringLiteral("#,##")));
}

QString formatCents(qint64 cents, const QString& pattern) {
    return format(double(cents) / 100, pattern);
}

int decimals(const QString& pattern) {
    return decimalsOf(pattern);
}

} // namespace NumberFormat
