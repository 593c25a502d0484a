#include "support/workspace.h"

#include "plots/tmahncheck.h"
#include "plots/tmahnform.h"
#include "plots/tparzelleform.h"

#include "framework/datagrid.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <functional>

// The windows of dunning as the treasurer meets them: the register's command, the list of
// unpaid plots and the level dialog.
class TestDunningWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void levelDialogKeepsTheChosenLevel();
    void commandSaysWhyBeforeTheDueDateHasPassed();
    void listShowsTheUnpaidPlotsAndPrintsTheirLetters();

private:
    // Runs `step` in the modal window that opens next, once it is shown.
    void whenModal(std::function<void(QWidget*)> step);
    void setDueDate(const QDate& date);

    Workspace* m_w = nullptr;
    TParzelleform* m_register = nullptr;
    TMahncheck* m_levels = nullptr;
    Tmahnform* m_list = nullptr;
    QList<QTimer*> m_waiting; // of whenModal, stopped when the test ends
};

void TestDunningWindows::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestDunningWindows::init() {
    m_w = new Workspace;
    m_w->execute(QStringLiteral("UPDATE param SET Verein = 'Gartenfreunde', Mahngebuehr = 5"));
    // Plot 7 is paid and booked.
    m_w->execute(QStringLiteral(
        "INSERT INTO parzelle (Nr, Vorname, Name, gezahlt, uebernommen, gesamt) VALUES "
        "('2', 'Hanna', 'Zwei', 0, 0, 20), ('10', 'Paul', 'Zehn', 0, 0, 100), "
        "('7', 'Ida', 'Sieben', 1, 1, 70)"));
    m_w->dm->parzelle().reopen();
    m_register = new TParzelleform(*m_w->dm, m_w->interaction);
    m_levels = new TMahncheck(m_register);
    m_list = new Tmahnform(*m_w->dm, m_w->interaction, *m_levels, m_register);
    m_register->setUnpaidListWindow(m_list);
}

void TestDunningWindows::cleanup() {
    qDeleteAll(m_waiting);
    m_waiting.clear();
    delete m_register;
    delete m_w;
}

void TestDunningWindows::whenModal(std::function<void(QWidget*)> step) {
    QWidget* before = QApplication::activeModalWidget();
    auto* poll = new QTimer;
    m_waiting << poll;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, before, step] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before || !modal->isVisible())
            return;
        poll->stop();
        step(modal);
    });
    poll->start(10);
}

void TestDunningWindows::setDueDate(const QDate& date) {
    m_w->execute(
        QStringLiteral("UPDATE param SET Zahlfrist = '%1'").arg(date.toString(Qt::ISODate)));
    m_w->dm->param().reopen();
}

void TestDunningWindows::levelDialogKeepsTheChosenLevel() {
    // Nothing chosen: "ok" prints nothing.
    whenModal([this](QWidget*) { m_levels->okButton()->click(); });
    QCOMPARE(m_levels->chooseLevel(), std::optional<DunningLevel>());

    whenModal([this](QWidget*) {
        m_levels->levelButton(DunningLevel::Third)->click();
        m_levels->okButton()->click();
    });
    QCOMPARE(m_levels->chooseLevel(), std::optional<DunningLevel>(DunningLevel::Third));

    // Opened again, level 3 is still selected; cancelling prints nothing.
    bool third = false;
    whenModal([this, &third](QWidget*) {
        third = m_levels->levelButton(DunningLevel::Third)->isChecked();
        m_levels->cancelButton()->click();
    });
    QCOMPARE(m_levels->chooseLevel(), std::optional<DunningLevel>());
    QVERIFY(third);
    whenModal([this](QWidget*) { m_levels->okButton()->click(); });
    QCOMPARE(m_levels->chooseLevel(), std::optional<DunningLevel>(DunningLevel::Third));
}

void TestDunningWindows::commandSaysWhyBeforeTheDueDateHasPassed() {
    const QDate today = QDate::currentDate();
    QAction* command = m_register->action(QStringLiteral("&nichtbezahlte Rechnungen"));
    QVERIFY(command);
    setDueDate(today);
    m_register->show();
    QVERIFY(QTest::qWaitForWindowActive(m_register));
    QVERIFY(!command->isEnabled());
    QVERIFY2(command->toolTip().contains(today.toString(QStringLiteral("dd.MM.yyyy"))),
             qPrintable(command->toolTip()));
    // The menu bar shows why when the mouse rests on the command.
    auto* bar = m_register->findChild<QMenuBar*>();
    const QPoint place = bar->actionGeometry(command).center();
    QHelpEvent help(QEvent::ToolTip, place, bar->mapToGlobal(place));
    QApplication::sendEvent(bar, &help);
    QCOMPARE(QToolTip::text(), command->toolTip());
    // However it is reached, the command opens nothing on the due date itself.
    command->trigger();
    QVERIFY(!m_list->isVisible());
    QVERIFY(m_w->interaction.said().isEmpty());

    // The parameters window closes with the due date passed: the command is offered.
    QDialog parameters(m_register);
    m_register->setParametersWindow(&parameters);
    whenModal([&](QWidget*) {
        setDueDate(today.addDays(-1));
        parameters.accept();
    });
    m_register->action(QStringLiteral("&alllgemeine Eingaben"))->trigger();
    QTRY_VERIFY(command->isEnabled());
    QCOMPARE(command->toolTip(), QStringLiteral("nichtbezahlte Rechnungen"));
}

void TestDunningWindows::listShowsTheUnpaidPlotsAndPrintsTheirLetters() {
    setDueDate(QDate::currentDate().addDays(-1));
    m_register->show();
    QVERIFY(QTest::qWaitForWindowActive(m_register));
    QStringList rows;
    QStringList titles;
    bool listShown = false;
    whenModal([&](QWidget* window) {
        listShown = window == m_list;
        const QAbstractItemModel* model = m_list->grid()->model();
        for (int c = 0; c < model->columnCount(); ++c)
            titles << model->headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < model->rowCount(); ++r) {
            rows << model->index(r, 0).data().toString() + u' ' +
                        model->index(r, 1).data().toString() + u' ' +
                        model->index(r, 2).data().toString();
        }
        // A plot paid meanwhile still gets its letter from the list as it was read.
        m_w->execute(QStringLiteral("UPDATE parzelle SET gezahlt = 1 WHERE Nr = '2'"));
        whenModal([this](QWidget*) {
            m_levels->levelButton(DunningLevel::First)->click();
            m_levels->okButton()->click();
        });
        m_list->printAction()->trigger();
        m_list->close();
    });
    m_register->action(QStringLiteral("&nichtbezahlte Rechnungen"))->trigger();
    QVERIFY(listShown);
    QCOMPARE(titles, QStringList({QStringLiteral("Parz.-Nr"), QStringLiteral("Name"),
                                  QStringLiteral("Vorname")}));
    QCOMPARE(rows, QStringList({QStringLiteral("10 Zehn Paul"), QStringLiteral("2 Zwei Hanna")}));
    QCOMPARE(m_w->interaction.reports.size(), 1);
    const ReportDocument& letters = m_w->interaction.reports.first();
    QCOMPARE(letters.pages.size(), 2);
    QVERIFY(letters.pages.at(1).find(QStringLiteral("Sehr geehrte(r) Hanna Zwei")));
    QVERIFY(letters.pages.at(0).find(QStringLiteral("1. Mahnung")));
    // The list is closed with its window.
    QVERIFY(!m_w->dm->mahnquery().isOpen());
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT group_concat(Nr) FROM parzelle WHERE mahncheck"))
                 .toString(),
             QStringLiteral("10"));
}

QTEST_MAIN(TestDunningWindows)
#include "tst_dunningwindows.moc"
