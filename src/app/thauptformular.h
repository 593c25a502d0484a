#pragma once

#include <QMainWindow>

#include <functional>

class DM1;
class Interaction;
class QPushButton;

// The main window: the hub from which every working window is opened. Closing it stores the
// current rows and ends the program.
class THauptformular : public QMainWindow {
    Q_OBJECT

public:
    enum class Command { Plots, MainCash, PettyCash, Backup, YearChange };

    THauptformular(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);

    // What a button does; a button without a command stays disabled.
    void setCommand(Command command, std::function<void()> action);
    // The backup that "Daten sichern?" on leaving the program runs when answered yes.
    void setBackupBeforeEnd(std::function<void()> backup) { m_backupBeforeEnd = std::move(backup); }
    void setInfoWindow(QDialog* info) { m_info = info; }
    // The working directory as recorded at the last activation.
    QString dataDirectory() const { return m_dataDirectory; }
    QPushButton* button(Command command) const;
    QPushButton* endButton() const { return m_endButton; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void endProgram();
    void showInfo();

    DM1& m_dm;
    Interaction& m_interaction;
    QDialog* m_info = nullptr;
    QString m_dataDirectory;
    QList<QPushButton*> m_commandButtons; // in the order of Command
    QList<std::function<void()>> m_commands;
    std::function<void()> m_backupBeforeEnd;
    QPushButton* m_endButton = nullptr;
};
