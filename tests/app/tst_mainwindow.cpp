#include "support/scriptedinteraction.h"
#include "support/testfolder.h"

#include "app/lunetraapp.h"
#include "app/thauptformular.h"
#include "app/tinfoform.h"
#include "data/dm1.h"
#include "yearend/tdatensicherung.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The main window as the treasurer meets it: its buttons and hints, the about window, and
// closing that stores the current rows.
class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void captionsHintsAndOrder();
    void windowIsFixedAndUntitled();
    void buttonsWithoutWindowsAreDisabled();
    void infoMenuOpensTheAboutWindow();
    void activationSwitchesChecksOnAndRecordsTheFolder();
    void closingStoresTheCurrentRows();
    void endAnsweredNoClosesWithoutBackup();
    void endAnsweredYesRunsTheBackupFirst();
    void startsWithoutDatabaseWhenTheOfferIsDeclined();
    void backupWindowRunsTheChosenCommand();
};

namespace {

QList<QPushButton*> buttonsInOrder(THauptformular& window) {
    QList<QPushButton*> buttons = window.centralWidget()->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return buttons;
}

} // namespace

void TestMainWindow::captionsHintsAndOrder() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction interaction;
    LunetraApp app(interaction);
    THauptformular& window = app.mainWindow();
    window.show();
    QStringList captions;
    QStringList hints;
    for (QPushButton* button : buttonsInOrder(window)) {
        captions << button->text();
        hints << button->toolTip();
    }
    QCOMPARE(captions, QStringList({"&Parzelle", "&Hauptkasse", "H&andkasse", "&Datensicherung",
                                    "&Jahreswechsel", "&Ende"}));
    QCOMPARE(hints, QStringList({QStringLiteral("Anlegen einer neuen Parzelle bzw. Ändern  von "
                                                "Parzellendaten"),
                                 QStringLiteral("Hauptkasse editieren"),
                                 QStringLiteral("Handkasse editieren"),
                                 QStringLiteral("Daten sichern bzw. wieder einlesen"),
                                 QStringLiteral("Jahreswechsel durchführen"),
                                 QStringLiteral("Programm beenden")}));
    // Tab order follows the row of buttons.
    QList<QPushButton*> buttons = buttonsInOrder(window);
    for (int i = 0; i + 1 < buttons.size(); ++i)
        QCOMPARE(buttons.at(i)->nextInFocusChain(), buttons.at(i + 1));
    const QList<QLabel*> labels = window.centralWidget()->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->text(), QStringLiteral("Lunetra"));
    QVERIFY(labels.first()->font().bold());
    QVERIFY(labels.first()->font().pointSize() >= 24);
    QVERIFY(interaction.said().isEmpty());
}

void TestMainWindow::windowIsFixedAndUntitled() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction interaction;
    LunetraApp app(interaction);
    THauptformular& window = app.mainWindow();
    QVERIFY(window.windowTitle().isEmpty());
    QCOMPARE(QApplication::applicationName(), QStringLiteral("lunetra"));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.width() <= 1366 && window.height() <= 768);
}

void TestMainWindow::buttonsWithoutWindowsAreDisabled() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction interaction;
    LunetraApp app(interaction);
    THauptformular& window = app.mainWindow();
    QVERIFY(window.endButton()->isEnabled());
    QVERIFY(window.button(THauptformular::Command::Backup)->isEnabled());
    QVERIFY(window.button(THauptformular::Command::YearChange)->isEnabled());
    QVERIFY(window.button(THauptformular::Command::MainCash)->isEnabled());
    QVERIFY(window.button(THauptformular::Command::PettyCash)->isEnabled());
    window.setCommand(THauptformular::Command::MainCash, {});
    QVERIFY(!window.button(THauptformular::Command::MainCash)->isEnabled());
    bool opened = false;
    window.setCommand(THauptformular::Command::Plots, [&] { opened = true; });
    QVERIFY(window.button(THauptformular::Command::Plots)->isEnabled());
    QTest::mouseClick(window.button(THauptformular::Command::Plots), Qt::LeftButton);
    QVERIFY(opened);
}

void TestMainWindow::infoMenuOpensTheAboutWindow() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction interaction;
    LunetraApp app(interaction);
    THauptformular& window = app.mainWindow();
    const QList<QAction*> actions = window.menuBar()->actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.first()->text(), QStringLiteral("Info"));

    TInfoForm& info = app.infoWindow();
    QString caption;
    QStringList texts;
    QTimer::singleShot(0, &info, [&] {
        caption = info.windowTitle();
        for (QLabel* label : info.findChildren<QLabel*>())
            texts << label->text();
        QPushButton* ok = info.findChild<QPushButton*>();
        QCOMPARE(ok->text(), QStringLiteral("ok"));
        ok->click();
    });
    actions.first()->trigger();
    QCOMPARE(caption, QStringLiteral("Info"));
    QVERIFY(texts.contains(QStringLiteral("Lunetra")));
    QCOMPARE(texts.size(), 4);
    QVERIFY(!info.isVisible());
}

void TestMainWindow::activationSwitchesChecksOnAndRecordsTheFolder() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction interaction;
    LunetraApp app(interaction);
    THauptformular& window = app.mainWindow();
    QVERIFY(!app.dm().artcheck());
    QVERIFY(window.dataDirectory().isEmpty());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(app.dm().artcheck());
    QCOMPARE(window.dataDirectory(), QDir::currentPath());
}

void TestMainWindow::closingStoresTheCurrentRows() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction interaction;
    {
        LunetraApp app(interaction);
        DM1& dm = app.dm();
        dm.param().setValue(QStringLiteral("Verein"), QStringLiteral("Gartenfreunde Süd"));
        dm.nfelder().setValue(QStringLiteral("rc222"), true);
        dm.konto().insert();
        dm.konto().setValue(QStringLiteral("art"), QStringLiteral("7"));
        dm.konto().setValue(QStringLiteral("bezeichnung"), QStringLiteral("Porto"));
        dm.Hauptkasse().setValue(QStringLiteral("Bezeichnung"), QStringLiteral("Jahresbeitrag"));
        dm.Handkasse().setValue(QStringLiteral("Bezeichnung"), QStringLiteral("Briefmarken"));
        app.mainWindow().show();
        app.mainWindow().close(); // by the close box: no question
    }
    QVERIFY(interaction.said().isEmpty());
    QCOMPARE(folder.scalar(QStringLiteral("SELECT Verein FROM param")).toString(),
             QStringLiteral("Gartenfreunde Süd"));
    QCOMPARE(folder.scalar(QStringLiteral("SELECT rc222 FROM nfelder")).toInt(), 1);
    QCOMPARE(
        folder.scalar(QStringLiteral("SELECT bezeichnung FROM konto WHERE art = '7'")).toString(),
        QStringLiteral("Porto"));
    QCOMPARE(folder.scalar(QStringLiteral("SELECT Bezeichnung FROM hauptkasse")).toString(),
             QStringLiteral("Jahresbeitrag"));
    QCOMPARE(folder.scalar(QStringLiteral("SELECT Bezeichnung FROM handkasse")).toString(),
             QStringLiteral("Briefmarken"));
}

void TestMainWindow::endAnsweredNoClosesWithoutBackup() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction interaction;
    interaction.answers = {false};
    LunetraApp app(interaction);
    int backups = 0;
    app.mainWindow().setBackupBeforeEnd([&] { ++backups; });
    app.mainWindow().show();
    QTest::mouseClick(app.mainWindow().endButton(), Qt::LeftButton);
    QCOMPARE(interaction.questions, QStringList{QStringLiteral("Daten sichern?")});
    QCOMPARE(backups, 0);
    QVERIFY(!app.mainWindow().isVisible());
    QVERIFY(!app.dm().isConnected());
}

void TestMainWindow::endAnsweredYesRunsTheBackupFirst() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction interaction;
    interaction.answers = {true};
    interaction.files = {QDir(folder.path()).filePath(QStringLiteral("vor-dem-ende"))};
    LunetraApp app(interaction);
    app.mainWindow().show();
    QTest::mouseClick(app.mainWindow().endButton(), Qt::LeftButton);
    // The backup itself, not its window: the save dialog, then the copy.
    QCOMPARE(interaction.fileRequests.size(), 1);
    QVERIFY(interaction.errors.isEmpty());
    QVERIFY(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("vor-dem-ende.mdb"))));
    QVERIFY(!app.backupWindow().isVisible());
    QVERIFY(!app.mainWindow().isVisible());
    QVERIFY(!app.dm().isConnected());
}

void TestMainWindow::startsWithoutDatabaseWhenTheOfferIsDeclined() {
    TestFolder folder;
    ScriptedInteraction interaction;
    interaction.answers = {false};
    LunetraApp app(interaction);
    app.mainWindow().show();
    QCOMPARE(interaction.questions.size(), 1);
    QCOMPARE(interaction.errors.size(), 1);
    QVERIFY(!app.dm().isConnected());
    QVERIFY(app.mainWindow().endButton()->isEnabled());
}

void TestMainWindow::backupWindowRunsTheChosenCommand() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction interaction;
    interaction.files = {QDir(folder.path()).filePath(QStringLiteral("kopie.mdb"))};
    LunetraApp app(interaction);
    app.mainWindow().show();
    TDatensicherung& window = app.backupWindow();
    QString caption;
    QTimer::singleShot(0, &window, [&] {
        caption = window.windowTitle();
        window.writeButton()->click();
    });
    app.mainWindow().button(THauptformular::Command::Backup)->click();
    QCOMPARE(caption, QStringLiteral("Datensicherung"));
    QVERIFY(!window.isVisible());
    QVERIFY(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("kopie.mdb"))));

    // "Abbruch" runs nothing.
    QTimer::singleShot(0, &window, [&] { window.cancelButton()->click(); });
    app.mainWindow().button(THauptformular::Command::Backup)->click();
    QCOMPARE(interaction.fileRequests.size(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
