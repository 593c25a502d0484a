#include "framework/navigatorbar.h"

#include "framework/fieldlink.h"

#include "data/engineerror.h"
#include "data/interaction.h"
#include "data/table.h"

#include <QHBoxLayout>
#include <QToolButton>

NavigatorBar::NavigatorBar(Table& table, Interaction& interaction, const QStringList& hints,
                           QWidget* parent)
    : QWidget(parent)
    , m_table(table)
    , m_interaction(interaction) {
    const QStringList symbols = {QStringLiteral("|◀"), QStringLiteral("◀"), QStringLiteral("▶"),
                                 QStringLiteral("▶|"), QStringLiteral("+"), QStringLiteral("−")};
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < symbols.size(); ++i) {
        if (i >= hints.size()) {
            m_buttons << nullptr;
            continue;
        }
        auto* button = new QToolButton(this);
        button->setText(symbols.at(i));
        button->setToolTip(hints.at(i));
        button->setAccessibleName(hints.at(i));
        button->setMinimumWidth(32);
        button->setFocusPolicy(Qt::TabFocus);
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, i] { click(Button(i)); });
        m_buttons << button;
    }
    layout->addStretch();
    for (auto signal : {&Table::currentChanged, &Table::stateChanged, &Table::rowsChanged})
        connect(&table, signal, this, &NavigatorBar::updateButtons);
    updateButtons();
}

void NavigatorBar::click(Button which) {
    // The buttons take no focus, so the box being typed in has not been left yet; a refused
    // entry keeps the user on the row to correct it.
    if (!commitFocusedEdit(window()))
        return;
    switch (which) {
    case First:
        m_table.first();
        break;
    case Prior:
        m_table.prior();
        break;
    case Next:
        m_table.next();
        break;
    case Last:
        m_table.last();
        break;
    case Insert:
        m_table.insert();
        break;
    case Delete:
        if (!m_table.isEmpty() && m_interaction.askYesNo(QStringLiteral("Datensatz löschen?")) &&
            !m_table.remove())
            m_interaction.reportError(
                QStringLiteral("Der Datensatz konnte nicht gelöscht werden.\n%1")
                    .arg(EngineError::describe(m_table.lastError())));
        break;
    }
}

void NavigatorBar::updateButtons() {
    const bool open = m_table.isOpen();
    const int position = m_table.position();
    const int count = m_table.rowCount();
    const bool inserting = m_table.state() == Table::State::Insert;
    const bool enabled[] = {open && (position > 0 || inserting),
                            open && (position > 0 || inserting),
                            open && position + 1 < count,
                            open && position + 1 < count,
                            open,
                            open && count > 0};
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons.at(i))
            m_buttons.at(i)->setEnabled(enabled[i]);
    }
}
