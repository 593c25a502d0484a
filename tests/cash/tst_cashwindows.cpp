#include "support/scriptedinteraction.h"
#include "support/testfolder.h"

#include "app/lunetraapp.h"
#include "cash/tanfangsbestandform.h"
#include "cash/thandkasseform.h"
#include "cash/thauptkasseform.h"
#include "cash/tkontoform.h"
#include "cash/tselect.h"
#include "cash/tselectform.h"
#include "data/dm1.h"
#include "data/journalrules.h"
#include "framework/datagrid.h"
#include "framework/navigatorbar.h"
#include "framework/tablemodel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The cash book windows as the treasurer uses them: typing entries into the grid, the
// voucher types, the opening balances, the lists by voucher type and the transfer.
class TestCashWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void typedEntryGetsItsNumberMonthAndText();
    void amountOnTheWrongSideIsEmptied();
    void escapeLeavesNothingStored();
    void refusedInputIsExplainedAndNotStored();
    void ctrlDeleteAsksFirst();
    void unknownVoucherTypeOpensTheVoucherTypes();

    void activationRenewsTheSystemVoucherTypes();
    void headingShowsTheBooksOwnYear();
    void openingBalanceIsStoredHoweverClosed();
    void closedVoucherTypesRenewBothPickLists();
    void selectionListsEntriesWithTheirSums();
    void transferFromTheWindowShowsTheNewEntries();

private:
    QVariant scalar(const QString& sql) { return m_app->dm().parzelleADOConnection().scalar(sql); }
    void execute(const QString& sql) {
        QCOMPARE(m_app->dm().parzelleADOConnection().execute(sql), QString());
    }
    CashJournalForm& openMainCash();
    // Types into a cell of the grid's current row as a user does, ending with the key given.
    void type(DataGrid& grid, const QString& field, const QString& text, Qt::Key end = Qt::Key_Tab);

    TestFolder* m_folder = nullptr;
    ScriptedInteraction* m_interaction = nullptr;
    LunetraApp* m_app = nullptr;
};

void TestCashWindows::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestCashWindows::init() {
    m_folder = new TestFolder;
    m_folder->createDatabase();
    m_folder->execute({QStringLiteral("INSERT INTO konto (art, konto, bezeichnung, einzahlung) "
                                      "VALUES ('1', '4711', 'Spenden', 1), ('20', '6800', 'Porto', "
                                      "0), ('100', '', 'Bankgebühren', 0), ('7', '', 'Pacht', 0)"),
                       QStringLiteral("UPDATE hauptanfangsw SET Jahr = '2026', anfangswert = 100"),
                       QStringLiteral("UPDATE handanfangsw SET Jahr = '2025', anfangswert = 10")});
    m_interaction = new ScriptedInteraction;
    m_app = new LunetraApp(*m_interaction);
}

void TestCashWindows::cleanup() {
    delete m_app;
    delete m_interaction;
    delete m_folder;
}

CashJournalForm& TestCashWindows::openMainCash() {
    THauptkasseform& window = m_app->mainCashWindow();
    window.show();
    QApplication::setActiveWindow(&window);
    return window;
}

void TestCashWindows::type(DataGrid& grid, const QString& field, const QString& text, Qt::Key end) {
    const int column = grid.gridModel().columnOf(field);
    const QModelIndex cell = grid.gridModel().index(grid.currentIndex().row(), column);
    grid.setCurrentIndex(cell);
    if (!grid.isEditingCell())
        grid.edit(cell);
    QWidget* editor = QApplication::focusWidget();
    while (editor && editor->parentWidget() != grid.viewport())
        editor = editor->parentWidget();
    QVERIFY(editor);
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        edit = combo->lineEdit();
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(editor, end);
    QCoreApplication::processEvents();
}

void TestCashWindows::typedEntryGetsItsNumberMonthAndText() {
    execute(QStringLiteral("INSERT INTO hauptkasse (lfd_nr, Art, Einnahme) VALUES (41, '1', 5)"));
    m_app->dm().Hauptkasse().reopen();
    CashJournalForm& window = openMainCash();
    DataGrid& grid = *window.grid();
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_Down); // a new entry after the last one
    Table& journal = m_app->dm().Hauptkasse();
    QCOMPARE(journal.state(), Table::State::Insert);
    QCOMPARE(grid.currentIndex().row(), journal.position());
    type(grid, QStringLiteral("datum"), QStringLiteral("7.3.2026"));
    type(grid, QStringLiteral("Art"), QStringLiteral("20"));
    type(grid, QStringLiteral("Ausgabe"), QStringLiteral("1.234,5"), Qt::Key_Return);
    QCOMPARE(grid.gridModel().displayText(journal.position(), 3), QStringLiteral("Porto"));
    QCOMPARE(grid.gridModel().displayText(journal.position(), 5), QStringLiteral("1.234,50"));
    // Leaving the row stores it.
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(journal.state(), Table::State::Browse);
    QCOMPARE(grid.gridModel().displayText(journal.position() + 1, 3), QStringLiteral("Porto"));
    QCOMPARE(
        scalar(QStringLiteral("SELECT lfd_nr || ' ' || datum || ' ' || monat || ' ' || "
                              "Bezeichnung || ' ' || Ausgabe FROM hauptkasse WHERE Art = '20'"))
            .toString(),
        QStringLiteral("42 2026-03-07 03.2026 Porto 1234.5"));
    QVERIFY(m_interaction->said().isEmpty());
}

void TestCashWindows::amountOnTheWrongSideIsEmptied() {
    CashJournalForm& window = openMainCash();
    DataGrid& grid = *window.grid();
    grid.appendRow();
    type(grid, QStringLiteral("Art"), QStringLiteral("20"));
    type(grid, QStringLiteral("Einnahme"), QStringLiteral("12,00"));
    Table& journal = m_app->dm().Hauptkasse();
    QVERIFY(journal.isNull(QStringLiteral("Einnahme")));
    QCOMPARE(grid.gridModel().displayText(journal.position(), 4), QString());
    QVERIFY(grid.storePendingRow());
    QVERIFY(scalar(QStringLiteral("SELECT Einnahme FROM hauptkasse WHERE Art = '20'")).isNull());
}

void TestCashWindows::escapeLeavesNothingStored() {
    CashJournalForm& window = openMainCash();
    DataGrid& grid = *window.grid();
    const int before = scalar(QStringLiteral("SELECT count(*) FROM hauptkasse")).toInt();
    const int rows = grid.model()->rowCount();
    grid.appendRow();
    type(grid, QStringLiteral("Art"), QStringLiteral("1"));
    type(grid, QStringLiteral("Einnahme"), QStringLiteral("50"));
    // The first Esc drops the cell being typed, the second the whole entry.
    QVERIFY(grid.isEditingCell());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!grid.isEditingCell());
    QCOMPARE(m_app->dm().Hauptkasse().state(), Table::State::Insert);
    QTest::keyClick(&grid, Qt::Key_Escape);
    QCOMPARE(m_app->dm().Hauptkasse().state(), Table::State::Browse);
    QCOMPARE(grid.model()->rowCount(), rows);
    QVERIFY(window.isVisible()); // Esc does not close the book
    QVERIFY(grid.storePendingRow());
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM hauptkasse")).toInt(), before);
}

void TestCashWindows::refusedInputIsExplainedAndNotStored() {
    CashJournalForm& window = openMainCash();
    DataGrid& grid = *window.grid();
    Table& journal = m_app->dm().Hauptkasse();
    grid.appendRow();
    type(grid, QStringLiteral("Art"), QStringLiteral("1"));
    type(grid, QStringLiteral("datum"), QStringLiteral("31.02.2026"));
    QTRY_COMPARE(m_interaction->messages.size(), 1);
    QVERIFY(m_interaction->messages.first().contains(QStringLiteral("kein gültiges Datum")));
    QCOMPARE(journal.date(QStringLiteral("datum")), QDate::currentDate());
    // Letters never reach an amount.
    type(grid, QStringLiteral("Einnahme"), QStringLiteral("1x2,5"));
    QCOMPARE(journal.number(QStringLiteral("Einnahme")), 12.5);
    // A point is no decimal separator on a German system; the cell says so and keeps 12,50.
    type(grid, QStringLiteral("Einnahme"), QStringLiteral("13.5"));
    QTRY_COMPARE(m_interaction->messages.size(), 2);
    QVERIFY(m_interaction->messages.last().contains(QStringLiteral("Komma")));
    QCOMPARE(journal.number(QStringLiteral("Einnahme")), 12.5);
}

void TestCashWindows::ctrlDeleteAsksFirst() {
    execute(QStringLiteral("INSERT INTO hauptkasse (lfd_nr, Art, Einnahme) VALUES (2, '1', 5)"));
    m_app->dm().Hauptkasse().reopen();
    CashJournalForm& window = openMainCash();
    DataGrid& grid = *window.grid();
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    m_interaction->answers = {false, true};
    QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM hauptkasse WHERE lfd_nr = 2")).toInt(), 1);
    QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(m_interaction->questions, QStringList({"Datensatz löschen?", "Datensatz löschen?"}));
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM hauptkasse WHERE lfd_nr = 2")).toInt(), 0);
    QCOMPARE(grid.model()->rowCount(), m_app->dm().Hauptkasse().rowCount());
}

void TestCashWindows::unknownVoucherTypeOpensTheVoucherTypes() {
    CashJournalForm& window = openMainCash();
    DataGrid& grid = *window.grid();
    bool opened = false;
    TKontoform& types = m_app->voucherTypesWindow();
    QTimer watch;
    connect(&watch, &QTimer::timeout, &types, [&] {
        if (types.isVisible()) {
            opened = true;
            types.close();
        }
    });
    watch.start(10);
    grid.appendRow();
    type(grid, QStringLiteral("Art"), QStringLiteral("99"));
    QTRY_VERIFY(opened);
    QCOMPARE(m_interaction->messages,
             QStringList{QStringLiteral("Art in Konto noch nicht definiert!")});
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM hauptkasse WHERE Art = '99'")).toInt(), 0);
}

void TestCashWindows::activationRenewsTheSystemVoucherTypes() {
    execute(QStringLiteral("UPDATE syskonto SET bezeichnung = 'Wegebau', einzahlung = 1 "
                           "WHERE art = '45'"));
    execute(QStringLiteral("DELETE FROM konto WHERE art = '33'"));
    execute(QStringLiteral("UPDATE konto SET bezeichnung = 'alt' WHERE art = '45'"));
    for (int i = 0; i < 2; ++i) {
        CashJournalForm& window = openMainCash();
        window.close();
    }
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM konto WHERE art BETWEEN '30' AND '60'"))
                 .toInt(),
             31);
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM konto k JOIN syskonto s USING (art) "
                                   "WHERE k.bezeichnung IS s.bezeichnung AND k.einzahlung = "
                                   "s.einzahlung"))
                 .toInt(),
             31);
    // The pick list holds every code in text order, the user's own beside the system's.
    const QStringList codes = openMainCash().model()->gridColumn(2).pickList;
    QCOMPARE(codes.mid(0, 4), QStringList({"1", "100", "20", "30"}));
    QCOMPARE(codes.last(), QStringLiteral("7"));
    QCOMPARE(codes.size(), 35);
}

void TestCashWindows::headingShowsTheBooksOwnYear() {
    QCOMPARE(openMainCash().yearLabel()->text(), QStringLiteral("2026"));
    m_app->mainCashWindow().close();
    THandkasseForm& petty = m_app->pettyCashWindow();
    petty.show();
    QCOMPARE(petty.yearLabel()->text(), QStringLiteral("2025"));
    QVERIFY(!petty.action(QStringLiteral("&Parzellenrechnungen in Hauptkasse buchen")));
    QVERIFY(petty.action(QStringLiteral("Kassenbericht")));
}

void TestCashWindows::openingBalanceIsStoredHoweverClosed() {
    TAnfangsbestandform& window = m_app->mainOpeningBalanceWindow();
    window.show();
    QApplication::setActiveWindow(&window);
    window.yearEdit()->setFocus();
    window.yearEdit()->selectAll();
    QTest::keyClicks(window.yearEdit(), QStringLiteral("2027"));
    window.balanceEdit()->setFocus();
    window.balanceEdit()->selectAll();
    QTest::keyClicks(window.balanceEdit(), QStringLiteral("1234,56"));
    window.close(); // the close box, not "ok"
    QVERIFY(!window.isVisible());
    QCOMPARE(
        scalar(QStringLiteral("SELECT Jahr || ' ' || anfangswert FROM hauptanfangsw")).toString(),
        QStringLiteral("2027 1234.56"));

    // An unfinished year is not taken.
    window.show();
    window.yearEdit()->setFocus();
    window.yearEdit()->selectAll();
    QTest::keyClicks(window.yearEdit(), QStringLiteral("20"));
    window.close();
    QVERIFY(window.isVisible());
    QCOMPARE(m_interaction->messages.size(), 1);
    window.yearEdit()->selectAll();
    QTest::keyClicks(window.yearEdit(), QStringLiteral("2028"));
    window.okButton()->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(scalar(QStringLiteral("SELECT Jahr FROM hauptanfangsw")).toString(),
             QStringLiteral("2028"));
}

void TestCashWindows::closedVoucherTypesRenewBothPickLists() {
    THandkasseForm& petty = m_app->pettyCashWindow();
    petty.show();
    QVERIFY(petty.model()->gridColumn(2).pickList.contains(QStringLiteral("7")));
    TKontoform& types = m_app->voucherTypesWindow();
    types.show();
    Table& konto = m_app->dm().konto();
    QVERIFY(konto.locate(QStringLiteral("art"), QStringLiteral("7")));
    m_interaction->answers = {true};
    types.navigator()->click(NavigatorBar::Delete);
    types.close();
    QVERIFY(!petty.model()->gridColumn(2).pickList.contains(QStringLiteral("7")));
    QVERIFY(!m_app->mainCashWindow().model()->gridColumn(2).pickList.contains(QStringLiteral("7")));
}

void TestCashWindows::selectionListsEntriesWithTheirSums() {
    execute(QStringLiteral("INSERT INTO hauptkasse (lfd_nr, Art, Bezeichnung, Einnahme, Ausgabe) "
                           "VALUES (2, '20', 'Porto B', NULL, 1.5), (3, '20', 'Porto A', NULL, 2), "
                           "(4, '1', 'Spende', 9, NULL)"));
    Tselect& list = m_app->entriesWindow();
    Tselectform& selection = m_app->mainSelectionWindow();
    selection.show();
    QCOMPARE(selection.codeBox()->currentText(), QStringLiteral("1")); // lowest code used
    selection.codeBox()->setCurrentText(QStringLiteral("20"));
    QCOMPARE(selection.descriptionEdit()->text(), QStringLiteral("Porto"));
    QString caption;
    QStringList texts;
    bool navigatorShown = false;
    QTimer::singleShot(0, &list, [&] {
        caption = list.windowTitle();
        for (int row = 0; row < list.grid()->model()->rowCount(); ++row)
            texts << list.grid()->model()->index(row, 3).data().toString();
        texts << list.incomeSum()->text() << list.expenseSum()->text();
        navigatorShown = list.navigator()->isVisible();
        list.close();
    });
    selection.okButton()->click();
    QCOMPARE(caption, QStringLiteral("Belegart 20"));
    QCOMPARE(texts, QStringList({"Porto A", "Porto B", "", "3,50"}));
    QVERIFY(navigatorShown);
    QVERIFY(!selection.isVisible());
}

void TestCashWindows::transferFromTheWindowShowsTheNewEntries() {
    execute(QStringLiteral("UPDATE param SET Beitrag = 30"));
    execute(QStringLiteral("INSERT INTO parzelle (Nr, gezahlt, uebernommen, text1, text2) VALUES "
                           "('1', 1, 0, ' ', ' '), ('2', 1, 0, ' ', ' ')"));
    m_app->dm().param().reopen();
    auto& window = static_cast<THauptkasseform&>(openMainCash());
    const int rows = window.model()->rowCount();
    window.action(QStringLiteral("&Parzellenrechnungen in Hauptkasse buchen"))->trigger();
    QVERIFY(!window.progressBar()->isVisible());
    QCOMPARE(window.model()->rowCount(), rows + 2);
    QCOMPARE(window.model()->displayText(rows + 1, 3), QStringLiteral("Mitgliedsbeitrag Parz. 2"));
    QVERIFY(m_interaction->said().isEmpty());

    // A refused run says why once the progress is gone.
    execute(QStringLiteral("UPDATE parzelle SET uebernommen = 0"));
    execute(QStringLiteral("UPDATE parzelle SET Abschlag_Strom = 5"));
    execute(QStringLiteral("UPDATE hauptanfangsw SET Jahr = ''"));
    m_app->dm().anfanghaupt().reopen();
    window.action(QStringLiteral("&Parzellenrechnungen in Hauptkasse buchen"))->trigger();
    QCOMPARE(m_interaction->errors.size(), 1);
    QCOMPARE(window.model()->rowCount(), rows + 2);
}

QTEST_MAIN(TestCashWindows)
#include "tst_cashwindows.moc"
