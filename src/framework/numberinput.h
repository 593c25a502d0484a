#pragma once

#include "data/valuerange.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

// A number the user typed into a box or a grid cell, read exactly as the system locale writes
// numbers (German: "1.234,56" is 1234.56, "1.234" is 1234, "12,5" is 12.5) and checked
// against what its column can mean. It never guesses: a text the locale cannot read ("12.5" on
// a German system) is refused with a German hint, never read some other way.
//
//     const NumberInput input = NumberInput::read(text, ValueRange::of(table, column), 2);
//     if (input.isRefused())
//         interaction.inform(input.error());
//     else if (input.isNumber())
//         table.setValue(column, input.value());
class NumberInput {
public:
    // `decimals` is the most decimals the box or cell shows (-1: as many as typed). More would
    // be shown as something other than what is stored, so they are refused; trailing zeros do
    // not count.
    static NumberInput read(const QString& text, const ValueRange& range = ValueRange(),
                            int decimals = -1, const QLocale& locale = QLocale());

    // The keystrokes that can belong to a number in the locale: a leading sign, digits and
    // both separators. Editors block everything else as it is typed, which keeps a typed "12a5"
    // as "125".
    static QRegularExpression typingPattern(const QLocale& locale = QLocale());

    // Nothing but blanks was typed: no number, and no refusal either.
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isNumber() const { return m_kind == Kind::Number; }
    bool isRefused() const { return m_kind == Kind::Refused; }
    // The number read; 0 when empty or refused.
    double value() const { return m_value; }
    // Why the text was refused, in German with what to type instead; empty otherwise.
    QString error() const { return m_error; }

private:
    enum class Kind { Empty, Number, Refused };

    static NumberInput number(double value);
    static NumberInput refused(const QString& error);

    Kind m_kind = Kind::Empty;
    double m_value = 0;
    QString m_error;
};
