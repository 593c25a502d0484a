#include "support/reportdump.h"
#include "support/workspace.h"

#include "cash/cashbook.h"
#include "cash/cashreport.h"
#include "cash/sumlist.h"
#include "cash/vouchertypeselection.h"
#include "data/journalrules.h"

#include <QTest>

// The cash report and the sums per voucher type: running balance, carry-over and page totals,
// a page per month, both books' orders, saldo written back, and the lists by voucher type.
class TestCashReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void reportMatchesTheGoldenFile();
    void emptyJournalShowsTheOpeningBalance();
    void monthsStartNewPagesWithTheCarryOver();
    void fullPageCarriesOverWithinAMonth();
    void mainBookByDatePettyBookByNumber();
    void everyRunStartsFromTheOpeningBalance();
    void failedSaldoChangesNothing();

    void sumListMatchesTheGoldenFile();
    void selectionTakesAnyCodeAsItIs();

private:
    void entry(const QString& table, int number, const QDate& date, const QString& code,
               const QString& text, const QVariant& income, const QVariant& expense);
    void entry(int number, const QDate& date, const QString& code, const QString& text,
               const QVariant& income, const QVariant& expense) {
        entry(QStringLiteral("hauptkasse"), number, date, code, text, income, expense);
    }
    ReportDocument report(const CashBook& book = CashBook::main());
    QStringList saldi(const QString& table);

    Workspace* m_w = nullptr;
};

namespace {

const QDate printDate(2026, 1, 15);
const QVariant none;

QString golden(const char* name) {
    return QStringLiteral(LUNETRA_GOLDEN_DIR "/") + QLatin1String(name);
}

// The text at the right of a row on a page, found by the row's caption.
QString besides(const ReportPage& page, const QString& caption, double column) {
    const ReportText* label = page.find(caption);
    if (!label)
        return QStringLiteral("<no %1>").arg(caption);
    for (const ReportText& text : page.texts) {
        if (qAbs(text.box.top() - label->box.top()) < 1.0 && text.box.left() < column &&
            text.box.right() > column)
            return text.text;
    }
    return {};
}

// Under the columns Einnahme, Ausgabe and Saldo of the page's foot.
QStringList footer(const ReportPage& page) {
    const QString caption = QStringLiteral("K a s s e n b e s t a n d :");
    return {besides(page, caption, 140), besides(page, caption, 163), besides(page, caption, 198)};
}

QString carryOver(const ReportPage& page) {
    return besides(page, QStringLiteral("Ü b e r t r a g :"), 198);
}

} // namespace

void TestCashReport::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestCashReport::init() {
    m_w = new Workspace;
    // Neither book holds the blank entry an empty book is opened with.
    m_w->execute(QStringLiteral("DELETE FROM hauptkasse"));
    m_w->execute(QStringLiteral("DELETE FROM handkasse"));
    m_w->execute(QStringLiteral("UPDATE hauptanfangsw SET anfangswert = 1000, Jahr = '2026'"));
    m_w->execute(QStringLiteral("UPDATE handanfangsw SET anfangswert = 50.5, Jahr = '2026'"));
    m_w->execute(QStringLiteral("UPDATE param SET Verein = 'Gartenfreunde Sonnenblick e. V.'"));
    for (Table* table : {&m_w->dm->anfanghaupt(), &m_w->dm->anfanghand(), &m_w->dm->param()})
        table->reopen();
}

void TestCashReport::cleanup() {
    delete m_w;
}

void TestCashReport::entry(const QString& table, int number, const QDate& date, const QString& code,
                           const QString& text, const QVariant& income, const QVariant& expense) {
    QCOMPARE(m_w->dm->parzelleADOConnection().execute(
                 QStringLiteral("INSERT INTO %1 (lfd_nr, datum, monat, Art, Bezeichnung, Einnahme, "
                                "Ausgabe) VALUES (?, ?, ?, ?, ?, ?, ?)")
                     .arg(table),
                 {number, date.toString(Qt::ISODate), monthOf(date), code, text, income, expense}),
             QString());
}

ReportDocument TestCashReport::report(const CashBook& book) {
    const QString error = CashReport::prepare(*m_w->dm, book);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    const ReportDocument document = CashReport::layout(*m_w->dm, book, printDate);
    m_w->dm->berichtQuery().close();
    return document;
}

QStringList TestCashReport::saldi(const QString& table) {
    return m_w
        ->scalar(QStringLiteral("SELECT group_concat(lfd_nr || '=' || printf('%.2f', saldo), "
                                "' ') FROM (SELECT * FROM %1 ORDER BY lfd_nr)")
                     .arg(table))
        .toString()
        .split(u' ');
}

void TestCashReport::reportMatchesTheGoldenFile() {
    entry(1, QDate(2026, 1, 3), QStringLiteral("3"), QStringLiteral("Zahlungen Pächter, Parz. 12"),
          1234.56, none);
    entry(2, QDate(2026, 1, 20), QStringLiteral("11"), QStringLiteral("Stromrechnung"), none,
          300.1);
    entry(3, QDate(2026, 1, 31), QStringLiteral("100"), QStringLiteral("Bankgebühren"), none, 5.9);
    entry(4, QDate(2026, 2, 2), QStringLiteral("2"), QStringLiteral("Spenden"), 20.0, none);
    entry(5, QDate(2026, 2, 14), QStringLiteral("23"),
          QStringLiteral("Instandhaltung, Werkzeug für die Vereinswerkstatt"), none, 1999.99);
    const QString difference =
        compareWithGolden(dumpDocument(report()), golden("kassenbericht.txt"));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestCashReport::emptyJournalShowsTheOpeningBalance() {
    const ReportDocument document = report();
    QCOMPARE(document.pages.size(), 1);
    QCOMPARE(document.paperSize, QSizeF(210, 287));
    const ReportPage& page = document.pages.first();
    QCOMPARE(carryOver(page), QStringLiteral("1.000,00"));
    QCOMPARE(footer(page), QStringList({"1.000,00", "0,00", "1.000,00"}));
    QVERIFY(page.find(QStringLiteral("Hauptkasse")));
    QVERIFY(page.find(QStringLiteral("Gartenfreunde Sonnenblick e. V.")));
}

void TestCashReport::monthsStartNewPagesWithTheCarryOver() {
    entry(1, QDate(2026, 1, 10), QStringLiteral("1"), QStringLiteral("Spenden"), 100.0, none);
    entry(2, QDate(2026, 1, 12), QStringLiteral("20"), QStringLiteral("Porto"), none, 0.1);
    entry(3, QDate(2026, 2, 1), QStringLiteral("1"), QStringLiteral("Spenden"), 0.2, none);
    entry(4, QDate(2026, 2, 5), QStringLiteral("20"), QStringLiteral("Porto"), none, 30.0);
    const ReportDocument document = report();
    QCOMPARE(document.pages.size(), 2);
    const ReportPage& january = document.pages.at(0);
    const ReportPage& february = document.pages.at(1);
    QVERIFY(january.find(QStringLiteral("01.2026")));
    QVERIFY(!january.find(QStringLiteral("01.02.2026")));
    QCOMPARE(carryOver(january), QStringLiteral("1.000,00"));
    QCOMPARE(footer(january), QStringList({"1.100,00", "0,10", "1.099,90"}));
    QVERIFY(february.find(QStringLiteral("02.2026")));
    QCOMPARE(carryOver(february), QStringLiteral("1.099,90"));
    QCOMPARE(footer(february), QStringList({"1.100,10", "30,00", "1.070,10"}));
    QCOMPARE(saldi(QStringLiteral("hauptkasse")),
             QStringList({"1=1100.00", "2=1099.90", "3=1100.10", "4=1070.10"}));
}

void TestCashReport::fullPageCarriesOverWithinAMonth() {
    for (int n = 1; n <= 70; ++n)
        entry(n, QDate(2026, 3, 1 + n / 3), QStringLiteral("1"), QStringLiteral("Spende"), 1.0,
              none);
    const ReportDocument document = report();
    QCOMPARE(document.pages.size(), 2);
    // 267 mm of page hold the page's header and foot and 61 entries of 3.6 mm.
    QCOMPARE(footer(document.pages.at(0)), QStringList({"1.061,00", "0,00", "1.061,00"}));
    QCOMPARE(carryOver(document.pages.at(1)), QStringLiteral("1.061,00"));
    QVERIFY(document.pages.at(1).find(QStringLiteral("03.2026")));
    QCOMPARE(footer(document.pages.at(1)), QStringList({"1.070,00", "0,00", "1.070,00"}));
}

void TestCashReport::mainBookByDatePettyBookByNumber() {
    for (const QString& table : {QStringLiteral("hauptkasse"), QStringLiteral("handkasse")}) {
        entry(table, 1, QDate(2026, 3, 20), QStringLiteral("1"), QStringLiteral("später"), 10.0,
              none);
        entry(table, 2, QDate(2026, 3, 5), QStringLiteral("20"), QStringLiteral("früher"), none,
              4.0);
    }
    const ReportDocument main = report(CashBook::main());
    QStringList mainTexts = main.pages.first().allTexts();
    QVERIFY(mainTexts.indexOf(QStringLiteral("früher")) <
            mainTexts.indexOf(QStringLiteral("später")));
    QCOMPARE(saldi(QStringLiteral("hauptkasse")), QStringList({"1=1006.00", "2=996.00"}));

    const ReportDocument petty = report(CashBook::petty());
    const QStringList pettyTexts = petty.pages.first().allTexts();
    QVERIFY(pettyTexts.indexOf(QStringLiteral("später")) <
            pettyTexts.indexOf(QStringLiteral("früher")));
    QVERIFY(petty.pages.first().find(QStringLiteral("Handkasse")));
    QCOMPARE(saldi(QStringLiteral("handkasse")), QStringList({"1=60.50", "2=56.50"}));
    QCOMPARE(footer(petty.pages.first()), QStringList({"60,50", "4,00", "56,50"}));
}

void TestCashReport::everyRunStartsFromTheOpeningBalance() {
    // The journal starts at number 5, and the report is laid out again while its preview is
    // open, as printing from the preview does.
    entry(5, QDate(2026, 4, 1), QStringLiteral("1"), QStringLiteral("Spende"), 25.0, none);
    entry(6, QDate(2026, 5, 1), QStringLiteral("20"), QStringLiteral("Porto"), none, 2.5);
    QString again;
    m_w->interaction.whilePreviewOpen = [this, &again](const ReportDocument&) {
        again = dumpDocument(CashReport::layout(*m_w->dm, CashBook::main(), QDate::currentDate()));
    };
    CashReport::run(*m_w->dm, m_w->interaction, CashBook::main());
    QCOMPARE(m_w->interaction.reports.size(), 1);
    // The progress of the work is gone before the preview opens.
    QCOMPARE(m_w->interaction.events(),
             QStringList({"[Fortschritt: Kassenbericht]", "[Fortschritt zu]", "[Vorschau]"}));
    const ReportDocument shown = m_w->interaction.reports.first();
    QCOMPARE(again, dumpDocument(shown));
    QCOMPARE(carryOver(shown.pages.at(0)), QStringLiteral("1.000,00"));
    QCOMPARE(carryOver(shown.pages.at(1)), QStringLiteral("1.025,00"));
    QVERIFY(m_w->dm->artcheck());
    QVERIFY(!m_w->dm->berichtQuery().isOpen());

    // A second run from the command gives the same pages again.
    m_w->interaction.whilePreviewOpen = {};
    CashReport::run(*m_w->dm, m_w->interaction, CashBook::main());
    QCOMPARE(dumpDocument(m_w->interaction.reports.last()), dumpDocument(shown));
}

void TestCashReport::failedSaldoChangesNothing() {
    entry(1, QDate(2026, 1, 10), QStringLiteral("1"), QStringLiteral("Spenden"), 100.0, none);
    entry(2, QDate(2026, 1, 12), QStringLiteral("20"), QStringLiteral("Porto"), none, 1.0);
    m_w->execute(QStringLiteral("UPDATE hauptkasse SET saldo = 7"));
    m_w->execute(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE OF saldo ON hauptkasse "
                                "WHEN NEW.lfd_nr = 2 BEGIN SELECT RAISE(ABORT, 'disk I/O error'); "
                                "END"));
    CashReport::run(*m_w->dm, m_w->interaction, CashBook::main());
    QVERIFY(m_w->interaction.reports.isEmpty());
    QCOMPARE(m_w->interaction.errors.size(), 1);
    QVERIFY(m_w->interaction.errors.first().contains(QStringLiteral("Salden sind unverändert")));
    QCOMPARE(saldi(QStringLiteral("hauptkasse")), QStringList({"1=7.00", "2=7.00"}));
    QVERIFY(m_w->dm->artcheck());
}

void TestCashReport::sumListMatchesTheGoldenFile() {
    m_w->execute(QStringLiteral("INSERT INTO konto (art, konto, bezeichnung, einzahlung) VALUES "
                                "('1', '', 'Spenden', 1), ('20', '', 'Porto', 0), "
                                "('100', '', 'Bankgebühren', 0)"));
    entry(1, QDate(2026, 1, 3), QStringLiteral("20"), QStringLiteral("Porto"), none, 0.85);
    entry(2, QDate(2026, 1, 4), QStringLiteral("1"), QStringLiteral("Spende Müller"), 50.0, none);
    entry(3, QDate(2026, 1, 5), QStringLiteral("100"), QStringLiteral("Kontoführung"), none, 7.5);
    entry(4, QDate(2026, 1, 6), QStringLiteral("1"), QStringLiteral("Spende Weiß"), 0.1, none);
    entry(5, QDate(2026, 1, 7), QStringLiteral("20"), QStringLiteral("Porto"), none, 0.2);
    // A code without a voucher type is in no sum.
    entry(6, QDate(2026, 1, 8), QStringLiteral("99"), QStringLiteral("ohne Belegart"), 1000.0,
          none);
    QCOMPARE(SumList::open(*m_w->dm, CashBook::main()), QString());
    const ReportDocument document = SumList::layout(*m_w->dm, CashBook::main(), printDate);
    m_w->dm->baQuery().close();
    const QString difference = compareWithGolden(dumpDocument(document), golden("summenliste.txt"));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    const ReportPage& page = document.pages.first();
    QCOMPARE(page.find(QStringLiteral("Gesamt")) != nullptr, true);
    QVERIFY(page.find(QStringLiteral("50,10")));
    QVERIFY(page.find(QStringLiteral("8,55")));
    QVERIFY(!page.find(QStringLiteral("99")));
}

void TestCashReport::selectionTakesAnyCodeAsItIs() {
    const QString code = QStringLiteral("a'1");
    m_w->execute(QStringLiteral("INSERT INTO konto (art, bezeichnung, einzahlung) VALUES "
                                "('a''1', 'Zitat', 1)"));
    entry(QStringLiteral("handkasse"), 1, QDate(2026, 1, 3), code, QStringLiteral("B"), 2.0, none);
    entry(QStringLiteral("handkasse"), 2, QDate(2026, 1, 4), QStringLiteral("1"),
          QStringLiteral("A"), 3.0, none);
    entry(QStringLiteral("handkasse"), 3, QDate(2026, 1, 5), code, QStringLiteral("A"), 0.5, 1.0);
    QCOMPARE(VoucherTypeSelection::lowestUsedCode(*m_w->dm, CashBook::petty()),
             QStringLiteral("1"));
    QCOMPARE(VoucherTypeSelection::select(*m_w->dm, CashBook::petty(), code), QString());
    Query& entries = m_w->dm->selectQuery();
    QCOMPARE(entries.rowCount(), 2);
    QCOMPARE(entries.valueAt(0, QStringLiteral("lfd_nr")).toInt(), 1); // petty: by number
    Query& sums = m_w->dm->sumQuery();
    QCOMPARE(sums.valueAt(0, QStringLiteral("einnahme")).toDouble(), 2.5);
    QCOMPARE(sums.valueAt(0, QStringLiteral("ausgabe")).toDouble(), 1.0);

    entry(4, QDate(2026, 1, 3), code, QStringLiteral("B"), 2.0, none);
    entry(5, QDate(2026, 1, 4), code, QStringLiteral("A"), 3.0, none);
    QCOMPARE(VoucherTypeSelection::select(*m_w->dm, CashBook::main(), code), QString());
    QCOMPARE(entries.valueAt(0, QStringLiteral("lfd_nr")).toInt(), 5); // main: by text
}

QTEST_GUILESS_MAIN(TestCashReport)
#include "tst_cashreport.moc"
