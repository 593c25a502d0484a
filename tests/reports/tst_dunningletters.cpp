#include "support/pdfwords.h"
#include "support/reportdump.h"
#include "support/workspace.h"

#include "data/billamounts.h"
#include "framework/reportrenderer.h"
#include "reports/tmahnung.h"

#include <QTest>

// The dunning letters: what each unpaid plot's letter asks for, and where its texts stand on
// the sheet and on the bank's pre-printed transfer form.
class TestDunningLetters : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void feeIsAskedForOnce_data();
    void feeIsAskedForOnce();
    void noUnpaidPlotPrintsOnlyThePageHeader();
    void transferFormFieldsInThePdf();
    void layoutMatchesTheReviewedFile();

private:
    // An unpaid, dunned plot; false when it cannot be written.
    bool plot(const QString& nr, const QString& name, double total, bool feeIncluded = false);
    ReportDocument letters(DunningLevel level = DunningLevel::Second);

    Workspace* m_w = nullptr;
};

namespace {

const QDate printDate(2026, 5, 4);

// The texts at the height of a caption, left to right, without their padding.
QStringList lineOf(const ReportPage& page, const QString& caption) {
    const ReportText* found = page.find(caption);
    if (!found)
        return {};
    QList<const ReportText*> onLine;
    for (const ReportText& t : page.texts) {
        if (qAbs(t.box.top() - found->box.top()) < 0.5)
            onLine << &t;
    }
    std::sort(onLine.begin(), onLine.end(), [](const ReportText* a, const ReportText* b) {
        return a->box.left() < b->box.left();
    });
    QStringList texts;
    for (const ReportText* t : onLine)
        texts << t->text.trimmed();
    return texts;
}

} // namespace

void TestDunningLetters::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestDunningLetters::init() {
    m_w = new Workspace;
    m_w->execute(QStringLiteral(
        "UPDATE param SET Verein = 'Gartenfreunde Sonnenblick', Mahngebuehr = 5, "
        "Bank = 'DE02 1203 0000 0000 2020 51', Kto = 'BYLADEM1001', Zahlfrist = '2026-03-31', "
        "absvorname = 'Erika', absname = 'Kasse', absstrasse = 'Am Anger 3', absplz = '04109', "
        "absort = 'Leipzig', varzahlgrd = 'Jahresrechnung'"));
}

void TestDunningLetters::cleanup() {
    delete m_w;
}

bool TestDunningLetters::plot(const QString& nr, const QString& name, double total,
                              bool feeIncluded) {
    return m_w->dm->parzelleADOConnection()
        .execute(QStringLiteral("INSERT INTO parzelle (Nr, Name, Vorname, Anschrift, PLZ, "
                                "Ort, gesamt, mahncheck, %1) VALUES (?, ?, 'Hanna', "
                                "'Laubenweg 5', '04229', 'Leipzig', ?, 1, ?)")
                     .arg(QLatin1String(BillAmounts::dunningFeeIncludedColumn)),
                 {nr, name, total, feeIncluded})
        .isEmpty();
}

ReportDocument TestDunningLetters::letters(DunningLevel level) {
    Query& rows = m_w->dm->mahnquery();
    rows.setSql({QStringLiteral("select * from parzelle,param,nfelder"),
                 QStringLiteral("where not gezahlt"), QStringLiteral("order by nr")});
    if (!rows.open())
        qWarning("%s", qPrintable(rows.lastError()));
    return TMahnung(QStringLiteral("2025"), level).layout(rows, printDate);
}

void TestDunningLetters::feeIsAskedForOnce_data() {
    QTest::addColumn<double>("total");
    QTest::addColumn<bool>("feeIncluded");
    QTest::addColumn<double>("fee");
    QTest::addColumn<QString>("bill");
    QTest::addColumn<QString>("printedFee");
    QTest::addColumn<QString>("owed");
    QTest::newRow("fee not yet in the total") << 123.45 << false << 5.0 << "123,45"
                                              << "5,00"
                                              << "128,45";
    // The plot register added the fee to the total already.
    QTest::newRow("fee already in the total") << 128.45 << true << 5.0 << "123,45"
                                              << "5,00"
                                              << "128,45";
    // A fee of half a cent is asked for as the cash book will book it, and the lines add up.
    QTest::newRow("half-cent fee") << 100.0 << false << 2.505 << "100,00"
                                   << "2,50"
                                   << "102,50";
    QTest::newRow("half-cent fee in the total") << 102.5 << true << 2.505 << "100,00"
                                                << "2,50"
                                                << "102,50";
}

void TestDunningLetters::feeIsAskedForOnce() {
    QFETCH(double, total);
    QFETCH(bool, feeIncluded);
    QFETCH(double, fee);
    QFETCH(QString, bill);
    QFETCH(QString, printedFee);
    QFETCH(QString, owed);
    m_w->execute(QStringLiteral("UPDATE param SET Mahngebuehr = %1").arg(fee));
    QVERIFY(plot(QStringLiteral("16"), QStringLiteral("Lange"), total, feeIncluded));
    const ReportDocument document = letters();
    QCOMPARE(document.pages.size(), 1);
    const ReportPage& page = document.pages.first();
    QCOMPARE(lineOf(page, QStringLiteral("Rechnungsendbetrag:")),
             QStringList({QStringLiteral("Rechnungsendbetrag:"), bill, QStringLiteral("EUR")}));
    QCOMPARE(lineOf(page, QStringLiteral("Mahngebühr")),
             QStringList({QStringLiteral("+"), QStringLiteral("Mahngebühr"), printedFee,
                          QStringLiteral("EUR")}));
    QCOMPARE(lineOf(page, QStringLiteral("Gesamt")),
             QStringList({QStringLiteral("Gesamt"), owed, QStringLiteral("EUR")}));
    // The transfer form asks for the same, eight wide as the form's boxes expect.
    const ReportText* amount = nullptr;
    for (const ReportText& t : page.texts) {
        if (t.text.trimmed() == owed && t.font.family == QStringLiteral("Lucida Sans Typewriter"))
            amount = &t;
    }
    QVERIFY(amount);
    QCOMPARE(amount->text, owed.rightJustified(8));
    // And so does the GiroCode.
    QCOMPARE(page.codes.size(), 1);
    const QString giroAmount = QStringLiteral("\nEUR") + QString(owed).replace(u',', u'.') + u'\n';
    QVERIFY2(page.codes.first().text.contains(giroAmount), qPrintable(page.codes.first().text));
}

void TestDunningLetters::noUnpaidPlotPrintsOnlyThePageHeader() {
    QVERIFY(plot(QStringLiteral("1"), QStringLiteral("Bezahlt"), 10));
    m_w->execute(QStringLiteral("UPDATE parzelle SET gezahlt = 1"));
    const ReportDocument document = letters();
    QCOMPARE(document.pages.size(), 1);
    // Without a plot the association's name is not known either.
    QCOMPARE(document.pages.first().allTexts(),
             QStringList({QStringLiteral("Datum:"), QStringLiteral("04.05.2026")}));
}

void TestDunningLetters::transferFormFieldsInThePdf() {
    if (!canReadPdfWords())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY(plot(QStringLiteral("3"), QStringLiteral("Gärtner"), 100));
    QVERIFY(plot(QStringLiteral("4"), QStringLiteral("Winzer"), 12));
    const QString pdf = m_w->folder.path() + QStringLiteral("/letters.pdf");
    QCOMPARE(ReportRenderer::writePdf(letters(), pdf), QString());

    QString error;
    const QList<PdfWord> words = pdfWords(pdf, 1, &error);
    QVERIFY2(!words.isEmpty(), qPrintable(error));
    // The form's fields are the words on the lower third of the sheet.
    const QList<ExpectedWord> fields{
        {"Gartenfreunde", 69.4, 212.1},
        {"DE02", 69.4, 220.6},
        {"BYLADEM1001", 69.4, 229.3},
        // "  105,00": the fixed-pitch face puts the figure two characters (2.54 mm each) into
        // the box, where the form's digits stand.
        {"105,00", 141.4 + 2 * 2.54, 238.1},
        {"Abrechng.", 69.4, 246.3},
        {"2025", 97.2, 246.3},
        {"Parz.", 111.8, 246.3},
        {"Gärtner", 69.4, 254.7},
        {"04.05.2026", 127.4, 280.4},
    };
    const QString misplaced = misplacedWords(words, fields, 200);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
    // The second page is the second plot's letter.
    bool winzer = false;
    for (const PdfWord& w : pdfWords(pdf, 2))
        winzer = winzer || w.text == QStringLiteral("Winzer");
    QVERIFY(winzer);
}

void TestDunningLetters::layoutMatchesTheReviewedFile() {
    // One letter whose total holds the fee already, one whose does not.
    QVERIFY(plot(QStringLiteral("16"), QStringLiteral("Lange"), 262.35, true));
    QVERIFY(plot(QStringLiteral("7a"), QStringLiteral("Sieben"), 48.9));
    const QString difference =
        compareWithGolden(dumpDocument(letters(DunningLevel::First)),
                          QStringLiteral(LUNETRA_GOLDEN_DIR "/dunning-letter.txt"));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_MAIN(TestDunningLetters)
#include "tst_dunningletters.moc"
