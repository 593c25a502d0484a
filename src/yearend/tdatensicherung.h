#pragma once

#include <QDialog>

class QPushButton;

// The backup window: the treasurer chooses between writing a backup copy and reading one (or
// an archive) back. The commands themselves run after the window has closed.
class TDatensicherung : public QDialog {
    Q_OBJECT

public:
    enum class Choice { None, WriteBackup, ReadBackup };

    explicit TDatensicherung(QWidget* parent = nullptr);

    // Shows the window modally and returns what was chosen.
    Choice choose();

    QPushButton* writeButton() const { return m_write; }
    QPushButton* readButton() const { return m_read; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    QPushButton* m_write;
    QPushButton* m_read;
    QPushButton* m_cancel;
    Choice m_choice = Choice::None;
};
