#include "framework/flaglink.h"

#include "data/table.h"

#include <QCheckBox>

FlagLink::FlagLink(Table& table, const QString& column, QCheckBox* box)
    : FieldLink(table, column, box)
    , m_box(box) {
    connect(box, &QCheckBox::clicked, this, [this](bool checked) { store(checked); });
    refresh();
}

void FlagLink::refresh() {
    if (isStoring())
        return;
    m_box->setEnabled(table().isOpen() && !table().isEmpty());
    const QSignalBlocker blocker(m_box);
    m_box->setChecked(table().flag(column()));
}
