#pragma once

#include <QObject>
#include <QString>

class Table;
class QWidget;

// Binds one control to one column of a table object's current row: the control shows the
// column, and what the user does to the control is written into the row, where the record
// rules see it.
class FieldLink : public QObject {
    Q_OBJECT

public:
    FieldLink(Table& table, const QString& column, QWidget* control);

    Table& table() const { return m_table; }
    QString column() const { return m_column; }
    // Shows the column's current value.
    virtual void refresh() = 0;

protected:
    // Writes a value the user gave into the row.
    void store(const QVariant& value);
    bool isStoring() const { return m_storing; }

private:
    Table& m_table;
    QString m_column;
    bool m_storing = false;
};

// Ends the edit in the window's focused box, so that what it holds is stored.
void commitFocusedEdit(QWidget* window);
