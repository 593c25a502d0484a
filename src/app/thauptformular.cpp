#include "app/thauptformular.h"

#include "app/titlefont.h"

#include "data/dm1.h"
#include "data/interaction.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

THauptformular::THauptformular(DM1& dm, Interaction& interaction, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_dm(dm)
    , m_interaction(interaction) {
    setWindowTitle(QString());

    auto* central = new QWidget(this);
    auto* title = new QLabel(QStringLiteral("Lunetra"), central);
    title->setFont(titleFont(36));
    title->setAlignment(Qt::AlignCenter);

    struct ButtonText {
        const char* caption;
        const char* hint;
    };
    // The first hint has two blanks before "von", as it always had.
    const ButtonText texts[] = {
        {"&Parzelle", "Anlegen einer neuen Parzelle bzw. Ändern  von Parzellendaten"},
        {"&Hauptkasse", "Hauptkasse editieren"},
        {"H&andkasse", "Handkasse editieren"},
        {"&Datensicherung", "Daten sichern bzw. wieder einlesen"},
        {"&Jahreswechsel", "Jahreswechsel durchführen"},
        {"&Ende", "Programm beenden"},
    };
    auto* buttons = new QHBoxLayout;
    for (const ButtonText& text : texts) {
        auto* button = new QPushButton(QString::fromUtf8(text.caption), central);
        button->setToolTip(QString::fromUtf8(text.hint));
        button->setMinimumWidth(110);
        buttons->addWidget(button);
        m_commandButtons << button;
    }
    m_endButton = m_commandButtons.takeLast();
    m_commands.resize(m_commandButtons.size());
    for (int i = 0; i < m_commandButtons.size(); ++i) {
        QPushButton* button = m_commandButtons.at(i);
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, [this, i] {
            if (m_commands.at(i))
                m_commands.at(i)();
        });
    }
    connect(m_endButton, &QPushButton::clicked, this, &THauptformular::endProgram);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(24, 16, 24, 24);
    layout->addWidget(title);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    setCentralWidget(central);

    QAction* info = menuBar()->addAction(QStringLiteral("Info"));
    connect(info, &QAction::triggered, this, &THauptformular::showInfo);

    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void THauptformular::setCommand(Command command, std::function<void()> action) {
    const int index = int(command);
    m_commands[index] = std::move(action);
    m_commandButtons.at(index)->setEnabled(bool(m_commands.at(index)));
}

QPushButton* THauptformular::button(Command command) const {
    return m_commandButtons.at(int(command));
}

void THauptformular::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_dm.setArtcheck(true);
        m_dataDirectory = QDir::currentPath();
    }
    QMainWindow::changeEvent(event);
}

void THauptformular::closeEvent(QCloseEvent* event) {
    // Closing the tables stores the current rows of the parameters, voucher types, custom
    // items and both journals.
    m_dm.disconnectDatabase();
    event->accept();
}

void THauptformular::endProgram() {
    // Whatever becomes of the backup, the program ends.
    if (m_interaction.askYesNo(QStringLiteral("Daten sichern?")) && m_backupBeforeEnd)
        m_backupBeforeEnd();
    close();
}

void THauptformular::showInfo() {
    if (m_info)
        m_info->exec();
}
