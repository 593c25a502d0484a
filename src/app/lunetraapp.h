#pragma once

#include <QList>

#include <memory>

class DM1;
class Interaction;
class QDialog;
class QWidget;
class Table;
class TAnfangsbestandform;
class THandkasseanfangForm;
class THandkasseForm;
class THauptformular;
class THauptkasseform;
class TKontoform;
class Tselect;
class Tselectform;
class Tselecthform;
class TInfoForm;
class TMahncheck;
class Tmahnform;
class Tneufelder;
class Tparam;
class TParzelleform;
class TDatensicherung;

// The running program: the data module and every window, each created once at start and
// kept until the end.
class LunetraApp {
public:
    // Creates the windows in their fixed order and connects to parzelle.mdb in the working
    // directory. The interaction is the one every message and question goes through.
    explicit LunetraApp(Interaction& interaction);
    ~LunetraApp();

    DM1& dm() { return *m_dm; }
    THauptformular& mainWindow() { return *m_mainWindow; }
    TInfoForm& infoWindow() { return *m_infoForm; }
    TParzelleform& plotRegister() { return *m_plotRegister; }
    Tparam& parametersWindow() { return *m_parameters; }
    Tneufelder& customItemsWindow() { return *m_customItems; }
    TDatensicherung& backupWindow() { return *m_backupWindow; }
    THauptkasseform& mainCashWindow() { return *m_mainCash; }
    THandkasseForm& pettyCashWindow() { return *m_pettyCash; }
    TKontoform& voucherTypesWindow() { return *m_voucherTypes; }
    TAnfangsbestandform& mainOpeningBalanceWindow() { return *m_mainOpeningBalance; }
    Tselectform& mainSelectionWindow() { return *m_mainSelection; }
    Tselect& entriesWindow() { return *m_entries; }

private:
    void openPlotRegister();
    void openBackupWindow();
    void writeBackup();
    void readBackup();
    void changeYear();
    void createCashWindows(QWidget* main);
    // Opens the tables a window works on, then shows it; a table that cannot be opened is
    // reported and the window stays closed.
    void openWith(const QList<Table*>& tables, QDialog* window);

    Interaction& m_interaction;
    std::unique_ptr<DM1> m_dm;
    std::unique_ptr<THauptformular> m_mainWindow;
    TInfoForm* m_infoForm = nullptr;
    TDatensicherung* m_backupWindow = nullptr;
    Tneufelder* m_customItems = nullptr;
    TParzelleform* m_plotRegister = nullptr;
    Tparam* m_parameters = nullptr;
    TMahncheck* m_dunningLevels = nullptr;
    Tmahnform* m_unpaidList = nullptr;
    THauptkasseform* m_mainCash = nullptr;
    THandkasseForm* m_pettyCash = nullptr;
    TKontoform* m_voucherTypes = nullptr;
    TAnfangsbestandform* m_mainOpeningBalance = nullptr;
    THandkasseanfangForm* m_pettyOpeningBalance = nullptr;
    Tselectform* m_mainSelection = nullptr;
    Tselecthform* m_pettySelection = nullptr;
    Tselect* m_entries = nullptr;
};
