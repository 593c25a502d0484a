#pragma once

#include <QDialog>

class Interaction;
class QComboBox;
class QLineEdit;
class QPushButton;
class Table;

// The search of the plot register: finds a plot by the start of the tenant's name or by its
// number, and walks on from there in the order the search set.
class TSuchen : public QDialog {
    Q_OBJECT

public:
    TSuchen(Table& plots, Interaction& interaction, QWidget* parent = nullptr);

    QComboBox* fieldBox() const { return m_field; }
    QLineEdit* valueEdit() const { return m_value; }
    QPushButton* searchButton() const { return m_search; }
    QPushButton* nextButton() const { return m_next; }
    QPushButton* cancelButton() const { return m_cancel; }

public Q_SLOTS:
    void done(int result) override;

private:
    void search();

    Table& m_plots;
    Interaction& m_interaction;
    QComboBox* m_field = nullptr;
    QLineEdit* m_value = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_cancel = nullptr;
};
