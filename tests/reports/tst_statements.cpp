#include "support/pdfwords.h"
#include "support/reportdump.h"
#include "support/workspace.h"

#include "framework/reportrenderer.h"
#include "reports/statementfigures.h"
#include "reports/statements.h"

#include <QRegularExpression>
#include <QTest>

// The annual statements, with and without transfer form: what each plot's page shows and
// where it stands on the sheet.
class TestStatements : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void joinNamesTheLabelsWithASuffix();
    void amountsAreTheBillsRoundedToEvenCents();
    void plotWithoutAreaPrintsLeaseOfZero();
    void negativeElectricityIsCredited();
    void negativeElectricityIsBrokenDownWhenSharedEqually();
    void cancellingItemsPrintRowsButNoSum();
    void itemSumIsCarriedIntoTheMainTable();
    void areaLinkedItemPrintsPriceAndQuantity();
    void standingChargeIsPrintedWhereItIsBilled();
    void hiddenRowsKeepTheirPlace();
    void everyFigureHasADecimalComma();
    void plotsComeInTextOrderOnePageEach();
    void emptyQueryPrintsOnlyThePageHeader();
    void transferFormFieldsStandOnThePrintedForm();
    void transferFormFieldsInThePdf();

    void secondLayoutPrintsSecondMeterCaptionsWithoutValues();
    void secondLayoutWithoutElectricityPrintsNoReadings();
    void secondLayoutPrintsCancellingItemsWithoutSum();
    void secondLayoutBreaksConsumptionDownOnOneLine();
    void secondLayoutPrintsOnePagePerPlot();

    void layoutsMatchTheReviewedFiles_data();
    void layoutsMatchTheReviewedFiles();

private:
    void plot(const QString& nr, const QString& columns = QString(),
              const QString& values = QString());
    Query& openRows();
    ReportDocument statements(bool electricityEqualShare = false, bool waterEqualShare = false);
    ReportDocument secondLayout(bool electricityEqualShare = false, bool waterEqualShare = false);
    // Three plots that show every row of the statements; false when they cannot be written.
    bool goldenPlots();

    Workspace* m_w = nullptr;
};

namespace {

const QDate printDate(2026, 1, 15);

// Where the detail band's corner lies on the sheet.
const QPointF firstCorner(30.0, 24.8);
const QPointF secondCorner(20.0, 38.3);

// A main table row's top on the sheet of the first layout, rows counted from 1.
double rowTop(int row) {
    return firstCorner.y() + 58.0 + (row - 1) * 4.5;
}

const ReportText* findTrimmed(const ReportPage& page, const QString& text) {
    for (const ReportText& t : page.texts) {
        if (t.text.trimmed() == text)
            return &t;
    }
    return nullptr;
}

// A text between two sheet x positions.
const ReportText* findIn(const ReportPage& page, const QString& text, double from, double to) {
    for (const ReportText& t : page.texts) {
        if (t.text.trimmed() == text && t.box.left() >= from - 0.01 && t.box.right() <= to + 0.01)
            return &t;
    }
    return nullptr;
}

// The texts on one line of the page between two sheet x positions, left to right, without
// their padding.
QStringList line(const ReportPage& page, double top, double from, double to) {
    QList<const ReportText*> found;
    for (const ReportText& t : page.texts) {
        if (qAbs(t.box.top() - top) < 1.0 && t.box.left() >= from - 0.01 &&
            t.box.right() <= to + 0.01)
            found << &t;
    }
    std::sort(found.begin(), found.end(), [](const ReportText* a, const ReportText* b) {
        return a->box.left() < b->box.left();
    });
    QStringList texts;
    for (const ReportText* t : found)
        texts << t->text.trimmed();
    return texts;
}

// The main table and the left column of the first layout.
QStringList mainRow(const ReportPage& page, int row) {
    return line(page, rowTop(row), firstCorner.x() + 69.6, firstCorner.x() + 170);
}

QStringList sideRow(const ReportPage& page, int listed) {
    return line(page, rowTop(8 + listed), firstCorner.x(), firstCorner.x() + 67.7);
}

} // namespace

void TestStatements::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestStatements::init() {
    m_w = new Workspace;
    m_w->execute(QStringLiteral(
        "UPDATE param SET Verein = 'Gartenfreunde Sonnenblick', Pachtzins = 0.5, Beitrag = 30, "
        "Preis_Arbeitsstunde = 10, Preis_kwh = 0.28, Preis_qm = 2.5, Wartungsgebuehr = 12, "
        "Grundgebuehr_W = 8, Bank = 'DE02 1203 0000 0000 2020 51', Kto = 'BYLADEM1001', "
        "varzahlgrd = 'Jahresrechnung', Zahlfrist = '2026-03-31', absvorname = 'Erika', "
        "absname = 'Kasse', absstrasse = 'Am Anger 3', absplz = '04109', absort = 'Leipzig', "
        "text6 = '231/456/78901', text7 = 'Erika Kasse', text8 = '0341 123456', z8 = 3.5, "
        "z9 = 1.2, Ort = 'Vereinsort'"));
    QStringList labels;
    for (int n = 1; n <= 12; ++n)
        labels << QStringLiteral("reserve%1 = 'Posten %1'").arg(n);
    m_w->execute(QStringLiteral("UPDATE nfelder SET ") + labels.join(QStringLiteral(", ")));
}

void TestStatements::cleanup() {
    delete m_w;
}

void TestStatements::plot(const QString& nr, const QString& columns, const QString& values) {
    QStringList names{QStringLiteral("Nr"),      QStringLiteral("Name"),
                      QStringLiteral("Vorname"), QStringLiteral("Anschrift"),
                      QStringLiteral("PLZ"),     QStringLiteral("Ort"),
                      QStringLiteral("Flaeche")};
    QStringList data{QStringLiteral("'%1'").arg(nr), QStringLiteral("'Gärtner'"),
                     QStringLiteral("'Hanna'"),      QStringLiteral("'Laubenweg 5'"),
                     QStringLiteral("'04229'"),      QStringLiteral("'Leipzig'"),
                     QStringLiteral("100")};
    // A column given here replaces the plot's default value.
    const QStringList given = columns.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    const QStringList givenValues = values.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    QCOMPARE(given.size(), givenValues.size());
    for (int i = 0; i < given.size(); ++i) {
        const qsizetype at = names.indexOf(given.at(i));
        if (at >= 0) {
            data[at] = givenValues.at(i);
        } else {
            names << given.at(i);
            data << givenValues.at(i);
        }
    }
    m_w->execute(QStringLiteral("INSERT INTO parzelle (%1) VALUES (%2)")
                     .arg(names.join(QStringLiteral(", ")), data.join(QStringLiteral(", "))));
}

Query& TestStatements::openRows() {
    Query& rows = m_w->dm->DruckQuery();
    rows.setSql(
        {QStringLiteral("select * from parzelle,param,nfelder"), QStringLiteral("order by nr")});
    if (!rows.open())
        qWarning("%s", qPrintable(rows.lastError()));
    return rows;
}

ReportDocument TestStatements::statements(bool electricityEqualShare, bool waterEqualShare) {
    const StatementOptions options{StatementLayout::WithTransferForm, electricityEqualShare,
                                   waterEqualShare};
    return Statements::layout(openRows(), QStringLiteral("2026"), options, printDate);
}

ReportDocument TestStatements::secondLayout(bool electricityEqualShare, bool waterEqualShare) {
    const StatementOptions options{StatementLayout::WithoutTransferForm, electricityEqualShare,
                                   waterEqualShare};
    return Statements::layout(openRows(), QStringLiteral("2026"), options, printDate);
}

void TestStatements::joinNamesTheLabelsWithASuffix() {
    plot(QStringLiteral("1"), QStringLiteral("Reserve1, Reserve10"), QStringLiteral("4, 7"));
    m_w->execute(QStringLiteral("UPDATE param SET reserve5 = 0.12, reserve12 = 9"));
    const Query& rows = openRows();
    QCOMPARE(rows.rowCount(), 1);
    const QStringList names = rows.fieldNames();
    for (int n = 1; n <= 12; ++n) {
        QVERIFY2(names.contains(QStringLiteral("reserve%1").arg(n), Qt::CaseInsensitive),
                 qPrintable(QString::number(n)));
        QVERIFY2(names.contains(QStringLiteral("reserve%1_1").arg(n)),
                 qPrintable(names.join(u' ')));
    }
    QVERIFY(names.contains(QStringLiteral("Ort_1")));
    // The amounts come first, the labels after them.
    QCOMPARE(rows.number(QStringLiteral("Reserve1")), 4.0);
    QCOMPARE(rows.number(QStringLiteral("reserve10")), 7.0);
    QCOMPARE(rows.number(QStringLiteral("reserve5")), 0.12);
    QCOMPARE(rows.number(QStringLiteral("reserve12")), 9.0);
    QCOMPARE(rows.text(QStringLiteral("reserve1_1")), QStringLiteral("Posten 1"));
    QCOMPARE(rows.text(QStringLiteral("reserve5_1")), QStringLiteral("Posten 5"));
    QCOMPARE(rows.text(QStringLiteral("Ort")), QStringLiteral("Leipzig"));
    QCOMPARE(rows.text(QStringLiteral("Ort_1")), QStringLiteral("Vereinsort"));
}

void TestStatements::amountsAreTheBillsRoundedToEvenCents() {
    plot(QStringLiteral("1"), QStringLiteral("Flaeche, nicht_gel_Arbeitsstunden"),
         QStringLiteral("1, 1.5"));
    m_w->execute(QStringLiteral("UPDATE param SET reserve5 = 0.12345, reserve6 = 0.5, "
                                "Pachtzins = 0.125, Neuvermessung = 1, "
                                "Preis_Arbeitsstunde = 12.25"));
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc111 = 1, rc5 = 1, rc6 = 0"));
    const ReportPage page = statements().pages.first();
    // Half cents go to the even cent, printed as billed: 0.125 is 0,12, 18.375 is 18,38.
    QCOMPARE(mainRow(page, 2), QStringList({QStringLiteral("Pachtzins"), QStringLiteral("0,1250"),
                                            QStringLiteral("1"), QStringLiteral("0,12")}));
    QCOMPARE(mainRow(page, 3),
             QStringList({QStringLiteral("Ant.Gemeinfl.[m²]"), QStringLiteral("0,1250"),
                          QStringLiteral("1,00"), QStringLiteral("0,12")}));
    QCOMPARE(mainRow(page, 6),
             QStringList({QStringLiteral("nicht gel. Arbeitsstunden [h]"), QStringLiteral("12,25"),
                          QStringLiteral("2"), QStringLiteral("18,38")}));
    // An area-linked item is billed in cents; its price keeps its decimals. Item 6 has no
    // area link here: its amount as it stands, credited.
    QCOMPARE(sideRow(page, 0), QStringList({QStringLiteral("Posten 5"), QStringLiteral("0,12345"),
                                            QStringLiteral("1"), QStringLiteral("0,12")}));
    QCOMPARE(sideRow(page, 1), QStringList({QStringLiteral("Posten 6"), QStringLiteral("-0,50")}));
    QCOMPARE(mainRow(page, 1),
             QStringList({QStringLiteral("Übertrag Sonderposten"), QStringLiteral("-0,38")}));
}

void TestStatements::plotWithoutAreaPrintsLeaseOfZero() {
    plot(QStringLiteral("1"), QStringLiteral("Flaeche"), QStringLiteral("0"));
    const ReportDocument document = statements();
    QCOMPARE(document.pages.size(), 1);
    const ReportPage& page = document.pages.first();
    QCOMPARE(mainRow(page, 2), QStringList({QStringLiteral("Pachtzins"), QStringLiteral("0"),
                                            QStringLiteral("0,00")}));
    const ReportText* amount = findTrimmed(page, QStringLiteral("0,00"));
    QVERIFY(amount);
    QCOMPARE(amount->text, QStringLiteral("    0,00")); // eight wide
    QCOMPARE(amount->box.right(), 30.0 + 168.3);
    // The quantity stands in its column.
    QCOMPARE(findTrimmed(page, QStringLiteral("0"))->box.right(), 30.0 + 144.7);
}

void TestStatements::negativeElectricityIsCredited() {
    plot(QStringLiteral("1"), QStringLiteral("Strom"), QStringLiteral("-12.5"));
    const ReportPage page = statements().pages.first();
    // The bill credits a negative consumption, so the statement shows the credit.
    QCOMPARE(mainRow(page, 7),
             QStringList({QStringLiteral("El.-Energie [kwh]"), QStringLiteral("0,2800"),
                          QStringLiteral("-12,5"), QStringLiteral("-3,50")}));
    const ReportText* quantity = findTrimmed(page, QStringLiteral("-12,5"));
    QCOMPARE(quantity->box.right(), 30.0 + 144.7);
    QVERIFY(quantity->font.bold && quantity->font.italic);
    QVERIFY(!findTrimmed(page, QStringLiteral("Ihr Energieverbrauch setzt sich zusammen aus")));

    // Without a price nothing is credited; the wrong reading still shows.
    m_w->execute(QStringLiteral("UPDATE param SET Preis_kwh = 0"));
    QCOMPARE(mainRow(statements().pages.first(), 7), QStringList({QStringLiteral("-12,5")}));
}

void TestStatements::negativeElectricityIsBrokenDownWhenSharedEqually() {
    plot(QStringLiteral("1"), QStringLiteral("Strom, Wasser"), QStringLiteral("-12.5, 20"));
    const ReportPage page = statements(true, false).pages.first();
    QCOMPARE(mainRow(page, 7).last(), QStringLiteral("-3,50"));
    const ReportText* first =
        page.find(QStringLiteral("Ihr Energieverbrauch setzt sich zusammen aus"));
    QVERIFY(first);
    QCOMPARE(first->box.left(), 30.0);
    QCOMPARE(first->font.pointSize, 8.0);
    // Own use is the consumption less the loss share the run added.
    const ReportText* own = page.find(QStringLiteral("   -16,0 kwh Eigenverbrauch"));
    const ReportText* share =
        page.find(QStringLiteral("+     3,5 kwh Umlage aus Energieverlusten"));
    QVERIFY(own && share);
    QVERIFY(first->box.top() < own->box.top() && own->box.top() < share->box.top());
    // Water was not shared equally.
    QVERIFY(!page.find(QStringLiteral("Ihr Wasserverbrauch setzt sich zusammen aus")));

    const ReportPage both = statements(true, true).pages.first();
    QVERIFY(both.find(QStringLiteral("Ihr Wasserverbrauch setzt sich zusammen aus")));
    QVERIFY(both.find(QStringLiteral("    18,8 m³ Eigenverbrauch")));
    QVERIFY(both.find(QStringLiteral("+     1,2 m³ Umlage aus Wasserverlusten")));
}

void TestStatements::cancellingItemsPrintRowsButNoSum() {
    plot(QStringLiteral("1"), QStringLiteral("Reserve1, Reserve2"), QStringLiteral("10, 10"));
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc1 = 1, rc2 = 0"));
    const ReportPage page = statements().pages.first();
    // Listed order 5, 6, 3, 4, 1, 2: items 1 and 2 are the fifth and sixth rows.
    QCOMPARE(sideRow(page, 4), QStringList({QStringLiteral("Posten 1"), QStringLiteral("10,00")}));
    QCOMPARE(sideRow(page, 5), QStringList({QStringLiteral("Posten 2"), QStringLiteral("-10,00")}));
    QCOMPARE(sideRow(page, 0), QStringList());
    QCOMPARE(mainRow(page, 1), QStringList());
    QVERIFY(!page.find(QStringLiteral("Übertrag Sonderposten")));
    const ReportText* caption = page.find(QStringLiteral("Gesamt Sonderposten"));
    QVERIFY(caption);
    QCOMPARE(line(page, caption->box.top(), 30.0, 30.0 + 67.7),
             QStringList({QStringLiteral("Gesamt Sonderposten")}));
}

void TestStatements::itemSumIsCarriedIntoTheMainTable() {
    plot(QStringLiteral("1"), QStringLiteral("Reserve9"), QStringLiteral("7.5"));
    m_w->execute(QStringLiteral("UPDATE param SET reserve12 = 2.5"));
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc9 = 1, rc12 = 1"));
    const ReportPage page = statements().pages.first();
    QCOMPARE(mainRow(page, 1),
             QStringList({QStringLiteral("Übertrag Sonderposten"), QStringLiteral("10,00")}));
    const ReportText* carried = page.find(QStringLiteral("Übertrag Sonderposten"));
    QVERIFY(carried->font.bold && carried->font.italic);
    QVERIFY(carried->alignment & Qt::AlignHCenter);
    const ReportText* caption = page.find(QStringLiteral("Gesamt Sonderposten"));
    QCOMPARE(line(page, caption->box.top(), 30.0, 30.0 + 67.7),
             QStringList({QStringLiteral("Gesamt Sonderposten"), QStringLiteral("10,00")}));
    // Items 9 and 12 are the seventh and last rows of the side table.
    QCOMPARE(sideRow(page, 6), QStringList({QStringLiteral("Posten 9"), QStringLiteral("7,50")}));
    QCOMPARE(sideRow(page, 11), QStringList({QStringLiteral("Posten 12"), QStringLiteral("2,50")}));
}

void TestStatements::areaLinkedItemPrintsPriceAndQuantity() {
    plot(QStringLiteral("1"), QStringLiteral("Flaeche"), QStringLiteral("250"));
    m_w->execute(QStringLiteral("UPDATE param SET reserve5 = 0.12"));
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc111 = 1, rc5 = 1"));
    ReportPage page = statements().pages.first();
    const QStringList charged{QStringLiteral("Posten 5"), QStringLiteral("0,12"),
                              QStringLiteral("250"), QStringLiteral("30,00")};
    QCOMPARE(sideRow(page, 0), charged);
    const double side = 30.0 + 67.7;
    QCOMPARE(findIn(page, QStringLiteral("0,12"), 30, side)->box.right(), 30.0 + 41.5);
    QCOMPARE(findIn(page, QStringLiteral("250"), 30, side)->box.right(), 30.0 + 52.4);
    QCOMPARE(findIn(page, QStringLiteral("30,00"), 30, side)->box.right(), 30.0 + 66.9);
    QCOMPARE(findIn(page, QStringLiteral("0,12"), 30, side)->font.pointSize, 7.0);
    QCOMPARE(findIn(page, QStringLiteral("30,00"), 30, side)->font.pointSize, 8.0);

    m_w->execute(QStringLiteral("UPDATE nfelder SET rc5 = 0"));
    page = statements().pages.first();
    QCOMPARE(sideRow(page, 0), QStringList({QStringLiteral("Posten 5"), QStringLiteral("0,12"),
                                            QStringLiteral("250"), QStringLiteral("-30,00")}));
    QCOMPARE(mainRow(page, 1),
             QStringList({QStringLiteral("Übertrag Sonderposten"), QStringLiteral("-30,00")}));

    // Without the area link the amount is the price itself, without price and quantity.
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc111 = 0, rc5 = 1"));
    page = statements().pages.first();
    QCOMPARE(sideRow(page, 0), QStringList({QStringLiteral("Posten 5"), QStringLiteral("0,12")}));
}

void TestStatements::standingChargeIsPrintedWhereItIsBilled() {
    plot(QStringLiteral("1"), QStringLiteral("text1, text2"), QStringLiteral("'x', 'X'"));
    plot(QStringLiteral("2"), QStringLiteral("text1, text2"), QStringLiteral("'X', ' '"));
    const ReportDocument document = statements();
    QCOMPARE(document.pages.size(), 2);
    // Only a plot marked not connected (" ") pays no standing charge; any other marker is
    // billed it, so the statement shows it.
    QCOMPARE(mainRow(document.pages.at(0), 10),
             QStringList({QStringLiteral("Grundgebühr El.-Energie"), QStringLiteral("12,00")}));
    QCOMPARE(mainRow(document.pages.at(0), 14),
             QStringList({QStringLiteral("Grundgebühr Wasser"), QStringLiteral("8,00")}));
    QCOMPARE(mainRow(document.pages.at(1), 10),
             QStringList({QStringLiteral("Grundgebühr El.-Energie"), QStringLiteral("12,00")}));
    QCOMPARE(mainRow(document.pages.at(1), 14), QStringList());
    // Indented by 2.4 mm.
    QCOMPARE(document.pages.at(1).find(QStringLiteral("Grundgebühr El.-Energie"))->box.left(),
             30.0 + 69.6 + 2.4);
    QCOMPARE(document.pages.at(1).find(QStringLiteral("Mitgliedsbeitrag"))->box.left(),
             30.0 + 69.6);
}

void TestStatements::hiddenRowsKeepTheirPlace() {
    plot(QStringLiteral("1"),
         QStringLiteral("Strom, Wasser, Abschlag_Strom_Vorjahr, Abschlag_Strom, "
                        "Abschlag_Wasser_Vorjahr, Abschlag_Wasser, nicht_gel_Arbeitsstunden, "
                        "Laubenversicherung, Parkplatzgebuehr, text1, text2, Reserve3, gesamt"),
         QStringLiteral("100, 10, 20, 25, 5, 6, 2, 4, 5, 'X', 'X', 3, 219.5"));
    plot(QStringLiteral("2"), QStringLiteral("gesamt"), QStringLiteral("80"));
    m_w->execute(QStringLiteral("UPDATE param SET Umlagen = 3, Neuvermessung = 2, "
                                "Vereinshaftpflicht = 1.5, Vereinsunfallversicherung = 2.5, "
                                "Strassenreinigung = 4"));
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc3 = 1"));
    const ReportDocument document = statements();
    QCOMPARE(document.pages.size(), 2);
    const ReportPage& full = document.pages.at(0);
    const ReportPage& bare = document.pages.at(1);

    QCOMPARE(mainRow(full, 7),
             QStringList({QStringLiteral("El.-Energie [kwh]"), QStringLiteral("0,2800"),
                          QStringLiteral("100,0"), QStringLiteral("28,00")}));
    QCOMPARE(mainRow(full, 8), QStringList({QStringLiteral("Abschlag El.-Energie Vorjahr"),
                                            QStringLiteral("-20,00")}));
    QCOMPARE(mainRow(full, 9), QStringList({QStringLiteral("Abschlag El.-Energie lfd. Jahr"),
                                            QStringLiteral("25,00")}));
    QCOMPARE(mainRow(full, 6),
             QStringList({QStringLiteral("nicht gel. Arbeitsstunden [h]"), QStringLiteral("10,00"),
                          QStringLiteral("2"), QStringLiteral("20,00")}));
    QCOMPARE(mainRow(full, 19),
             QStringList({QStringLiteral("Strassenreinigung"), QStringLiteral("4,00")}));
    QCOMPARE(mainRow(bare, 8), QStringList());
    QCOMPARE(mainRow(bare, 15), QStringList());
    QCOMPARE(mainRow(bare, 5),
             QStringList({QStringLiteral("Mitgliedsbeitrag"), QStringLiteral("30,00")}));
    // Nothing of the first plot is left on the second page.
    QVERIFY(!bare.find(QStringLiteral("Posten 3")));
    QVERIFY(!bare.find(QStringLiteral("Übertrag Sonderposten")));

    const ReportText* fullTotal = findTrimmed(full, QStringLiteral("219,50"));
    const ReportText* bareTotal = findTrimmed(bare, QStringLiteral("80,00"));
    QVERIFY(fullTotal && bareTotal);
    QCOMPARE(fullTotal->box.top(), bareTotal->box.top());
    QCOMPARE(fullTotal->box.right(), 30.0 + 168.3);
    QCOMPARE(fullTotal->font.pointSize, 11.0);
    QVERIFY(fullTotal->font.bold);
    QCOMPARE(full.find(QStringLiteral("Rechnungsbetrag"))->box.top(), fullTotal->box.top());
    const QString payment =
        QStringLiteral("Bitte überweisen Sie den Rechnungsbetrag ohne Abzüge kontowirksam bis zum");
    QCOMPARE(full.find(payment)->box.top(), bare.find(payment)->box.top());
    QCOMPARE(line(bare, bare.find(payment)->box.top(), 30, 200),
             QStringList({payment, QStringLiteral("31.03.2026")}));
}

void TestStatements::everyFigureHasADecimalComma() {
    plot(QStringLiteral("1"),
         QStringLiteral("Flaeche, Strom, Wasser, Reserve1, Abschlag_Strom, gesamt"),
         QStringLiteral("250.5, 123.4, 12.3, 4.25, 12.5, 321.75"));
    m_w->execute(QStringLiteral("UPDATE param SET reserve5 = 0.12, Neuvermessung = 1.5"));
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc111 = 1, rc5 = 1, rc1 = 1"));
    const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+[.,][0-9]+$"));
    for (const ReportDocument& document : {statements(true, true), secondLayout(true, true)}) {
        int figures = 0;
        for (const ReportText& text : document.pages.first().texts) {
            for (const QString& word : text.text.split(u' ', Qt::SkipEmptyParts)) {
                if (!number.match(word).hasMatch())
                    continue;
                ++figures;
                QVERIFY2(word.contains(u','), qPrintable(text.text));
            }
        }
        QVERIFY(figures > 15);
    }
    const ReportPage page = statements().pages.first();
    QCOMPARE(mainRow(page, 2), QStringList({QStringLiteral("Pachtzins"), QStringLiteral("0,5000"),
                                            QStringLiteral("250,5"), QStringLiteral("125,25")}));
}

void TestStatements::plotsComeInTextOrderOnePageEach() {
    plot(QStringLiteral("2"), QStringLiteral("Name"), QStringLiteral("'Zwei'"));
    plot(QStringLiteral("10"), QStringLiteral("Name"), QStringLiteral("'Zehn'"));
    const ReportDocument document = statements();
    QCOMPARE(document.pages.size(), 2);
    const QStringList plots{QStringLiteral("10"), QStringLiteral("2")};
    const QStringList names{QStringLiteral("Zehn"), QStringLiteral("Zwei")};
    for (int i = 0; i < 2; ++i) {
        const ReportPage& page = document.pages.at(i);
        const ReportText* association = page.find(QStringLiteral("Gartenfreunde Sonnenblick"));
        QVERIFY(association);
        QCOMPARE(association->box.topLeft(), QPointF(30, 10));
        QCOMPARE(association->font.family, QStringLiteral("Book Antiqua"));
        QCOMPARE(association->font.pointSize, 14.0);
        QVERIFY(association->font.bold);
        QVERIFY(page.find(QStringLiteral("Der Vorstand")));
        QCOMPARE(page.find(QStringLiteral("15.01.2026"))->box.left(), 30.0 + 141.8);
        const ReportText* heading = page.find(QStringLiteral("Jahresabrechnung"));
        QVERIFY(heading);
        QCOMPARE(line(page, heading->box.top(), 30, 200),
                 QStringList({QStringLiteral("Jahresabrechnung"), QStringLiteral("2026"),
                              QStringLiteral("Parz."), plots.at(i)}));
        QVERIFY(page.find(QStringLiteral("Hanna ") + names.at(i)));
    }
    // The tenant's address in the envelope window.
    const ReportText* tenant = document.pages.first().find(QStringLiteral("Hanna Zehn"));
    QCOMPARE(tenant->box.topLeft(), QPointF(30.0, 45.4));
    QVERIFY(document.pages.first().find(QStringLiteral("04229 Leipzig")));
    QVERIFY(document.pages.first().find(QStringLiteral("Erika Kasse, Am Anger 3")));
    QVERIFY(document.pages.first().find(QStringLiteral("04109 Leipzig")));
}

void TestStatements::emptyQueryPrintsOnlyThePageHeader() {
    const ReportDocument document = statements();
    QCOMPARE(document.pages.size(), 1);
    QCOMPARE(document.pages.first().allTexts(),
             QStringList({QStringLiteral("Der Vorstand"), QStringLiteral("15.01.2026")}));
    QCOMPARE(document.pages.first().lines.size(), 0);
    const ReportDocument second = secondLayout();
    QCOMPARE(second.pages.size(), 1);
    QCOMPARE(second.pages.first().allTexts(),
             QStringList({QStringLiteral("Der Vorstand"), QStringLiteral("15.01.2026")}));
}

void TestStatements::transferFormFieldsStandOnThePrintedForm() {
    plot(QStringLiteral("17a"), QStringLiteral("Name"), QStringLiteral("'Gärtner'"));
    const ReportPage page = statements().pages.first();
    const struct {
        const char* text;
        double x;
        double y;
    } fields[] = {
        {"Gartenfreunde Sonnenblick", 69.4, 212.1},
        {"DE02 1203 0000 0000 2020 51", 69.4, 220.3},
        {"BYLADEM1001", 69.4, 228.8},
        {"Abrechng. ", 69.4, 246.0},
        {"2026", 97.2, 246.0},
        {"Parz.", 111.8, 246.0},
        {"17a", 128.4, 246.0},
        {"Jahresrechnung", 69.4, 254.5},
        {"Gärtner", 69.4, 262.9},
    };
    for (const auto& field : fields) {
        const QString text = QString::fromUtf8(field.text);
        const ReportText* found = nullptr;
        for (const ReportText& t : page.texts) {
            if (t.text == text && t.font.family == QStringLiteral("Lucida Sans Typewriter"))
                found = &t;
        }
        QVERIFY2(found, field.text);
        QVERIFY2(qAbs(found->box.left() - field.x) <= 0.3, field.text);
        QVERIFY2(qAbs(found->box.top() - field.y) <= 0.3, field.text);
        QCOMPARE(found->font.pointSize, 12.0);
        QVERIFY(found->alignment & Qt::AlignLeft);
    }
    // "Abrechng. " stands in a box of its own width, before the year.
    for (const ReportText& t : page.texts) {
        if (t.text == QStringLiteral("Abrechng. "))
            QCOMPARE(t.box.width(), 27.3);
    }
    // No amount on the form.
    for (const ReportText& t : page.texts) {
        if (t.box.top() > 205)
            QVERIFY2(t.font.family == QStringLiteral("Lucida Sans Typewriter"), qPrintable(t.text));
    }
}

void TestStatements::transferFormFieldsInThePdf() {
    if (!canReadPdfWords())
        QSKIP("pdftotext (poppler-utils) is not installed");
    plot(QStringLiteral("3"), QStringLiteral("Name, gesamt"), QStringLiteral("'Gärtner', 88.1"));
    plot(QStringLiteral("4"), QStringLiteral("Name, gesamt"), QStringLiteral("'Winzer', 12"));
    const ReportDocument document = statements();
    const QString pdf = m_w->folder.path() + QStringLiteral("/statements.pdf");
    QCOMPARE(ReportRenderer::writePdf(document, pdf), QString());

    QString error;
    const QList<PdfWord> words = pdfWords(pdf, 1, &error);
    QVERIFY2(!words.isEmpty(), qPrintable(error));
    // A word on the lower third of the sheet, where only the form's fields stand.
    const QList<ExpectedWord> fields{
        {"Gartenfreunde", 69.4, 212.1}, {"BYLADEM1001", 69.4, 228.8},    {"Abrechng.", 69.4, 246.0},
        {"2026", 97.2, 246.0},          {"Jahresrechnung", 69.4, 254.5}, {"Gärtner", 69.4, 262.9},
    };
    const QString misplaced = misplacedWords(words, fields, 200);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
}

void TestStatements::secondLayoutPrintsSecondMeterCaptionsWithoutValues() {
    plot(QStringLiteral("1"), QStringLiteral("Strom, sza, szn, nsza, nszn"),
         QStringLiteral("100, 1000, 1100, 0, 0"));
    const ReportPage page = secondLayout().pages.first();
    const ReportText* row = page.find(QStringLiteral("El.-Energie [kwh]"));
    QVERIFY(row);
    QCOMPARE(row->box.left(), 20.0);
    QCOMPARE(
        line(page, row->box.top(), 0, 210),
        QStringList({QStringLiteral("El.-Energie [kwh]"), QStringLiteral("Z.alt:"),
                     QStringLiteral("1000,0"), QStringLiteral("Z:"), QStringLiteral("1100,0"),
                     QStringLiteral("Wz.alt:"), QStringLiteral("Wz:"), QStringLiteral("0,2800"),
                     QStringLiteral("100,0"), QStringLiteral("28,00")}));
    QCOMPARE(findTrimmed(page, QStringLiteral("1000,0"))->font.pointSize, 7.0);
    QCOMPARE(page.find(QStringLiteral("Wz:"))->font.pointSize, 10.0);

    // With the second meter its readings follow.
    m_w->execute(QStringLiteral("UPDATE parzelle SET nsza = 5, nszn = 15"));
    const ReportPage replaced = secondLayout().pages.first();
    QCOMPARE(line(replaced, row->box.top(), 0, 210).mid(5, 4),
             QStringList({QStringLiteral("Wz.alt:"), QStringLiteral("5,0"), QStringLiteral("Wz:"),
                          QStringLiteral("15,0")}));
}

void TestStatements::secondLayoutWithoutElectricityPrintsNoReadings() {
    plot(QStringLiteral("1"), QStringLiteral("Strom, sza, szn, nsza, nszn, Wasser, wza, wzn"),
         QStringLiteral("0, 1000, 1000, 5, 15, 3, 40, 43"));
    const ReportPage page = secondLayout().pages.first();
    for (const char* caption : {"Z.alt:", "Z:"}) {
        int count = 0;
        for (const ReportText& t : page.texts)
            count += t.text == QLatin1String(caption);
        QCOMPARE(count, 1); // the water row's only
    }
    QVERIFY(!page.find(QStringLiteral("El.-Energie [kwh]")));
    QVERIFY(!findTrimmed(page, QStringLiteral("1000,0")));
    QVERIFY(!findTrimmed(page, QStringLiteral("15,0")));
    QVERIFY(!findTrimmed(page, QStringLiteral("5,0")));
    const ReportText* water = page.find(QStringLiteral("Wasser [m³]"));
    QCOMPARE(line(page, water->box.top(), 0, 210),
             QStringList({QStringLiteral("Wasser [m³]"), QStringLiteral("Z.alt:"),
                          QStringLiteral("40,0"), QStringLiteral("Z:"), QStringLiteral("43,0"),
                          QStringLiteral("Wz.alt:"), QStringLiteral("Wz:"), QStringLiteral("2,50"),
                          QStringLiteral("3,0"), QStringLiteral("7,50")}));
}

void TestStatements::secondLayoutPrintsCancellingItemsWithoutSum() {
    plot(QStringLiteral("1"), QStringLiteral("Reserve1, Reserve2"), QStringLiteral("10, 10"));
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc1 = 1, rc2 = 0"));
    const ReportPage page = secondLayout().pages.first();
    const ReportText* first = page.find(QStringLiteral("Posten 1"));
    const ReportText* second = page.find(QStringLiteral("Posten 2"));
    QVERIFY(first && second);
    QCOMPARE(first->box.left(), 20.0);
    QCOMPARE(second->box.top() - first->box.top(), 4.5);
    QCOMPARE(line(page, first->box.top(), 0, 210),
             QStringList({QStringLiteral("Posten 1"), QStringLiteral("10,00")}));
    QCOMPARE(line(page, second->box.top(), 0, 210),
             QStringList({QStringLiteral("Posten 2"), QStringLiteral("-10,00")}));
    QCOMPARE(findTrimmed(page, QStringLiteral("-10,00"))->box.right(), 20.0 + 168.3);
    QVERIFY(!page.find(QStringLiteral("Übertrag Sonderposten")));
    QVERIFY(!page.find(QStringLiteral("Gesamt Sonderposten")));
    QVERIFY(!page.find(QStringLiteral("Sonderposten")));
    // Items follow the last main table row, in the listed order.
    const ReportText* street = nullptr;
    m_w->execute(QStringLiteral("UPDATE param SET Strassenreinigung = 4"));
    m_w->execute(QStringLiteral("UPDATE parzelle SET Reserve1 = 0, Reserve3 = 1"));
    m_w->execute(QStringLiteral("UPDATE param SET reserve5 = 1"));
    const ReportPage ordered = secondLayout().pages.first();
    street = ordered.find(QStringLiteral("Strassenreinigung"));
    QVERIFY(street);
    QCOMPARE(ordered.find(QStringLiteral("Posten 5"))->box.top(), street->box.top() + 4.5);
    QCOMPARE(ordered.find(QStringLiteral("Posten 3"))->box.top(), street->box.top() + 3 * 4.5);
    QCOMPARE(ordered.find(QStringLiteral("Posten 2"))->box.top(), street->box.top() + 6 * 4.5);
}

void TestStatements::secondLayoutBreaksConsumptionDownOnOneLine() {
    plot(QStringLiteral("1"),
         QStringLiteral("Strom, Wasser, Abschlag_Strom_Vorjahr, Abschlag_Wasser, gesamt"),
         QStringLiteral("103.5, 21.2, 30, 12, 99.99"));
    const ReportPage page = secondLayout(true, true).pages.first();
    const ReportText* electricity = page.find(QStringLiteral("El.-Energie [kwh]"));
    const ReportText* split = page.find(
        QStringLiteral("   100,0 kwh Eigenverbrauch +      3,5 kwh Umlage aus Energieverlusten"));
    QVERIFY(split);
    QCOMPARE(split->box.left(), 20.0 + 16.7);
    QCOMPARE(split->box.top(), electricity->box.top() + 4.5);
    QCOMPARE(page.find(QStringLiteral("Abschlag El.-Energie Vorjahr"))->box.top(),
             electricity->box.top() + 9.0);
    QCOMPARE(page.find(QStringLiteral("Abschlag El.-Energie Vorjahr"))->box.left(), 20.0 + 2.6);
    QVERIFY(page.find(
        QStringLiteral("    20,0 m³ Eigenverbrauch +      1,2 m³ Umlage aus Wasserverlusten")));
    const ReportText* total = findTrimmed(page, QStringLiteral("99,99"));
    QCOMPARE(page.find(QStringLiteral("Rechnungsbetrag"))->box.top(), total->box.top());
    QVERIFY(page.find(QStringLiteral(
        "Bitte überweisen Sie den Rechnungsbetrag ohne Abzüge kontowirksam bis zum:")));
    QVERIFY(page.find(QStringLiteral(
        "Als Zahlungsgrund geben Sie bitte Ihren Namen sowie Ihre Parzellennummer an.")));
    const ReportText* bank = page.find(QStringLiteral("Bankverbindung:"));
    QCOMPARE(bank->font.pointSize, 8.0);
    QCOMPARE(line(page, bank->box.top(), 0, 210),
             QStringList({QStringLiteral("Bankverbindung:"), QStringLiteral("IBAN:"),
                          QStringLiteral("DE02 1203 0000 0000 2020 51"), QStringLiteral("BIC:"),
                          QStringLiteral("BYLADEM1001")}));
    // No transfer form in this layout.
    QVERIFY(!page.find(QStringLiteral("Abrechng. ")));

    const ReportPage plain = secondLayout(false, false).pages.first();
    QVERIFY(!plain.find(split->text));
    QCOMPARE(plain.find(QStringLiteral("Abschlag El.-Energie Vorjahr"))->box.top(),
             electricity->box.top() + 9.0);
}

void TestStatements::secondLayoutPrintsOnePagePerPlot() {
    plot(QStringLiteral("2"));
    plot(QStringLiteral("10"));
    plot(QStringLiteral("11"));
    const ReportDocument document = secondLayout();
    QCOMPARE(document.pages.size(), 3);
    const QStringList order{QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("2")};
    for (int i = 0; i < 3; ++i) {
        const ReportPage& page = document.pages.at(i);
        QVERIFY(page.find(QStringLiteral("Gartenfreunde Sonnenblick")));
        const ReportText* heading = page.find(QStringLiteral("Jahresabrechnung"));
        QCOMPARE(heading->box.left(), 20.0);
        QCOMPARE(line(page, heading->box.top(), 0, 210).last(), order.at(i));
        // The letter head as in the first layout, from the band's corner.
        QCOMPARE(page.find(QStringLiteral("Hanna Gärtner"))->box.topLeft(),
                 secondCorner + QPointF(0, 20.6));
        QCOMPARE(page.find(QStringLiteral("Steuernummer:"))->box.left(), 20.0 + 106.4);
    }
}

bool TestStatements::goldenPlots() {
    m_w->execute(QStringLiteral(
        "UPDATE param SET Pachtzins = 0.215, Neuvermessung = 1, Umlagen = 10, "
        "Preis_Arbeitsstunde = 12.25, Preis_kwh = 0.3385, Preis_qm = 2.25, "
        "Vereinshaftpflicht = 7.3, Vereinsunfallversicherung = 3.66, Strassenreinigung = 9.4, "
        "reserve5 = 0.0125, reserve7 = 4"));
    m_w->execute(QStringLiteral("UPDATE nfelder SET rc1 = 1, rc5 = 1, rc111 = 1"));
    // Everything a plot can be charged, with half-cent products.
    plot(QStringLiteral("2"),
         QStringLiteral("Flaeche, text1, text2, Strom, Wasser, sza, szn, nsza, nszn, wza, wzn, "
                        "Abschlag_Strom_Vorjahr, Abschlag_Strom, Abschlag_Wasser_Vorjahr, "
                        "Abschlag_Wasser, nicht_gel_Arbeitsstunden, Laubenversicherung, "
                        "Parkplatzgebuehr, Reserve1, Reserve2"),
         QStringLiteral("223, 'X', 'X', 103.5, 21.2, 1000, 1095, 2, 6, 40, 60, 30, 16, 12, 27, "
                        "2, 12.5, 20, 10, 5"));
    // Connected to nothing, no area.
    plot(QStringLiteral("10"), QStringLiteral("Name, Flaeche, text1, text2"),
         QStringLiteral("'Zehn', 0, ' ', ' '"));
    // A wrong reading and a marker that is neither yes nor no.
    plot(QStringLiteral("7a"), QStringLiteral("Name, Strom, text1, text2"),
         QStringLiteral("'Sieben', -12.5, 'x', ' '"));
    // Each plot's total as the billing run stores it.
    Query& rows = openRows();
    QList<QVariantList> totals;
    for (rows.first(); !rows.atEnd(); rows.next()) {
        totals << QVariantList{BillAmounts::fromRow(rows, BillInputs::LossShare::Included).total(),
                               rows.text(QStringLiteral("Nr"))};
    }
    for (const QVariantList& total : totals) {
        if (!m_w->dm->parzelleADOConnection()
                 .execute(QStringLiteral("UPDATE parzelle SET gesamt = ? WHERE Nr = ?"), total)
                 .isEmpty())
            return false;
    }
    return totals.size() == 3;
}

void TestStatements::layoutsMatchTheReviewedFiles_data() {
    QTest::addColumn<bool>("second");
    QTest::addColumn<QString>("file");
    QTest::newRow("with transfer form")
        << false << QStringLiteral("statement-with-transfer-form.txt");
    QTest::newRow("without transfer form")
        << true << QStringLiteral("statement-without-transfer-form.txt");
}

void TestStatements::layoutsMatchTheReviewedFiles() {
    QFETCH(bool, second);
    QFETCH(QString, file);
    QVERIFY(goldenPlots());
    const ReportDocument document = second ? secondLayout(true, false) : statements(true, false);
    const QString difference =
        compareWithGolden(dumpDocument(document), QStringLiteral(LUNETRA_GOLDEN_DIR "/") + file);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_MAIN(TestStatements)
#include "tst_statements.moc"
