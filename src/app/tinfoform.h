#pragma once

#include <QDialog>

// The about window: program title, version and who made it.
class TInfoForm : public QDialog {
    Q_OBJECT

public:
    explicit TInfoForm(QWidget* parent = nullptr);
};
