#include "framework/navigatorbar.h"

#include "framework/fieldlink.h"
#include "framework/rowcommands.h"

#include "data/interaction.h"
#include "data/table.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QToolButton>

NavigatorBar::NavigatorBar(Table& table, Interaction& interaction, const QStringList& hints,
                           QWidget* parent)
    : QWidget(parent)
    , m_table(&table)
    , m_interaction(&interaction) {
    createButtons(hints);
    for (auto signal : {&Table::currentChanged, &Table::stateChanged, &Table::rowsChanged})
        connect(&table, signal, this, &NavigatorBar::updateButtons);
    updateButtons();
}

NavigatorBar::NavigatorBar(QAbstractItemView& grid, const QStringList& hints, QWidget* parent)
    : QWidget(parent)
    , m_grid(&grid) {
    createButtons(hints.mid(0, Insert));
    const auto update = [this] { updateButtons(); };
    connect(grid.selectionModel(), &QItemSelectionModel::currentChanged, this, update);
    connect(grid.model(), &QAbstractItemModel::modelReset, this, update);
    updateButtons();
}

void NavigatorBar::createButtons(const QStringList& hints) {
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
}

void NavigatorBar::click(Button which) {
    // The buttons take no focus, so the box being typed in has not been left yet; a refused
    // entry keeps the user on the row to correct it.
    if (!commitFocusedEdit(window()))
        return;
    if (m_grid) {
        moveGrid(which);
        return;
    }
    switch (which) {
    case First:
        m_table->first();
        break;
    case Prior:
        m_table->prior();
        break;
    case Next:
        m_table->next();
        break;
    case Last:
        m_table->last();
        break;
    case Insert:
        m_table->insert();
        break;
    case Delete:
        RowCommands::removeCurrent(*m_table, *m_interaction);
        break;
    }
}

void NavigatorBar::moveGrid(Button which) {
    const int count = m_grid->model()->rowCount();
    if (count == 0)
        return;
    const QModelIndex current = m_grid->currentIndex();
    int row = current.isValid() ? current.row() : 0;
    switch (which) {
    case First:
        row = 0;
        break;
    case Prior:
        row = std::max(0, row - 1);
        break;
    case Next:
        row = std::min(count - 1, row + 1);
        break;
    case Last:
        row = count - 1;
        break;
    default:
        return;
    }
    const QModelIndex target =
        m_grid->model()->index(row, current.isValid() ? current.column() : 0);
    m_grid->setCurrentIndex(target);
    m_grid->scrollTo(target);
}

void NavigatorBar::updateButtons() {
    bool open = true;
    int position = 0;
    int count = 0;
    bool inserting = false;
    if (m_grid) {
        count = m_grid->model()->rowCount();
        position = m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : 0;
    } else {
        open = m_table->isOpen();
        position = m_table->position();
        count = m_table->rowCount();
        inserting = m_table->state() == Table::State::Insert;
    }
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
