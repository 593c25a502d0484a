#pragma once

#include <QValidator>

// Lets only digits and points be typed into a date box, and accepts what is typed only when
// it is a real date as TT.MM.JJJJ, or nothing at all.
class GermanDateValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};
