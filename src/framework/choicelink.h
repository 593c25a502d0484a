#pragma once

#include "framework/fieldlink.h"

#include <QList>
#include <QVariantList>

class QRadioButton;

// A column that takes one of a few values, chosen by radio buttons ("X" for "ja", " " for
// "nein"); a value none of them stands for leaves all unchecked.
class ChoiceLink : public FieldLink {
    Q_OBJECT

public:
    ChoiceLink(Table& table, const QString& column, const QList<QRadioButton*>& buttons,
               const QVariantList& values);
    void refresh() override;

private:
    QList<QRadioButton*> m_buttons;
    QVariantList m_values;
};

// Checks one of a group's buttons, or none.
void checkOnly(const QList<QRadioButton*>& buttons, int index);
