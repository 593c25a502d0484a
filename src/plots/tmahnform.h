#pragma once

#include "plots/dunning.h"

#include <QDate>
#include <QDialog>

class DataGrid;
class DM1;
class Interaction;
class QAction;
class QueryModel;
class TMahncheck;

// The plots whose bill is still unpaid after the due date, with the command that prints
// their dunning letters.
class Tmahnform : public QDialog {
    Q_OBJECT

public:
    Tmahnform(DM1& dm, Interaction& interaction, TMahncheck& levelDialog,
              QWidget* parent = nullptr);

    // Lists the unpaid plots and shows the window until it is closed, once the due date has
    // passed; before that it does nothing. The list shows the plots as they were when it
    // opened, and so do the letters printed from it.
    void showUnpaidPlots(const QDate& today = QDate::currentDate());

    DataGrid* grid() const { return m_grid; }
    QAction* printAction() const { return m_print; }

private:
    // "Mahnungen drucken": asks for the level and previews the letters.
    void Mahnungendrucken1Click();

    Dunning m_dunning;
    TMahncheck& m_levelDialog;
    QueryModel* m_model = nullptr;
    DataGrid* m_grid = nullptr;
    QAction* m_print = nullptr;
};
