#pragma once

#include "fieldlink.h"

class Interaction;
class QLineEdit;
class QPlainTextEdit;

// A text column in a line edit; input longer than the column is refused as it is typed.
class TextFieldLink : public FieldLink {
    Q_OBJECT

public:
    enum class Commit { EachChange, OnLeave };

    TextFieldLink(Table& table, const QString& column, QLineEdit* edit,
                  Commit commit = Commit::EachChange);
    void refresh() override;

private:
    QLineEdit* m_edit;
    Commit m_commit;
};

// A numeric column in a line edit. Takes German notation ("12,5", a point too) and refuses
// anything else as it is typed; shows the column's display format with the locale's
// decimal separator.
class NumberFieldLink : public FieldLink {
    Q_OBJECT

public:
    NumberFieldLink(Table& table, const QString& column, QLineEdit* edit);

    // An emptied box shows "0" at once and the column holds 0, never nothing.
    void setEmptyToZero(bool on) { m_emptyToZero = on; }
    // Overrides the column's display format ("0.00", "0.0000", ...).
    void setFormat(const QString& format);
    QString format() const { return m_format; }
    void refresh() override;

private:
    void edited(const QString& text);

    QLineEdit* m_edit;
    QString m_format;
    bool m_emptyToZero = false;
};

// A date column in a line edit, as dd.mm.yyyy, or empty.
class DateFieldLink : public FieldLink {
    Q_OBJECT

public:
    DateFieldLink(Table& table, const QString& column, QLineEdit* edit, Interaction& interaction);
    void refresh() override;

private:
    void finished();

    QLineEdit* m_edit;
    Interaction& m_interaction;
    bool m_checking = false;
};

// A memo column in a multi-line text box.
class MemoFieldLink : public FieldLink {
    Q_OBJECT

public:
    MemoFieldLink(Table& table, const QString& column, QPlainTextEdit* edit);
    void refresh() override;

private:
    QPlainTextEdit* m_edit;
    bool m_refreshing = false;
};

// Ends the edit in the window's focused box, so that what it holds is stored.
void commitFocusedEdit(QWidget* window);
