#include "support/enterkey.h"
#include "support/simulateddisk.h"
#include "support/workspace.h"

#include "plots/tneufelder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The custom charge items window: what the treasurer sees, and that every way of closing it
// leaves the items, their voucher types and the plots' amounts stored as typed.
class TestCustomItemsWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void captionsAndHeadings();
    void rowsAreBoundInTheirOrder();
    void tabOrderRunsDownTheLeftThenTheRight();
    void namingAPlotItemStoresItAndItsVoucherType();
    void clearingAPlotItemZeroesEveryPlot();
    void retypingALabelKeepsTheAmounts();
    void closeBoxStoresWhatIsStillBeingTyped();
    void enterInABoxLeavesTheWindowOpen();
    void fullDiskKeepsTheWindowOpen();
};

namespace {

QString stored(Workspace& w, const QString& sql) {
    return w.scalar(sql).toString();
}

// Shows the window as the active one, as the user meets it.
bool showActive(Tneufelder& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QAction* closeCommand(Tneufelder& window) {
    return window.findChild<QMenuBar*>()->actions().value(0);
}

void replaceText(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void givePlotItemOneALabelAndTwoPlots(Workspace& w) {
    w.execute(QStringLiteral("UPDATE nfelder SET reserve1 = 'Wegebau'"));
    w.execute(QStringLiteral("UPDATE syskonto SET bezeichnung = 'Wegebau' WHERE art = '45'"));
    w.execute(QStringLiteral(
        "INSERT INTO parzelle (Nr, Reserve1, Reserve2) VALUES ('1', 12.5, 3), ('2', 7, 4)"));
    w.dm->nfelder().reopen();
    w.dm->parzelle().reopen();
}

QGroupBox* group(Tneufelder& window, const QString& title) {
    for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
        if (box->title() == title)
            return box;
    }
    return nullptr;
}

} // namespace

void TestCustomItemsWindow::captionsAndHeadings() {
    Workspace w;
    Tneufelder window(*w.dm);
    QVERIFY(showActive(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("neue Felder"));

    QStringList texts;
    for (QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains(QStringLiteral("Definieren Sie  hier weitere Eingabefelder für")));
    QVERIFY(texts.contains(QStringLiteral("die Formulare 'Parzelle' und 'allgemeine Eingaben'")));

    QGroupBox* plots = group(window, QStringLiteral("Felder für 'Parzelle'"));
    QGroupBox* general = group(window, QStringLiteral("Felder für 'allgemeine Eingaben'"));
    QVERIFY(plots && general);
    for (QGroupBox* box : {plots, general}) {
        QStringList rows;
        for (QLabel* label : box->findChildren<QLabel*>())
            rows << label->text().remove(u'&');
        QCOMPARE(rows, QStringList({"Feld 1", "Feld 2", "Feld 3", "Feld 4", "Feld 5", "Feld 6"}));
    }
    QStringList plotBoxes;
    for (QCheckBox* box : plots->findChildren<QCheckBox*>())
        plotBoxes << box->text();
    QCOMPARE(plotBoxes, QStringList(6, QStringLiteral("Einnahme")));

    for (int item : {5, 6}) {
        QCheckBox* link = window.areaLinkBox(item);
        QVERIFY(link && general->isAncestorOf(link));
        QCOMPARE(link->text(), QStringLiteral("verknüpfen mit Gartenfläche"));
    }
    QCOMPARE(general->findChildren<QCheckBox*>().size(), 8);

    const QList<QAction*> commands = window.findChild<QMenuBar*>()->actions();
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands.first()->text(), QStringLiteral("schliessen"));

    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.frameGeometry().width() <= 1366 && window.frameGeometry().height() <= 768);
}

void TestCustomItemsWindow::rowsAreBoundInTheirOrder() {
    Workspace w;
    Tneufelder window(*w.dm);
    QStringList assignments;
    for (int n = 1; n <= 12; ++n)
        assignments << QStringLiteral("reserve%1 = 'L%1'").arg(n);
    w.execute(QStringLiteral("UPDATE nfelder SET %1, rc9 = 1, rc222 = 1")
                  .arg(assignments.join(QStringLiteral(", "))));
    w.dm->nfelder().reopen();
    QVERIFY(showActive(window));

    // Each row's label leads, by its mnemonic, to the edit of the item in that place.
    const auto labelsByRow = [](QGroupBox* box) {
        QStringList labels;
        for (QLabel* caption : box->findChildren<QLabel*>())
            labels << qobject_cast<QLineEdit*>(caption->buddy())->text();
        return labels;
    };
    QCOMPARE(labelsByRow(group(window, QStringLiteral("Felder für 'Parzelle'"))),
             QStringList({"L1", "L2", "L3", "L4", "L9", "L10"}));
    QCOMPARE(labelsByRow(group(window, QStringLiteral("Felder für 'allgemeine Eingaben'"))),
             QStringList({"L5", "L6", "L7", "L8", "L11", "L12"}));

    // A row's boxes stand beside its edit.
    for (int n = 1; n <= 12; ++n) {
        const int y = window.labelEdit(n)->geometry().center().y();
        QVERIFY(std::abs(window.incomeBox(n)->geometry().center().y() - y) < 4);
        QCOMPARE(window.incomeBox(n)->isChecked(), n == 9);
    }
    QVERIFY(std::abs(window.areaLinkBox(6)->geometry().center().y() -
                     window.labelEdit(6)->geometry().center().y()) < 4);
    QVERIFY(!window.areaLinkBox(5)->isChecked());
    QVERIFY(window.areaLinkBox(6)->isChecked());
    QVERIFY(!window.areaLinkBox(7));
    QCOMPARE(window.labelEdit(1)->maxLength(), 50);
}

void TestCustomItemsWindow::tabOrderRunsDownTheLeftThenTheRight() {
    Workspace w;
    Tneufelder window(*w.dm);
    QList<QWidget*> expected;
    for (int n : {1, 2, 3, 4, 9, 10, 5, 6, 7, 8, 11, 12}) {
        expected << window.labelEdit(n) << window.incomeBox(n);
        if (window.areaLinkBox(n))
            expected << window.areaLinkBox(n);
    }
    QList<QWidget*> chain;
    QWidget* widget = window.labelEdit(1);
    do {
        if (expected.contains(widget))
            chain << widget;
        widget = widget->nextInFocusChain();
    } while (widget != window.labelEdit(1));
    QCOMPARE(chain, expected);
}

void TestCustomItemsWindow::namingAPlotItemStoresItAndItsVoucherType() {
    Workspace w;
    Tneufelder window(*w.dm);
    QSignalSpy changed(&window, &Tneufelder::itemsChanged);
    bool active = false;
    QTimer::singleShot(0, &window, [&] {
        active = QTest::qWaitForWindowActive(&window);
        window.labelEdit(1)->setFocus();
        QTest::keyClicks(window.labelEdit(1), QStringLiteral("Wegebau"));
        // On to the box beside it by the keyboard, which leaves the edit as a user does.
        QTest::keyClick(window.labelEdit(1), Qt::Key_Tab);
        QTest::keyClick(window.incomeBox(1), Qt::Key_Space);
        closeCommand(window)->trigger();
    });
    window.exec();
    QVERIFY(active);
    QVERIFY(!window.isVisible());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(stored(w, QStringLiteral("SELECT reserve1 FROM nfelder")), QStringLiteral("Wegebau"));
    QCOMPARE(stored(w, QStringLiteral("SELECT rc1 FROM nfelder")), QStringLiteral("1"));
    QCOMPARE(stored(w, QStringLiteral("SELECT bezeichnung FROM syskonto WHERE art = '45'")),
             QStringLiteral("Wegebau"));
    QCOMPARE(stored(w, QStringLiteral("SELECT einzahlung FROM syskonto WHERE art = '45'")),
             QStringLiteral("1"));
    QVERIFY(w.interaction.said().isEmpty());

    // The window is shown again later with what was stored.
    QTimer::singleShot(0, &window, [&] { closeCommand(window)->trigger(); });
    window.exec();
    QCOMPARE(window.labelEdit(1)->text(), QStringLiteral("Wegebau"));
    QVERIFY(window.incomeBox(1)->isChecked());
    QCOMPARE(changed.size(), 2);
}

void TestCustomItemsWindow::clearingAPlotItemZeroesEveryPlot() {
    Workspace w;
    givePlotItemOneALabelAndTwoPlots(w);
    Tneufelder window(*w.dm);
    QSignalSpy changed(&window, &Tneufelder::itemsChanged);
    QVERIFY(showActive(window));
    replaceText(window.labelEdit(1), QString());
    QTest::keyClick(window.labelEdit(1), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(w.scalar(QStringLiteral("SELECT sum(Reserve1) FROM parzelle")).toDouble(), 0.0);
    QCOMPARE(w.scalar(QStringLiteral("SELECT sum(Reserve2) FROM parzelle")).toDouble(), 7.0);
    QCOMPARE(stored(w, QStringLiteral("SELECT coalesce(reserve1, '') FROM nfelder")), QString());
    QCOMPARE(stored(w, QStringLiteral(
                           "SELECT coalesce(bezeichnung, '') FROM syskonto WHERE art = '45'")),
             QString());
}

void TestCustomItemsWindow::retypingALabelKeepsTheAmounts() {
    Workspace w;
    givePlotItemOneALabelAndTwoPlots(w);
    Tneufelder window(*w.dm);
    QVERIFY(showActive(window));
    // The box is empty on the way to the new name; the plots' amounts must survive that.
    replaceText(window.labelEdit(1), QStringLiteral("Wegepflege"));
    closeCommand(window)->trigger();
    QCOMPARE(w.scalar(QStringLiteral("SELECT sum(Reserve1) FROM parzelle")).toDouble(), 19.5);
    QCOMPARE(stored(w, QStringLiteral("SELECT reserve1 FROM nfelder")),
             QStringLiteral("Wegepflege"));
    QCOMPARE(stored(w, QStringLiteral("SELECT bezeichnung FROM syskonto WHERE art = '45'")),
             QStringLiteral("Wegepflege"));
}

void TestCustomItemsWindow::closeBoxStoresWhatIsStillBeingTyped() {
    Workspace w;
    Tneufelder window(*w.dm);
    QSignalSpy changed(&window, &Tneufelder::itemsChanged);
    QVERIFY(showActive(window));
    window.areaLinkBox(5)->click();
    // The area link has no rule of its own: until the window closes it waits in the row.
    QCOMPARE(stored(w, QStringLiteral("SELECT coalesce(rc111, 0) FROM nfelder")),
             QStringLiteral("0"));
    window.labelEdit(12)->setFocus();
    QTest::keyClicks(window.labelEdit(12), QStringLiteral("Heckenschnitt"));
    window.close();
    QVERIFY(!window.isVisible());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(stored(w, QStringLiteral("SELECT rc111 FROM nfelder")), QStringLiteral("1"));
    QCOMPARE(stored(w, QStringLiteral("SELECT coalesce(rc222, 0) FROM nfelder")),
             QStringLiteral("0"));
    QCOMPARE(stored(w, QStringLiteral("SELECT reserve12 FROM nfelder")),
             QStringLiteral("Heckenschnitt"));
    QCOMPARE(stored(w, QStringLiteral("SELECT bezeichnung FROM syskonto WHERE art = '60'")),
             QStringLiteral("Heckenschnitt"));
}

void TestCustomItemsWindow::enterInABoxLeavesTheWindowOpen() {
    Workspace w;
    givePlotItemOneALabelAndTwoPlots(w);
    Tneufelder window(*w.dm);
    QVERIFY(showActive(window));
    const QString problem = pressEnterInEveryBox(&window);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(stored(w, QStringLiteral("SELECT sum(Reserve1) FROM parzelle")),
             QStringLiteral("19.5"));
}

void TestCustomItemsWindow::fullDiskKeepsTheWindowOpen() {
    SimulatedDisk disk;
    Workspace w;
    Tneufelder window(*w.dm);
    QVERIFY(showActive(window));
    disk.setTrouble(SimulatedDisk::Trouble::Full);
    replaceText(window.labelEdit(1), QStringLiteral("Wegebau"));
    w.interaction.answers = {false};
    closeCommand(window)->trigger();
    QVERIFY(window.isVisible());
    QCOMPARE(window.labelEdit(1)->text(), QStringLiteral("Wegebau"));
    QCOMPARE(w.interaction.questions.size(), 1);
    QVERIFY2(w.interaction.questions.first().startsWith(
                 QStringLiteral("Die neuen Felder konnten nicht gespeichert werden.\nDer "
                                "Datenträger ist voll.")),
             qPrintable(w.interaction.questions.first()));

    // Room made on the disk: closing again stores the item and its voucher type.
    disk.setTrouble(SimulatedDisk::Trouble::None);
    closeCommand(window)->trigger();
    QVERIFY(!window.isVisible());
    QCOMPARE(stored(w, QStringLiteral("SELECT reserve1 FROM nfelder")), QStringLiteral("Wegebau"));
    QCOMPARE(stored(w, QStringLiteral("SELECT bezeichnung FROM syskonto WHERE art = '45'")),
             QStringLiteral("Wegebau"));
}

QTEST_MAIN(TestCustomItemsWindow)
#include "tst_customitemswindow.moc"
