#pragma once

#include <QTableView>

class GridModel;
class Interaction;
class Table;
class TableModel;

// A grid over a table or query object. Over a table it edits as a desktop user expects:
// typing edits the cell, Enter and Tab move on, Esc drops the cell's edit and then the row's,
// leaving a row stores it through the table object, Ctrl+Entf deletes the row after asking,
// and moving down from the last row, or Einfg, starts a new one. Its current row is the
// table's current row.
class DataGrid : public QTableView {
    Q_OBJECT

public:
    DataGrid(GridModel& model, Interaction& interaction, QWidget* parent = nullptr);

    GridModel& gridModel() const { return m_model; }
    // The table the grid edits; null over a query.
    Table* table() const;

    // Stores the cell and the row being typed. Returns false, after the user has been told,
    // when the row cannot be stored and stays open for correction.
    bool storePendingRow();
    // Ends the edit in the open cell, as leaving it would. Returns false, after the user has
    // been told, when the cell refused what was typed; the cell stays open.
    bool commitCell();
    // Drops what was typed into the current row.
    void cancelRow();
    void deleteRow();
    void appendRow();
    // Whether a cell's editor is open.
    bool isEditingCell() const { return state() == QAbstractItemView::EditingState; }
    // Makes the grid's current row the table's again, after work on the table.
    void showTableRow();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    QWidget* openEditor() const;
    bool canAppend() const;
    void commitOpenEditor();
    void followRow(int row);
    int firstEditableColumn() const;

    GridModel& m_model;
    TableModel* m_tableModel = nullptr;
    Interaction& m_interaction;
    bool m_following = false;
};
