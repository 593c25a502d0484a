#include "support/workspace.h"

#include "framework/dataentrywindow.h"
#include "framework/datefieldlink.h"
#include "framework/flaglink.h"
#include "framework/navigatorbar.h"
#include "framework/numberfieldlink.h"
#include "framework/textfieldlink.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

// The data-bound controls as a treasurer types into them: numbers as the system locale writes
// them, refused input that never reaches the row, empty-to-zero, Escape, dates, texts, check
// boxes and the navigator.
class TestFieldLinks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void germanNumbersAreStoredAsMeant();
    void englishSystemReadsItsOwnNotation();
    void unreadableNumberKeepsTheStoredValue();
    void moreDecimalsThanShownAreRefused();
    void emptiedNumberBecomesZeroOrNothing();
    void escapeTakesBackOnlyWhatCannotBeStored();
    void impossibleDateIsRefused();
    void textAndFlagFollowTheRow();
    void navigatorStoresTheBoxBeingTyped();

private:
    void buildWindow();
    QLineEdit* addEdit();
    bool typeInto(QLineEdit* edit, const QString& text);
    bool leave(QLineEdit* edit);
    double plotNumber(const QString& column) { return m_w->dm->parzelle().number(column); }

    Workspace* m_w = nullptr;
    QDialog* m_window = nullptr;
    QLineEdit* m_money = nullptr;   // parzelle.Laubenversicherung, empty becomes 0
    QLineEdit* m_area = nullptr;    // parzelle.Flaeche
    QLineEdit* m_reading = nullptr; // parzelle.szn, plain form, empty stays empty
    QLineEdit* m_date = nullptr;    // param.Zahlfrist
    QLineEdit* m_name = nullptr;    // parzelle.Name
    QCheckBox* m_paid = nullptr;    // parzelle.gezahlt
    NavigatorBar* m_navigator = nullptr;
};

void TestFieldLinks::init() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_w = new Workspace;
    m_w->execute(QStringLiteral(
        "INSERT INTO parzelle (Nr, Name, Laubenversicherung, Flaeche, szn, gezahlt) VALUES "
        "('1', 'Franke', 30, 250, 1500, 1), ('2', 'Neumann', 12.5, 300, 800, 0)"));
    m_w->dm->parzelle().reopen();
    m_w->dm->param().open();
    buildWindow();
}

void TestFieldLinks::cleanup() {
    delete m_window;
    m_window = nullptr;
    delete m_w;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

// Built after the locale is set: the boxes take its notation when they are bound.
void TestFieldLinks::buildWindow() {
    delete m_window;
    m_window = new QDialog;
    Table& plots = m_w->dm->parzelle();
    ScriptedInteraction& interaction = m_w->interaction;
    m_navigator = new NavigatorBar(plots, interaction,
                                   {QStringLiteral("Erste"), QStringLiteral("Vorherige"),
                                    QStringLiteral("Nächste"), QStringLiteral("Letzte")},
                                   m_window);
    m_money = addEdit();
    (new NumberFieldLink(plots, QStringLiteral("Laubenversicherung"), m_money, interaction))
        ->setEmptyToZero(true);
    m_area = addEdit();
    new NumberFieldLink(plots, QStringLiteral("Flaeche"), m_area, interaction);
    m_reading = addEdit();
    new NumberFieldLink(plots, QStringLiteral("szn"), m_reading, interaction);
    m_date = addEdit();
    new DateFieldLink(m_w->dm->param(), QStringLiteral("Zahlfrist"), m_date, interaction);
    m_name = addEdit();
    new TextFieldLink(plots, QStringLiteral("Name"), m_name);
    m_paid = new QCheckBox(QStringLiteral("überwiesen"), m_window);
    new FlagLink(plots, QStringLiteral("gezahlt"), m_paid);
    auto* layout = new QVBoxLayout(m_window);
    layout->addWidget(m_navigator);
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_money, m_area, m_reading, m_date, m_name, m_paid})
        layout->addWidget(control);
    makeDataEntryWindow(m_window);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

QLineEdit* TestFieldLinks::addEdit() {
    return new QLineEdit(m_window);
}

// Replaces the box's text key by key, as typed.
bool TestFieldLinks::typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    if (!edit->hasFocus())
        return false;
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    return true;
}

// Leaves the box with Tab, as the treasurer moves on to the next one.
bool TestFieldLinks::leave(QLineEdit* edit) {
    QTest::keyClick(edit, Qt::Key_Tab);
    return !edit->hasFocus();
}

void TestFieldLinks::germanNumbersAreStoredAsMeant() {
    QVERIFY(typeInto(m_money, QStringLiteral("1.234,56")));
    QCOMPARE(plotNumber(QStringLiteral("Laubenversicherung")), 1234.56);
    QVERIFY(leave(m_money));
    QCOMPARE(m_money->text(), QStringLiteral("1234,56"));
    QVERIFY(typeInto(m_area, QStringLiteral("1.234")));
    QVERIFY(leave(m_area));
    QCOMPARE(m_area->text(), QStringLiteral("1234,00"));
    QVERIFY(m_w->dm->parzelle().post());
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT Laubenversicherung || '/' || Flaeche FROM "
                                        "parzelle WHERE Nr = '1'"))
                 .toString(),
             QStringLiteral("1234.56/1234.0"));
    QVERIFY(m_w->interaction.said().isEmpty());
}

void TestFieldLinks::englishSystemReadsItsOwnNotation() {
    QLocale::setDefault(QLocale::c());
    buildWindow();
    QCOMPARE(m_money->text(), QStringLiteral("30.00"));
    QVERIFY(typeInto(m_money, QStringLiteral("1,234.5")));
    QVERIFY(leave(m_money));
    QCOMPARE(plotNumber(QStringLiteral("Laubenversicherung")), 1234.5);
    QVERIFY(typeInto(m_area, QStringLiteral("12,5")));
    QVERIFY(leave(m_area));
    QCOMPARE(m_w->interaction.messages.size(), 1);
    QVERIFY(m_w->interaction.messages.first().contains(QStringLiteral("nach einem Punkt")));
    QCOMPARE(plotNumber(QStringLiteral("Flaeche")), 250.0);
}

void TestFieldLinks::unreadableNumberKeepsTheStoredValue() {
    QVERIFY(typeInto(m_money, QStringLiteral("12.5")));
    // Neither the "12" on the way nor anything else reached the row.
    QCOMPARE(plotNumber(QStringLiteral("Laubenversicherung")), 30.0);
    QVERIFY(m_w->interaction.said().isEmpty());
    QVERIFY(leave(m_money));
    QCOMPARE(m_w->interaction.messages,
             QStringList{QStringLiteral("„12.5“ ist keine Zahl, die das Programm lesen kann. "
                                        "Bitte schreiben Sie die Nachkommastellen nach einem "
                                        "Komma, zum Beispiel 12,5 oder 1.234,56. Das Feld behält "
                                        "seinen bisherigen Wert.")});
    QCOMPARE(m_money->text(), QStringLiteral("30,00"));
    // Back in the box, ready for the number to be typed again.
    QTRY_VERIFY(m_money->hasFocus());
    QCOMPARE(m_money->selectedText(), QStringLiteral("30,00"));
    // Enter refuses the same way and stays in the box.
    QVERIFY(typeInto(m_money, QStringLiteral("0.5")));
    QTest::keyClick(m_money, Qt::Key_Return);
    QCOMPARE(m_w->interaction.messages.size(), 2);
    QVERIFY(m_money->hasFocus());
    QCOMPARE(m_money->text(), QStringLiteral("30,00"));
    QCOMPARE(plotNumber(QStringLiteral("Laubenversicherung")), 30.0);
}

void TestFieldLinks::moreDecimalsThanShownAreRefused() {
    // A box that shows cents takes cents: 12,345 would show as 12,35 but be stored as typed.
    QVERIFY(typeInto(m_money, QStringLiteral("12,345")));
    QVERIFY(leave(m_money));
    QCOMPARE(m_w->interaction.messages.size(), 1);
    QCOMPARE(plotNumber(QStringLiteral("Laubenversicherung")), 30.0);
    // The plain form shows what is typed.
    QVERIFY(typeInto(m_reading, QStringLiteral("1500,125")));
    QVERIFY(leave(m_reading));
    QCOMPARE(m_reading->text(), QStringLiteral("1500,125"));
    QCOMPARE(plotNumber(QStringLiteral("szn")), 1500.125);
}

void TestFieldLinks::emptiedNumberBecomesZeroOrNothing() {
    QVERIFY(typeInto(m_money, QString()));
    QCOMPARE(m_money->text(), QStringLiteral("0"));
    QCOMPARE(m_w->dm->parzelle().value(QStringLiteral("Laubenversicherung")), QVariant(0.0));
    QVERIFY(leave(m_money));
    QCOMPARE(m_money->text(), QStringLiteral("0,00"));
    QVERIFY(typeInto(m_reading, QString()));
    QVERIFY(leave(m_reading));
    QCOMPARE(m_reading->text(), QString());
    QVERIFY(m_w->dm->parzelle().isNull(QStringLiteral("szn")));
}

void TestFieldLinks::escapeTakesBackOnlyWhatCannotBeStored() {
    QVERIFY(typeInto(m_money, QStringLiteral("12.5")));
    QTest::keyClick(m_money, Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_money->text(), QStringLiteral("30,00"));
    QVERIFY(typeInto(m_date, QStringLiteral("31.02")));
    QTest::keyClick(m_date, Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_date->text(), QString());
    QVERIFY(m_w->interaction.said().isEmpty());
    // A number that can be stored is kept: Escape is the window's.
    QVERIFY(typeInto(m_money, QStringLiteral("40")));
    QTest::keyClick(m_money, Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(plotNumber(QStringLiteral("Laubenversicherung")), 40.0);
}

void TestFieldLinks::impossibleDateIsRefused() {
    Table& param = m_w->dm->param();
    QVERIFY(typeInto(m_date, QStringLiteral("1.4.2027")));
    QVERIFY(leave(m_date));
    QCOMPARE(m_date->text(), QStringLiteral("01.04.2027"));
    QCOMPARE(param.date(QStringLiteral("Zahlfrist")), QDate(2027, 4, 1));
    QVERIFY(typeInto(m_date, QStringLiteral("31.02.2026")));
    QVERIFY(leave(m_date));
    QCOMPARE(m_w->interaction.messages.size(), 1);
    QVERIFY(m_w->interaction.messages.first().startsWith(
        QStringLiteral("„31.02.2026“ ist kein gültiges Datum.")));
    QCOMPARE(m_date->text(), QStringLiteral("01.04.2027"));
    QCOMPARE(param.date(QStringLiteral("Zahlfrist")), QDate(2027, 4, 1));
    QTRY_VERIFY(m_date->hasFocus());
    QVERIFY(typeInto(m_date, QString()));
    QVERIFY(leave(m_date));
    QVERIFY(param.isNull(QStringLiteral("Zahlfrist")));
}

void TestFieldLinks::textAndFlagFollowTheRow() {
    QVERIFY(typeInto(m_name, QStringLiteral("Franke-Schulze")));
    QCOMPARE(m_w->dm->parzelle().text(QStringLiteral("Name")), QStringLiteral("Franke-Schulze"));
    QCOMPARE(m_name->maxLength(), 50);
    QVERIFY(m_paid->isChecked());
    QTest::mouseClick(m_paid, Qt::LeftButton);
    QVERIFY(!m_w->dm->parzelle().flag(QStringLiteral("gezahlt")));
    QVERIFY(m_w->dm->parzelle().next());
    QCOMPARE(m_name->text(), QStringLiteral("Neumann"));
    QCOMPARE(m_money->text(), QStringLiteral("12,50"));
    QVERIFY(!m_paid->isChecked());
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT Name || gezahlt FROM parzelle WHERE Nr = '1'"))
                 .toString(),
             QStringLiteral("Franke-Schulze0"));
}

void TestFieldLinks::navigatorStoresTheBoxBeingTyped() {
    // Its buttons take no focus: the box is still being typed in when one is clicked.
    QVERIFY(typeInto(m_date, QStringLiteral("15.4.2027")));
    QVERIFY(typeInto(m_money, QStringLiteral("45,5")));
    QTest::mouseClick(m_navigator->button(NavigatorBar::Next), Qt::LeftButton);
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT Laubenversicherung FROM parzelle WHERE Nr = '1'"))
                 .toDouble(),
             45.5);
    QCOMPARE(m_w->dm->parzelle().text(QStringLiteral("Nr")), QStringLiteral("2"));
    // A refused number keeps the treasurer on the plot to correct it.
    QVERIFY(typeInto(m_money, QStringLiteral("7.5")));
    QTest::mouseClick(m_navigator->button(NavigatorBar::First), Qt::LeftButton);
    QCOMPARE(m_w->interaction.messages.size(), 1);
    QCOMPARE(m_w->dm->parzelle().text(QStringLiteral("Nr")), QStringLiteral("2"));
    QCOMPARE(m_money->text(), QStringLiteral("12,50"));
}

QTEST_MAIN(TestFieldLinks)
#include "tst_fieldlinks.moc"
