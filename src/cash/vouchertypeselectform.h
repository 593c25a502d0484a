#pragma once

#include <QDialog>

class DM1;
class Interaction;
class QComboBox;
class QLineEdit;
class QPushButton;
class Tselect;
struct CashBook;

// Chooses a voucher type and lists the book's entries of it in the list window.
class VoucherTypeSelectForm : public QDialog {
    Q_OBJECT

public:
    void setListWindow(Tselect* window) { m_list = window; }

    QComboBox* codeBox() const { return m_code; }
    QLineEdit* descriptionEdit() const { return m_description; }
    QPushButton* okButton() const { return m_ok; }

    // "ok": lists the entries of the chosen code, then closes.
    void showEntries();

protected:
    VoucherTypeSelectForm(DM1& dm, Interaction& interaction, const CashBook& book,
                          const QString& caption, QWidget* parent);

    void showEvent(QShowEvent* event) override;

private:
    void showDescription();
    void storeDescription();

    DM1& m_dm;
    Interaction& m_interaction;
    const CashBook& m_book;
    Tselect* m_list = nullptr;
    QComboBox* m_code = nullptr;
    QLineEdit* m_description = nullptr;
    QPushButton* m_ok = nullptr;
};
