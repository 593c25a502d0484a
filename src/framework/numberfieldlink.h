#pragma once

#include "framework/fieldlink.h"

class QLineEdit;

// A numeric column in a line edit. Takes German notation ("12,5", a point too) and refuses
// anything else as it is typed; shows the column's display format with the locale's
// decimal separator.
class NumberFieldLink : public FieldLink {
    Q_OBJECT

public:
    NumberFieldLink(Table& table, const QString& column, QLineEdit* edit);

    // An emptied box shows "0" at once and the column holds 0, never nothing.
    void setEmptyToZero(bool on) { m_emptyToZero = on; }
    // Overrides the column's display format ("0.00", "0.0000", ...).
    void setFormat(const QString& format);
    QString format() const { return m_format; }
    void refresh() override;

private:
    void edited(const QString& text);

    QLineEdit* m_edit;
    QString m_format;
    bool m_emptyToZero = false;
};
