#pragma once

#include <QDialog>

class Interaction;
class QLineEdit;
class QPushButton;
class Table;

// A cash book's opening balance: the book's year and its balance at the start of the year,
// the one row of its table. However the window is closed, what was typed is stored; there is
// no cancel.
class OpeningBalanceForm : public QDialog {
    Q_OBJECT

public:
    QLineEdit* yearEdit() const { return m_year; }
    QLineEdit* balanceEdit() const { return m_balance; }
    QPushButton* okButton() const { return m_ok; }

    void done(int result) override;

protected:
    // With `fourDigitYear` the year can only be typed as four digits.
    OpeningBalanceForm(Table& table, Interaction& interaction, const QString& caption,
                       bool fourDigitYear, QWidget* parent);

private:
    Table& m_table;
    Interaction& m_interaction;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_balance = nullptr;
    QPushButton* m_ok = nullptr;
};
