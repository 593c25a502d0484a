#pragma once

#include <memory>

class DM1;
class Interaction;
class THauptformular;
class TInfoForm;
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

private:
    void openPlotRegister();
    void openBackupWindow();
    void writeBackup();
    void readBackup();
    void changeYear();

    Interaction& m_interaction;
    std::unique_ptr<DM1> m_dm;
    std::unique_ptr<THauptformular> m_mainWindow;
    TInfoForm* m_infoForm = nullptr;
    TDatensicherung* m_backupWindow = nullptr;
    Tneufelder* m_customItems = nullptr;
    TParzelleform* m_plotRegister = nullptr;
    Tparam* m_parameters = nullptr;
};
