#pragma once

#include "framework/fieldlink.h"

#include "data/valuerange.h"

#include <QVariant>

class Interaction;
class NumberInput;
class QLineEdit;

// A numeric column in a line edit, read and shown as the system locale writes numbers
// ("1.234,56" in German), in the column's display format. What can be read is stored as it
// is typed, so the rules (consumption from the readings) follow at once; keystrokes that
// cannot belong to a number are blocked. A text that cannot be stored (unreadable, a value
// no treasurer can mean, more decimals than the box shows) never reaches the row: when the
// box is left or Enter is pressed, a German message says why, the box shows the stored value
// again and takes the focus back. Escape puts back the stored value of such a text.
class NumberFieldLink : public FieldLink {
    Q_OBJECT

public:
    NumberFieldLink(Table& table, const QString& column, QLineEdit* edit, Interaction& interaction);

    // An emptied box shows "0" at once and the column holds 0, never nothing.
    void setEmptyToZero(bool on) { m_emptyToZero = on; }
    // Overrides the column's display format ("0.00", "0.0000", ...).
    void setFormat(const QString& format);
    QString format() const { return m_format; }
    void refresh() override;
    bool commit() override;

protected:
    void rowChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NumberInput typed() const;
    void edited();
    void showStored();

    QLineEdit* m_edit;
    Interaction& m_interaction;
    QString m_format;
    ValueRange m_range;
    bool m_emptyToZero = false;
    bool m_editing = false; // typed into since it was last left
    QVariant m_before;      // what the column held when the typing began
};
