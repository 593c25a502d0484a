#include "fieldlink.h"

#include "data/table.h"

#include <QWidget>

FieldLink::FieldLink(Table& table, const QString& column, QWidget* control)
    : QObject(control)
    , m_table(table)
    , m_column(column) {
    const auto refreshAll = [this] { refresh(); };
    connect(&table, &Table::currentChanged, this, refreshAll);
    connect(&table, &Table::stateChanged, this, refreshAll);
    connect(&table, &Table::valueChanged, this, [this](const QString& changed) {
        if (changed.compare(m_column, Qt::CaseInsensitive) == 0)
            refresh();
    });
}

void FieldLink::store(const QVariant& value) {
    if (!m_table.isOpen())
        return;
    m_storing = true;
    m_table.setValue(m_column, value);
    m_storing = false;
}
