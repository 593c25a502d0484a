#include "support/databasedump.h"
#include "support/workspace.h"

#include "plots/dunning.h"
#include "plots/plotcommands.h"

#include <QTest>

// Dunning as the plot register runs it: when the list of unpaid plots opens, which plots get
// a letter, and which are marked as dunned.
class TestDunning : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void listOpensTheDayAfterTheDueDate_data();
    void listOpensTheDayAfterTheDueDate();
    void plotPaidWhileTheListIsOpenStillGetsItsLetter();
    void firstLevelTwiceLeavesTheMarksOfTheFirst();
    void laterLevelsMarkNothing();
    void failingMarkIsReportedAndLettersShown();
    void registerSeesTheMarkAtOnce();

private:
    QStringList marked();
    // The plot numbers the letters of the last preview go to, page by page.
    QStringList letterRecipients();

    Workspace* m_w = nullptr;
};

namespace {

const QDate dueDate(2026, 3, 31);
const QDate dayAfter(2026, 4, 1);

} // namespace

void TestDunning::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestDunning::init() {
    m_w = new Workspace;
    m_w->execute(QStringLiteral("UPDATE param SET Verein = 'Gartenfreunde', Mahngebuehr = 5, "
                                "Zahlfrist = '2026-03-31'"));
    m_w->execute(QStringLiteral("UPDATE hauptanfangsw SET Jahr = '2025'"));
    m_w->execute(QStringLiteral("INSERT INTO parzelle (Nr, Vorname, Name, gezahlt, gesamt) VALUES "
                                "('2', 'Hanna', 'Zwei', 0, 20), ('10', 'Hanna', 'Zehn', 0, 100), "
                                "('7', 'Hanna', 'Sieben', 1, 70)"));
    m_w->dm->param().reopen();
    m_w->dm->parzelle().reopen();
}

void TestDunning::cleanup() {
    delete m_w;
}

QStringList TestDunning::marked() {
    QStringList plots;
    Query& query = m_w->dm->parzcheckQuery();
    query.setSql({QStringLiteral("select Nr from parzelle where mahncheck order by nr")});
    if (!query.open())
        return {query.lastError()};
    for (query.first(); !query.atEnd(); query.next())
        plots << query.text(QStringLiteral("Nr"));
    query.close();
    return plots;
}

QStringList TestDunning::letterRecipients() {
    QStringList names;
    if (m_w->interaction.reports.isEmpty())
        return names;
    for (const ReportPage& page : m_w->interaction.reports.last().pages) {
        for (const QString& name :
             {QStringLiteral("Zwei"), QStringLiteral("Zehn"), QStringLiteral("Sieben")}) {
            if (page.find(QStringLiteral("Sehr geehrte(r) Hanna ") + name))
                names << name;
        }
    }
    return names;
}

void TestDunning::listOpensTheDayAfterTheDueDate_data() {
    QTest::addColumn<QString>("due");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("opens");
    QTest::newRow("before") << "2026-03-31" << QDate(2026, 3, 30) << false;
    QTest::newRow("on the due date") << "2026-03-31" << dueDate << false;
    QTest::newRow("the day after") << "2026-03-31" << dayAfter << true;
    QTest::newRow("a year later") << "2026-03-31" << QDate(2027, 3, 31) << true;
    QTest::newRow("no due date") << QString() << dayAfter << false;
}

void TestDunning::listOpensTheDayAfterTheDueDate() {
    QFETCH(QString, due);
    QFETCH(QDate, today);
    QFETCH(bool, opens);
    m_w->execute(due.isEmpty() ? QStringLiteral("UPDATE param SET Zahlfrist = NULL")
                               : QStringLiteral("UPDATE param SET Zahlfrist = '%1'").arg(due));
    m_w->dm->param().reopen();
    Dunning dunning(*m_w->dm, m_w->interaction);
    QCOMPARE(dunning.openUnpaidList(today), opens);
    QCOMPARE(dunning.unpaidList().isOpen(), opens);
    // Why it does not open is told where the command is offered.
    QCOMPARE(dunning.whyNotOverdue(today).isEmpty(), opens);
    QCOMPARE(m_w->interaction.said(), QStringList());
    if (!opens)
        return;
    // Every unpaid plot, in text order of the numbers, with the parameter columns.
    Query& list = dunning.unpaidList();
    QStringList numbers;
    for (list.first(); !list.atEnd(); list.next()) {
        numbers << list.text(QStringLiteral("Nr"));
        QCOMPARE(list.text(QStringLiteral("Verein")), QStringLiteral("Gartenfreunde"));
    }
    QCOMPARE(numbers, QStringList({QStringLiteral("10"), QStringLiteral("2")}));
    dunning.closeUnpaidList();
    QVERIFY(!dunning.unpaidList().isOpen());
}

void TestDunning::plotPaidWhileTheListIsOpenStillGetsItsLetter() {
    Dunning dunning(*m_w->dm, m_w->interaction);
    QVERIFY(dunning.openUnpaidList(dayAfter));
    m_w->execute(QStringLiteral("UPDATE parzelle SET gezahlt = 1 WHERE Nr = '2'"));
    dunning.printLetters(DunningLevel::First);
    QCOMPARE(m_w->interaction.reports.size(), 1);
    QCOMPARE(letterRecipients(), QStringList({QStringLiteral("Zehn"), QStringLiteral("Zwei")}));
    // The mark goes to the plots unpaid when the letters are printed.
    QCOMPARE(marked(), QStringList({QStringLiteral("10")}));

    // Opened again, the list leaves the paid plot out.
    dunning.closeUnpaidList();
    QVERIFY(dunning.openUnpaidList(dayAfter));
    dunning.printLetters(DunningLevel::Second);
    QCOMPARE(letterRecipients(), QStringList({QStringLiteral("Zehn")}));
}

void TestDunning::firstLevelTwiceLeavesTheMarksOfTheFirst() {
    Dunning dunning(*m_w->dm, m_w->interaction);
    QVERIFY(dunning.openUnpaidList(dayAfter));
    dunning.printLetters(DunningLevel::First);
    QCOMPARE(marked(), QStringList({QStringLiteral("10"), QStringLiteral("2")}));
    const QString afterFirst = databaseDump(m_w->dm->parzelleADOConnection());
    dunning.printLetters(DunningLevel::First);
    QCOMPARE(databaseDump(m_w->dm->parzelleADOConnection()), afterFirst);
    QCOMPARE(m_w->interaction.reports.size(), 2);
    QCOMPARE(m_w->interaction.errors, QStringList());
    QVERIFY(m_w->interaction.reports.last().pages.first().find(QStringLiteral("1. Mahnung")));
}

void TestDunning::laterLevelsMarkNothing() {
    const QString before = databaseDump(m_w->dm->parzelleADOConnection());
    Dunning dunning(*m_w->dm, m_w->interaction);
    QVERIFY(dunning.openUnpaidList(dayAfter));
    dunning.printLetters(DunningLevel::Second);
    dunning.printLetters(DunningLevel::Third);
    QCOMPARE(databaseDump(m_w->dm->parzelleADOConnection()), before);
    QCOMPARE(m_w->interaction.reports.size(), 2);
    QVERIFY(m_w->interaction.reports.first().pages.first().find(QStringLiteral("2. Mahnung")));
    QVERIFY(m_w->interaction.reports.last().pages.first().find(QStringLiteral("3. Mahnung")));
}

void TestDunning::failingMarkIsReportedAndLettersShown() {
    m_w->execute(QStringLiteral("CREATE TEMP TRIGGER refuseMark BEFORE UPDATE OF mahncheck ON "
                                "parzelle BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"));
    Dunning dunning(*m_w->dm, m_w->interaction);
    QVERIFY(dunning.openUnpaidList(dayAfter));
    dunning.printLetters(DunningLevel::First);
    QCOMPARE(marked(), QStringList());
    QCOMPARE(m_w->interaction.errors.size(), 1);
    QVERIFY2(m_w->interaction.errors.first().contains(QStringLiteral("nicht als gemahnt")),
             qPrintable(m_w->interaction.errors.first()));
    QVERIFY(m_w->interaction.errors.first().contains(QStringLiteral("gesperrt")));
    // Told first, then the letters all the same.
    QCOMPARE(m_w->interaction.events().last(), QStringLiteral("[Vorschau]"));
    QCOMPARE(letterRecipients(), QStringList({QStringLiteral("Zehn"), QStringLiteral("Zwei")}));
}

void TestDunning::registerSeesTheMarkAtOnce() {
    Table& plots = m_w->dm->parzelle();
    QVERIFY(plots.locate(QStringLiteral("Nr"), QStringLiteral("2")));
    Dunning dunning(*m_w->dm, m_w->interaction);
    QVERIFY(dunning.openUnpaidList(dayAfter));
    dunning.printLetters(DunningLevel::First);
    // Still on the same plot, which now knows it was dunned: ticking "überwiesen" brings the
    // fee into its total.
    QCOMPARE(plots.text(QStringLiteral("Nr")), QStringLiteral("2"));
    QVERIFY(plots.flag(QStringLiteral("mahncheck")));
    QVERIFY(PlotCommands::addDunningFee(*m_w->dm));
    QCOMPARE(plots.number(QStringLiteral("gesamt")), 25.0);
}

QTEST_MAIN(TestDunning)
#include "tst_dunning.moc"
