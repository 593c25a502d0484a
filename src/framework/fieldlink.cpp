#include "framework/fieldlink.h"

#include "data/table.h"

#include <QApplication>
#include <QLineEdit>
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

void commitFocusedEdit(QWidget* window) {
    QWidget* focused = QApplication::focusWidget();
    if (focused && window->isAncestorOf(focused)) {
        if (auto* edit = qobject_cast<QLineEdit*>(focused))
            Q_EMIT edit->editingFinished();
    }
}
