#pragma once

#include <QStringList>
#include <QWidget>

class Interaction;
class Table;
class QAbstractItemView;
class QToolButton;

// The record navigator over a table object: first, prior, next, last, and optionally new and
// delete, each with its hint. Deleting asks first. Each button first ends the edit in the
// window's focused box, as leaving the box would. Over a read-only grid it moves the grid's
// current row.
class NavigatorBar : public QWidget {
    Q_OBJECT

public:
    enum Button { First, Prior, Next, Last, Insert, Delete };

    // Hints in the order of Button; a missing hint leaves that button out.
    NavigatorBar(Table& table, Interaction& interaction, const QStringList& hints,
                 QWidget* parent = nullptr);
    // First, prior, next and last over the rows of a grid.
    NavigatorBar(QAbstractItemView& grid, const QStringList& hints, QWidget* parent = nullptr);

    QToolButton* button(Button which) const { return m_buttons.value(which); }
    void click(Button which);

private:
    void createButtons(const QStringList& hints);
    void moveGrid(Button which);
    void updateButtons();

    Table* m_table = nullptr;
    Interaction* m_interaction = nullptr;
    QAbstractItemView* m_grid = nullptr;
    QList<QToolButton*> m_buttons;
};
