#pragma once

#include <QDialog>

class DataGrid;
class NavigatorBar;
class QLabel;
class QueryModel;
class DM1;
class Interaction;

// The entries of one voucher type as the selection chose them, with the sums of their income
// and expenses.
class Tselect : public QDialog {
    Q_OBJECT

public:
    Tselect(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);

    // The code the entries were selected by, shown in the caption.
    void setCode(const QString& code) { m_code = code; }
    // Once shown, the navigator stays.
    void showNavigator() { m_navigatorShown = true; }

    DataGrid* grid() const { return m_grid; }
    NavigatorBar* navigator() const { return m_navigator; }
    QLabel* incomeSum() const { return m_income; }
    QLabel* expenseSum() const { return m_expense; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    DM1& m_dm;
    QString m_code;
    bool m_navigatorShown = false;
    QueryModel* m_model = nullptr;
    DataGrid* m_grid = nullptr;
    NavigatorBar* m_navigator = nullptr;
    QLabel* m_income = nullptr;
    QLabel* m_expense = nullptr;
};
