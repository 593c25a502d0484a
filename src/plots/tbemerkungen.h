#pragma once

#include <QDialog>

class Table;

// Free remarks on the current plot; what is typed is stored with the plot's row.
class Tbemerkungen : public QDialog {
    Q_OBJECT

public:
    explicit Tbemerkungen(Table& plots, QWidget* parent = nullptr);
};
