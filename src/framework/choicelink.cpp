#include "framework/choicelink.h"

#include "data/table.h"

#include <QRadioButton>

ChoiceLink::ChoiceLink(Table& table, const QString& column, const QList<QRadioButton*>& buttons,
                       const QVariantList& values)
    : FieldLink(table, column, buttons.value(0))
    , m_buttons(buttons)
    , m_values(values) {
    for (int i = 0; i < buttons.size(); ++i) {
        buttons.at(i)->setAutoExclusive(false);
        connect(buttons.at(i), &QRadioButton::clicked, this, [this, i] {
            checkOnly(m_buttons, i);
            store(m_values.at(i));
        });
    }
    refresh();
}

void ChoiceLink::refresh() {
    if (isStoring())
        return;
    const QVariant value = table().value(column());
    int index = -1;
    for (int i = 0; i < m_values.size(); ++i) {
        if (!value.isNull() && value.toString() == m_values.at(i).toString())
            index = i;
    }
    checkOnly(m_buttons, index);
    for (QRadioButton* button : m_buttons)
        button->setEnabled(table().isOpen() && !table().isEmpty());
}

void checkOnly(const QList<QRadioButton*>& buttons, int index) {
    for (int i = 0; i < buttons.size(); ++i) {
        const QSignalBlocker blocker(buttons.at(i));
        buttons.at(i)->setAutoExclusive(false);
        buttons.at(i)->setChecked(i == index);
    }
}
