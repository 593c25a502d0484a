#include "lunetraapp.h"

#include "thauptformular.h"
#include "tinfoform.h"

#include "data/dm1.h"

#include <QApplication>

LunetraApp::LunetraApp(Interaction& interaction)
    : m_interaction(interaction)
    , m_dm(std::make_unique<DM1>(interaction)) {
    // The main window comes first: closing it ends the program.
    m_mainWindow = std::make_unique<THauptformular>(*m_dm, m_interaction);
    m_infoForm = new TInfoForm(m_mainWindow.get());
    m_mainWindow->setInfoWindow(m_infoForm);

    QApplication::setApplicationName(QStringLiteral("lunetra"));

    // The database is open before the main window is first shown.
    m_dm->connectDatabase();
}

LunetraApp::~LunetraApp() {
    m_mainWindow.reset();
    m_dm.reset();
}
