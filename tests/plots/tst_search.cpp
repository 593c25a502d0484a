#include "support/workspace.h"

#include "plots/tparzelleform.h"
#include "plots/tsuchen.h"

#include "framework/navigatorbar.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The search of the plot register: by the start of a name in any case, or by the exact plot
// number, and the order it leaves for walking on.
class TestSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void missingValueOrUnknownFieldMovesNothing();
    void nameSearchIgnoresCaseAndWalksOnInNameOrder();
    void unknownNameLeavesThePlot();
    void numberSearchMatchesTheWholeNumber();
    void registerWalksInNameOrderUntilItCloses();
    void closingInAnyWayEmptiesBothTexts();
    void menuOpensTheSearchOverTheRegister();

private:
    void search(const QString& field, const QString& value);
    QString currentName() const;
    QString currentNumber() const;

    Workspace* m_w = nullptr;
    TParzelleform* m_register = nullptr;
    TSuchen* m_search = nullptr;
};

void TestSearch::init() {
    m_w = new Workspace;
    m_w->execute(QStringLiteral("INSERT INTO parzelle (Nr, Name) VALUES "
                                "('1', 'Zander'), ('7a', 'MÜLLER'), ('17', 'Mueller'), "
                                "('2', 'Abel'), ('7', 'Müller'), ('3', 'Muster'), "
                                "('4', 'Ärmel')"));
    m_w->dm->parzelle().reopen();
    m_register = new TParzelleform(*m_w->dm, m_w->interaction);
    m_register->show();
    m_search = m_register->findChild<TSuchen*>();
    QVERIFY(m_search);
    m_search->show();
}

void TestSearch::cleanup() {
    delete m_register;
    delete m_w;
}

void TestSearch::search(const QString& field, const QString& value) {
    m_search->fieldBox()->setEditText(field);
    m_search->valueEdit()->setText(value);
    m_search->searchButton()->click();
}

QString TestSearch::currentName() const {
    return m_w->dm->parzelle().text(QStringLiteral("Name"));
}

QString TestSearch::currentNumber() const {
    return m_w->dm->parzelle().text(QStringLiteral("Nr"));
}

void TestSearch::missingValueOrUnknownFieldMovesNothing() {
    search(QStringLiteral("Name"), QString());
    QCOMPARE(m_w->interaction.said(), QStringList{QStringLiteral("kein Suchwert eingegeben!")});
    // A typed field, or none, searches nothing and says nothing.
    m_w->interaction.clear();
    search(QStringLiteral("Ort"), QStringLiteral("Zander"));
    search(QString(), QStringLiteral("Zander"));
    search(QStringLiteral("name"), QStringLiteral("Zander"));
    QVERIFY(m_w->interaction.said().isEmpty());
    QCOMPARE(currentNumber(), QStringLiteral("1"));
}

void TestSearch::nameSearchIgnoresCaseAndWalksOnInNameOrder() {
    // German order: Abel, Ärmel, Mueller, MÜLLER (7a), Müller (7), Muster, Zander; names
    // that differ only in case keep the order they were entered in.
    search(QStringLiteral("Name"), QStringLiteral("mü"));
    QCOMPARE(currentNumber(), QStringLiteral("7a"));
    m_search->nextButton()->click();
    QCOMPARE(currentName(), QStringLiteral("Müller"));
    m_search->nextButton()->click();
    QCOMPARE(currentName(), QStringLiteral("Muster"));
    search(QStringLiteral("Name"), QStringLiteral("ä"));
    QCOMPARE(currentName(), QStringLiteral("Ärmel"));
    search(QStringLiteral("Name"), QStringLiteral("MUE"));
    QCOMPARE(currentName(), QStringLiteral("Mueller"));
    search(QStringLiteral("Name"), QStringLiteral("z"));
    // On the last plot "nächster" stays there.
    m_search->nextButton()->click();
    QCOMPARE(currentName(), QStringLiteral("Zander"));
    QVERIFY(m_w->interaction.said().isEmpty());
}

void TestSearch::unknownNameLeavesThePlot() {
    search(QStringLiteral("Name"), QStringLiteral("Mus"));
    search(QStringLiteral("Name"), QStringLiteral("Schmidt"));
    QCOMPARE(m_w->interaction.said(), QStringList{QStringLiteral("Name nicht gefunden...")});
    QCOMPARE(currentName(), QStringLiteral("Muster"));
}

void TestSearch::numberSearchMatchesTheWholeNumber() {
    search(QStringLiteral("Parz.-Nr."), QStringLiteral("7"));
    QCOMPARE(currentName(), QStringLiteral("Müller"));
    // Walking on follows the numbers as text: 7 is followed by 7a.
    m_search->nextButton()->click();
    QCOMPARE(currentNumber(), QStringLiteral("7a"));
    search(QStringLiteral("Parz.-Nr."), QStringLiteral("17"));
    QCOMPARE(currentName(), QStringLiteral("Mueller"));
    for (const QString& missing : {QStringLiteral("8"), QStringLiteral("7A"), QStringLiteral("1 ")})
        search(QStringLiteral("Parz.-Nr."), missing);
    QCOMPARE(m_w->interaction.said(), QStringList(3, QStringLiteral("Nr nicht gefunden...")));
    QCOMPARE(currentNumber(), QStringLiteral("17"));
}

void TestSearch::registerWalksInNameOrderUntilItCloses() {
    search(QStringLiteral("Name"), QStringLiteral("Abel"));
    m_search->close();
    auto* navigator = m_register->findChild<NavigatorBar*>();
    QVERIFY(navigator);
    navigator->click(NavigatorBar::Next);
    QCOMPARE(currentName(), QStringLiteral("Ärmel"));
    navigator->click(NavigatorBar::Last);
    QCOMPARE(currentName(), QStringLiteral("Zander"));
    navigator->click(NavigatorBar::Prior);
    QCOMPARE(currentName(), QStringLiteral("Muster"));

    m_register->close();
    QCOMPARE(currentNumber(), QStringLiteral("1"));
    m_w->dm->parzelle().next();
    QCOMPARE(currentNumber(), QStringLiteral("17"));
}

void TestSearch::closingInAnyWayEmptiesBothTexts() {
    const auto typed = [this] {
        m_search->show();
        m_search->fieldBox()->setEditText(QStringLiteral("Parz.-Nr."));
        m_search->valueEdit()->setText(QStringLiteral("7"));
    };
    const auto emptied = [this] {
        return m_search->isHidden() && m_search->fieldBox()->currentText().isEmpty() &&
               m_search->valueEdit()->text().isEmpty();
    };
    typed();
    m_search->cancelButton()->click();
    QVERIFY(emptied());
    typed();
    QVERIFY(QTest::qWaitForWindowExposed(m_search));
    QTest::keyClick(m_search->valueEdit(), Qt::Key_Escape);
    QVERIFY(emptied());
    typed();
    m_search->close();
    QVERIFY(emptied());
}

void TestSearch::menuOpensTheSearchOverTheRegister() {
    m_search->close();
    // Enter in the value searches; the window stays open over the register.
    bool stayedOpen = false;
    QTimer::singleShot(0, m_search, [&] {
        m_search->fieldBox()->setEditText(QStringLiteral("Name"));
        m_search->valueEdit()->setFocus();
        QTest::keyClicks(m_search->valueEdit(), QStringLiteral("aB"));
        QTest::keyClick(m_search->valueEdit(), Qt::Key_Return);
        stayedOpen = m_search->isVisible();
        m_search->reject();
    });
    m_register->action(QStringLiteral("&Suchen"))->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(currentName(), QStringLiteral("Abel"));
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
