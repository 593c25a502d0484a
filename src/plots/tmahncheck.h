#pragma once

#include "reports/dunninglevel.h"

#include <QDialog>

#include <optional>

class QButtonGroup;
class QPushButton;
class QRadioButton;

// Asks which dunning letters to print: the first, second or third reminder. The dialog is
// kept, so the level chosen last is selected again the next time; at first none is.
class TMahncheck : public QDialog {
    Q_OBJECT

public:
    explicit TMahncheck(QWidget* parent = nullptr);

    // Shows the dialog; the level selected when the user pressed "ok", none when the user
    // cancelled or selected no level.
    std::optional<DunningLevel> chooseLevel();

    QRadioButton* levelButton(DunningLevel level) const;
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    std::optional<DunningLevel> selectedLevel() const;

    QButtonGroup* m_levels = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
