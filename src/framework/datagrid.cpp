#include "framework/datagrid.h"

#include "framework/griddelegate.h"
#include "framework/rowcommands.h"
#include "framework/tablemodel.h"

#include "data/interaction.h"
#include "data/table.h"

#include <QHeaderView>
#include <QKeyEvent>

DataGrid::DataGrid(GridModel& model, Interaction& interaction, QWidget* parent)
    : QTableView(parent)
    , m_model(model)
    , m_tableModel(qobject_cast<TableModel*>(&model))
    , m_interaction(interaction) {
    setModel(&model);
    setItemDelegate(new GridDelegate(interaction, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(m_tableModel
                        ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                              QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked
                        : QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setWordWrap(false);
    // Rows of one height: a long journal scrolls without measuring every row.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < model.columnCount(); ++c) {
        if (model.gridColumn(c).width > 0)
            setColumnWidth(c, model.gridColumn(c).width);
        if (model.gridColumn(c).stretch)
            horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    }

    if (m_tableModel) {
        Table& table = m_tableModel->table();
        connect(&table, &Table::currentChanged, this, &DataGrid::showTableRow);
        connect(&table, &Table::opened, this, &DataGrid::showTableRow);
        connect(m_tableModel, &QAbstractItemModel::modelReset, this, &DataGrid::showTableRow);
        showTableRow();
    }
}

Table* DataGrid::table() const {
    return m_tableModel ? &m_tableModel->table() : nullptr;
}

QWidget* DataGrid::openEditor() const {
    if (state() != QAbstractItemView::EditingState)
        return nullptr;
    const auto* delegate = qobject_cast<const GridDelegate*>(itemDelegate());
    return delegate ? delegate->openEditor() : nullptr;
}

void DataGrid::commitOpenEditor() {
    if (QWidget* editor = openEditor()) {
        commitData(editor);
        if (editor->isVisible())
            closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool DataGrid::commitCell() {
    QWidget* editor = openEditor();
    const auto* delegate = qobject_cast<const GridDelegate*>(itemDelegate());
    if (!editor || !delegate)
        return true;
    const QString reason = delegate->refusal(editor);
    if (!reason.isEmpty()) {
        m_interaction.inform(reason);
        return false;
    }
    commitOpenEditor();
    return true;
}

bool DataGrid::storePendingRow() {
    if (!commitCell())
        return false;
    Table* t = table();
    if (!t || !t->isOpen())
        return true;
    RowCommands::storeCurrent(*t, m_interaction);
    showTableRow();
    // A row the rules refused has been dropped with their message; only a row still open
    // for correction holds things up.
    return !t->isEditing();
}

void DataGrid::cancelRow() {
    if (QWidget* editor = openEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    if (Table* t = table())
        t->cancel();
    showTableRow();
}

void DataGrid::deleteRow() {
    Table* t = table();
    if (!t)
        return;
    commitOpenEditor();
    if (t->state() != Table::State::Insert && !storePendingRow())
        return;
    RowCommands::removeCurrent(*t, m_interaction);
    showTableRow();
}

void DataGrid::appendRow() {
    Table* t = table();
    if (!t || !t->isOpen() || t->state() == Table::State::Insert)
        return;
    if (!storePendingRow())
        return;
    t->insert();
    showTableRow();
    const QModelIndex cell = m_model.index(t->position(), firstEditableColumn());
    setCurrentIndex(cell);
    scrollTo(cell);
}

void DataGrid::showTableRow() {
    Table* t = table();
    if (!t || m_following || (m_tableModel && m_tableModel->isSuspended()))
        return;
    const int row = t->position();
    if (row < 0 || row >= m_model.rowCount())
        return;
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() == row)
        return;
    const QModelIndex cell =
        m_model.index(row, current.isValid() ? current.column() : firstEditableColumn());
    m_following = true;
    setCurrentIndex(cell);
    m_following = false;
    scrollTo(cell);
}

int DataGrid::firstEditableColumn() const {
    for (int c = 0; c < m_model.columnCount(); ++c) {
        if (!m_model.gridColumn(c).readOnly)
            return c;
    }
    return 0;
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!m_following && current.isValid() &&
        (!previous.isValid() || current.row() != previous.row()))
        followRow(current.row());
}

void DataGrid::followRow(int row) {
    Table* t = table();
    if (!t || !t->isOpen() || row == t->position())
        return;
    // The row the user went to, by id: storing the row left may move rows about.
    const qint64 target = t->rowIdAt(row);
    if (!RowCommands::storeCurrent(*t, m_interaction)) {
        showTableRow();
        return;
    }
    const int index = target >= 0 ? t->indexOfRowId(target) : -1;
    if (index >= 0) {
        m_following = true;
        t->moveTo(index);
        m_following = false;
    }
    // The grid may stand on a row that is gone; it follows the table.
    const QModelIndex now = currentIndex();
    if (!now.isValid() || now.row() != t->position()) {
        const QModelIndex cell = m_model.index(t->position(), now.isValid() ? now.column() : 0);
        m_following = true;
        setCurrentIndex(cell);
        m_following = false;
    }
}

bool DataGrid::canAppend() const {
    const Table* t = table();
    return t && t->isOpen() && t->state() != Table::State::Insert;
}

QModelIndex DataGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    const bool lastRow = current.isValid() && current.row() == m_model.rowCount() - 1;
    const bool lastCell = lastRow && current.column() == m_model.columnCount() - 1;
    if ((action == MoveDown && lastRow) || (action == MoveNext && lastCell)) {
        // Going on from the last row starts a new one; from an untouched new row, nothing.
        if (!canAppend())
            return current;
        appendRow();
        return currentIndex();
    }
    return QTableView::moveCursor(action, modifiers);
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    if (m_tableModel && state() != QAbstractItemView::EditingState) {
        if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
            deleteRow();
            return;
        }
        if (event->key() == Qt::Key_Escape && table() && table()->isEditing()) {
            cancelRow();
            return;
        }
        if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
            appendRow();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}
