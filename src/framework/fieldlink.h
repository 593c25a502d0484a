#pragma once

#include <QObject>
#include <QString>

class Interaction;
class Table;
class QLineEdit;
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
    // Ends the edit in the control, as leaving it does: what it holds is stored, or refused
    // with a message and the stored value shown again. Returns false when it was refused.
    virtual bool commit() { return true; }

    // The link bound to a control, if any.
    static FieldLink* of(QWidget* control);

protected:
    // Another row became current (or the table closed): what was being typed belonged to the
    // row before.
    virtual void rowChanged() { refresh(); }
    // Writes a value the user gave into the row.
    void store(const QVariant& value);
    bool isStoring() const { return m_storing; }
    // Refuses what the box holds, once it shows the stored value again: says why, and gives
    // the box the focus back with its text selected for typing anew. Returns false, what
    // commit() then returns. Leaving the box for the message commits again; isRefusing()
    // tells commit() to refuse that without a second message.
    bool refuse(QLineEdit* edit, Interaction& interaction, const QString& reason);
    bool isRefusing() const { return m_refusing; }

private:
    Table& m_table;
    QString m_column;
    bool m_storing = false;
    bool m_refusing = false; // the refusal message is up
};

// Ends the edit in the window's focused box, so that what it holds is stored. Returns false
// when the box refused it (it has told the user why); the caller then stays where it is.
bool commitFocusedEdit(QWidget* window);
