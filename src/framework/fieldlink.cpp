#include "framework/fieldlink.h"

#include "framework/datagrid.h"

#include "data/interaction.h"
#include "data/table.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

FieldLink::FieldLink(Table& table, const QString& column, QWidget* control)
    : QObject(control)
    , m_table(table)
    , m_column(column) {
    connect(&table, &Table::currentChanged, this, [this] { rowChanged(); });
    connect(&table, &Table::stateChanged, this, [this] { refresh(); });
    connect(&table, &Table::valueChanged, this, [this](const QString& changed) {
        if (changed.compare(m_column, Qt::CaseInsensitive) == 0)
            refresh();
    });
}

FieldLink* FieldLink::of(QWidget* control) {
    return control ? control->findChild<FieldLink*>(QString(), Qt::FindDirectChildrenOnly)
                   : nullptr;
}

void FieldLink::store(const QVariant& value) {
    if (!m_table.isOpen())
        return;
    m_storing = true;
    m_table.setValue(m_column, value);
    m_storing = false;
}

bool FieldLink::refuse(QLineEdit* edit, Interaction& interaction, const QString& reason) {
    m_refusing = true;
    interaction.inform(reason);
    m_refusing = false;
    // Not at once: the refusal may come while the focus is on its way to another control.
    QTimer::singleShot(0, edit, [edit] {
        if (edit->isVisible() && edit->isEnabled()) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
        }
    });
    return false;
}

bool commitFocusedEdit(QWidget* window) {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !window->isAncestorOf(focused))
        return true;
    if (FieldLink* link = FieldLink::of(focused))
        return link->commit();
    for (QWidget* w = focused; w && w != window; w = w->parentWidget()) {
        if (auto* grid = qobject_cast<DataGrid*>(w))
            return grid->commitCell();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(focused))
        Q_EMIT edit->editingFinished();
    return true;
}
