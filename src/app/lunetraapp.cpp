#include "app/lunetraapp.h"

#include "app/thauptformular.h"
#include "app/tinfoform.h"

#include "cash/tanfangsbestandform.h"
#include "cash/thandkasseanfangform.h"
#include "cash/thandkasseform.h"
#include "cash/thauptkasseform.h"
#include "cash/tkontoform.h"
#include "cash/tselect.h"
#include "cash/tselectform.h"
#include "cash/tselecthform.h"
#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"
#include "plots/tmahncheck.h"
#include "plots/tmahnform.h"
#include "plots/tneufelder.h"
#include "plots/tparam.h"
#include "plots/tparzelleform.h"
#include "yearend/backup.h"
#include "yearend/restore.h"
#include "yearend/tdatensicherung.h"
#include "yearend/yearchange.h"

#include <QApplication>

LunetraApp::LunetraApp(Interaction& interaction)
    : m_interaction(interaction)
    , m_dm(std::make_unique<DM1>(interaction)) {
    // The main window comes first: closing it ends the program.
    m_mainWindow = std::make_unique<THauptformular>(*m_dm, m_interaction);
    QWidget* main = m_mainWindow.get();
    m_infoForm = new TInfoForm(main);
    m_mainWindow->setInfoWindow(m_infoForm);
    m_backupWindow = new TDatensicherung(main);
    m_customItems = new Tneufelder(*m_dm, main);
    // Centred on the main window, and kept with the level chosen last.
    m_dunningLevels = new TMahncheck(main);
    m_unpaidList = new Tmahnform(*m_dm, m_interaction, *m_dunningLevels, main);

    QApplication::setApplicationName(QStringLiteral("lunetra"));

    m_plotRegister = new TParzelleform(*m_dm, m_interaction, main);
    // The database is open before the main window is first shown.
    m_dm->connectDatabase();
    m_parameters = new Tparam(*m_dm, m_interaction, main);
    createCashWindows(main);

    m_plotRegister->setParametersWindow(m_parameters);
    m_plotRegister->setCustomItemsWindow(m_customItems);
    m_plotRegister->setUnpaidListWindow(m_unpaidList);
    QObject::connect(m_customItems, &Tneufelder::itemsChanged, m_plotRegister,
                     &TParzelleform::updateCustomItemLabels);
    m_mainWindow->setCommand(THauptformular::Command::Plots, [this] { openPlotRegister(); });
    m_mainWindow->setCommand(THauptformular::Command::Backup, [this] { openBackupWindow(); });
    m_mainWindow->setCommand(THauptformular::Command::YearChange, [this] { changeYear(); });
    m_mainWindow->setBackupBeforeEnd([this] { writeBackup(); });
    m_mainWindow->setCommand(THauptformular::Command::MainCash, [this] {
        openWith({&m_dm->Hauptkasse(), &m_dm->konto(), &m_dm->param()}, m_mainCash);
    });
    m_mainWindow->setCommand(THauptformular::Command::PettyCash, [this] {
        openWith({&m_dm->Handkasse(), &m_dm->konto()}, m_pettyCash);
    });
}

void LunetraApp::createCashWindows(QWidget* main) {
    m_mainCash = new THauptkasseform(*m_dm, m_interaction, main);
    m_pettyCash = new THandkasseForm(*m_dm, m_interaction, main);
    m_voucherTypes = new TKontoform(*m_dm, m_interaction, main);
    m_mainOpeningBalance = new TAnfangsbestandform(*m_dm, m_interaction, main);
    m_pettyOpeningBalance = new THandkasseanfangForm(*m_dm, m_interaction, main);
    m_entries = new Tselect(*m_dm, m_interaction, main);
    m_mainSelection = new Tselectform(*m_dm, m_interaction, main);
    m_pettySelection = new Tselecthform(*m_dm, m_interaction, main);
    m_mainSelection->setListWindow(m_entries);
    m_pettySelection->setListWindow(m_entries);

    m_mainCash->setOpeningBalanceWindow(m_mainOpeningBalance);
    m_mainCash->setSelectionWindow(m_mainSelection);
    m_pettyCash->setOpeningBalanceWindow(m_pettyOpeningBalance);
    m_pettyCash->setSelectionWindow(m_pettySelection);
    for (CashJournalForm* journal :
         {static_cast<CashJournalForm*>(m_mainCash), static_cast<CashJournalForm*>(m_pettyCash)}) {
        journal->setVoucherTypesWindow(m_voucherTypes);
        // Both books offer the codes as the voucher types window left them.
        QObject::connect(m_voucherTypes, &TKontoform::voucherTypesClosed, journal,
                         &CashJournalForm::rebuildPickList);
    }
}

void LunetraApp::openWith(const QList<Table*>& tables, QDialog* window) {
    for (Table* table : tables) {
        if (!table->open()) {
            m_interaction.reportError(EngineError::describe(table->lastError()));
            return;
        }
    }
    window->exec();
}

LunetraApp::~LunetraApp() {
    m_mainWindow.reset();
    m_dm.reset();
}

void LunetraApp::openPlotRegister() {
    openWith({&m_dm->parzelle(), &m_dm->param()}, m_plotRegister);
}

void LunetraApp::openBackupWindow() {
    switch (m_backupWindow->choose()) {
    case TDatensicherung::Choice::WriteBackup:
        writeBackup();
        break;
    case TDatensicherung::Choice::ReadBackup:
        readBackup();
        break;
    case TDatensicherung::Choice::None:
        break;
    }
}

void LunetraApp::writeBackup() {
    Backup(*m_dm, m_interaction).run(m_mainWindow->dataDirectory());
}

void LunetraApp::readBackup() {
    switch (Restore(*m_dm, m_interaction).run(m_mainWindow->dataDirectory())) {
    case Restore::Outcome::Reconnected:
    case Restore::Outcome::Restored:
        openPlotRegister();
        break;
    case Restore::Outcome::Broken:
        m_mainWindow->close(); // ends the program
        break;
    case Restore::Outcome::Declined:
    case Restore::Outcome::Refused:
    case Restore::Outcome::Failed:
        break;
    }
}

void LunetraApp::changeYear() {
    YearChange(*m_dm, m_interaction).run();
}
