#include "support/codereader.h"
#include "support/workspace.h"

#include "framework/bandedreport.h"
#include "framework/reportrenderer.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

// The banded report engine: pages, bands, hooks and the one renderer behind preview, printer
// and PDF.
class TestReportEngine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void emptyQueryPrintsOnePageWithItsHeader();
    void groupHeaderStartsEveryPlotOnAFreshPage();
    void fullPageContinuesOnTheNext();
    void hiddenTextKeepsItsPlace();
    void fieldsFollowTheirMasks();
    void pageHeaderShowsTheRowOfItsPage();
    void pdfPutsTextsWhereTheDocumentSays();
    void codesArePrintedAsSquaresAScannerReads();
    void pagesKnowWhichPartTheyBelongTo();

private:
    BandedReport plotList();
    Workspace* m_w = nullptr;
};

namespace {

const ReportFont arial10{QStringLiteral("Arial"), 10, false, false};

} // namespace

void TestReportEngine::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestReportEngine::init() {
    m_w = new Workspace;
    m_w->execute(QStringLiteral("INSERT INTO parzelle (Nr, Name, gesamt, Flaeche) VALUES "
                                "('2', 'Zwei', 12.5, 0), ('10', 'Zehn', NULL, 250.5), "
                                "('1', 'Eins', -3, 100)"));
}

void TestReportEngine::cleanup() {
    delete m_w;
}

BandedReport TestReportEngine::plotList() {
    BandedReport report;
    report.title = QStringLiteral("Liste");
    ReportBand& header = report.addBand(ReportBand::Kind::PageHeader, 20);
    header.addLabel(QStringLiteral("title"), QStringLiteral("Parzellenliste"), QRectF(0, 0, 80, 6),
                    arial10);
    header.addPageNumber(QRectF(150, 0, 40, 6), arial10, Qt::AlignRight);
    ReportBand& detail = report.addBand(ReportBand::Kind::Detail, 10);
    detail.addField(QStringLiteral("Nr"), {}, QRectF(0, 0, 20, 5), arial10);
    detail.addField(QStringLiteral("gesamt"), QStringLiteral("0.00"), QRectF(30, 0, 30, 5), arial10,
                    Qt::AlignRight);
    detail.addLine(QPointF(0, 6), QPointF(60, 6));
    return report;
}

void TestReportEngine::emptyQueryPrintsOnePageWithItsHeader() {
    Query& rows = m_w->dm->DruckQuery();
    rows.setSql({QStringLiteral("select * from parzelle where Nr = 'keine'")});
    QVERIFY(rows.open());
    BandedReport report = plotList();
    const ReportDocument document = report.layout(&rows);
    QCOMPARE(document.pages.size(), 1);
    QCOMPARE(document.pages.first().allTexts(),
             QStringList({QStringLiteral("Parzellenliste"), QStringLiteral("1")}));
}

void TestReportEngine::groupHeaderStartsEveryPlotOnAFreshPage() {
    Query& rows = m_w->dm->DruckQuery();
    rows.setSql({QStringLiteral("select * from parzelle order by nr")});
    QVERIFY(rows.open());
    BandedReport report = plotList();
    ReportBand& group = report.addBand(ReportBand::Kind::GroupHeader, 0);
    group.groupKey = [](const Query& row) { return row.value(QStringLiteral("Nr")); };
    group.forceNewPage = true;
    std::swap(report.bands[1], report.bands[2]); // group header before the detail
    const ReportDocument document = report.layout(&rows);
    QCOMPARE(document.pages.size(), 3);
    // Text order of the plot number: 1, 10, 2; every page has its header.
    QCOMPARE(
        document.pages.at(1).allTexts(),
        QStringList({QStringLiteral("Parzellenliste"), QStringLiteral("2"), QStringLiteral("10")}));
    QCOMPARE(document.pages.at(2).find(QStringLiteral("2"))->box.top(), 30.0);
}

void TestReportEngine::fullPageContinuesOnTheNext() {
    for (int i = 0; i < 40; ++i)
        m_w->execute(QStringLiteral("INSERT INTO parzelle (Nr) VALUES ('x%1')")
                         .arg(i, 2, 10, QLatin1Char('0')));
    Query& rows = m_w->dm->DruckQuery();
    rows.setSql({QStringLiteral("select * from parzelle order by nr")});
    QVERIFY(rows.open());
    BandedReport report = plotList();
    ReportBand& footer = report.addBand(ReportBand::Kind::PageFooter, 10);
    footer.addLabel(QStringLiteral("foot"), QStringLiteral("Fuß"), QRectF(0, 0, 20, 5), arial10);
    const ReportDocument document = report.layout(&rows);
    // 297 - 10 - 10 - 20 header - 10 footer leaves room for 24 rows of 10 mm.
    QCOMPARE(document.pages.size(), 2);
    QCOMPARE(document.pages.first().lines.size(), 24);
    QCOMPARE(document.pages.at(1).lines.size(), 43 - 24);
    QCOMPARE(document.pages.at(1).find(QStringLiteral("Fuß"))->box.top(), 297.0 - 10.0 - 10.0);
    QVERIFY(document.pages.at(1).find(QStringLiteral("Parzellenliste")));
}

void TestReportEngine::hiddenTextKeepsItsPlace() {
    Query& rows = m_w->dm->DruckQuery();
    rows.setSql({QStringLiteral("select * from parzelle order by nr")});
    QVERIFY(rows.open());
    BandedReport report = plotList();
    ReportBand& detail = report.bands[1];
    detail.addLabel(QStringLiteral("area"), QString(), QRectF(0, 5, 40, 4), arial10);
    detail.addLabel(QStringLiteral("after"), QStringLiteral("danach"), QRectF(0, 9, 40, 4),
                    arial10);
    detail.beforePrint = [](ReportBandContext& context) {
        const double area = context.row()->number(QStringLiteral("Flaeche"));
        context.setCaption(QStringLiteral("area"), area > 0 ? QStringLiteral("groß") : QString());
    };
    const ReportDocument document = report.layout(&rows);
    const ReportPage& page = document.pages.first();
    QCOMPARE(page.allTexts().count(QStringLiteral("groß")), 2);
    QList<double> afterTops;
    for (const ReportText& text : page.texts) {
        if (text.text == QStringLiteral("danach"))
            afterTops << text.box.top();
    }
    QCOMPARE(afterTops, QList<double>({39.0, 49.0, 59.0}));
}

void TestReportEngine::fieldsFollowTheirMasks() {
    Query& rows = m_w->dm->DruckQuery();
    rows.setSql({QStringLiteral("select * from parzelle order by nr")});
    QVERIFY(rows.open());
    BandedReport report = plotList();
    const ReportPage page = report.layout(&rows).pages.first();
    // 1: -3,00; 10: empty total prints nothing; 2: 12,50
    QCOMPARE(page.allTexts(),
             QStringList({QStringLiteral("Parzellenliste"), QStringLiteral("1"),
                          QStringLiteral("1"), QStringLiteral("-3,00"), QStringLiteral("10"),
                          QStringLiteral("2"), QStringLiteral("12,50")}));
    QCOMPARE(page.find(QStringLiteral("12,50"))->alignment & Qt::AlignRight, Qt::AlignRight);
}

void TestReportEngine::pageHeaderShowsTheRowOfItsPage() {
    Query& rows = m_w->dm->DruckQuery();
    rows.setSql({QStringLiteral("select * from parzelle order by nr")});
    QVERIFY(rows.open());
    BandedReport report = plotList();
    report.bands[0].addField(QStringLiteral("Name"), {}, QRectF(80, 0, 40, 6), arial10);
    ReportBand& group = report.addBand(ReportBand::Kind::GroupHeader, 0);
    group.groupKey = [](const Query& row) { return row.value(QStringLiteral("Nr")); };
    group.forceNewPage = true;
    std::swap(report.bands[1], report.bands[2]);
    const ReportDocument document = report.layout(&rows);
    QVERIFY(document.pages.at(0).find(QStringLiteral("Eins")));
    QVERIFY(document.pages.at(2).find(QStringLiteral("Zwei")));
}

void TestReportEngine::pdfPutsTextsWhereTheDocumentSays() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ReportDocument document;
    ReportPage page;
    page.texts << ReportText{QRectF(69.4, 212.1, 60, 6), QStringLiteral("Sonnenblick"),
                             ReportFont{QStringLiteral("Lucida Sans Typewriter"), 12, false, false},
                             Qt::AlignLeft | Qt::AlignTop};
    page.texts << ReportText{QRectF(100, 50, 68.3, 5), QStringLiteral("135,00"),
                             ReportFont{QStringLiteral("Arial"), 10, true, false},
                             Qt::AlignRight | Qt::AlignTop};
    document.pages << page;
    const QString pdf = m_w->folder.path() + QStringLiteral("/probe.pdf");
    QCOMPARE(ReportRenderer::writePdf(document, pdf), QString());

    QProcess process;
    process.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    const auto box = [&](const QString& word) {
        const QRegularExpression re(
            QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                           "yMax=\"([0-9.]+)\">%1<")
                .arg(QRegularExpression::escape(word)));
        const QRegularExpressionMatch match = re.match(html);
        const double mm = 25.4 / 72;
        return QRectF(
            QPointF(match.captured(1).toDouble() * mm, match.captured(2).toDouble() * mm),
            QPointF(match.captured(3).toDouble() * mm, match.captured(4).toDouble() * mm));
    };
    const QRectF name = box(QStringLiteral("Sonnenblick"));
    QVERIFY2(qAbs(name.left() - 69.4) <= 0.3, qPrintable(QString::number(name.left())));
    QVERIFY2(qAbs(name.top() - 212.1) <= 0.3, qPrintable(QString::number(name.top())));
    const QRectF amount = box(QStringLiteral("135,00"));
    QVERIFY2(qAbs(amount.right() - 168.3) <= 0.3, qPrintable(QString::number(amount.right())));
}

void TestReportEngine::codesArePrintedAsSquaresAScannerReads() {
    Query& rows = m_w->dm->DruckQuery();
    rows.setSql({QStringLiteral("select * from parzelle order by nr")});
    QVERIFY(rows.open());
    BandedReport report = plotList();
    // Plot 2 gets no code: an empty text prints nothing.
    report.bands[1].addQrCode(
        [](const Query& row) {
            const QString nr = row.text(QStringLiteral("Nr"));
            return nr == QStringLiteral("2") ? QString()
                                             : QStringLiteral("Parzelle %1\nGrüße").arg(nr);
        },
        QRectF(120, 2, 30, 30));
    report.bands[1].height = 40;
    ReportBand& group = report.addBand(ReportBand::Kind::GroupHeader, 0);
    group.groupKey = [](const Query& row) { return row.value(QStringLiteral("Nr")); };
    group.forceNewPage = true;
    std::swap(report.bands[1], report.bands[2]);
    const ReportDocument document = report.layout(&rows);
    QCOMPARE(document.pages.size(), 3);
    QVERIFY(document.pages.at(2).codes.isEmpty());
    const ReportCode& code = document.pages.at(1).codes.value(0);
    // Placed in the band below the 20 mm header, from the 10 mm margins.
    QCOMPARE(code.box, QRectF(130, 32, 30, 30));
    QCOMPARE(code.text, QStringLiteral("Parzelle 10\nGrüße"));
    // 19 bytes need version 2 (25 modules) at level M; version 1 holds 14.
    QCOMPARE(code.modules, 25);
    QCOMPARE(code.dark.size(), 25 * 25);
    QCOMPARE(code.moduleSize(), 30.0 / 33);
    // The finder pattern's corner is dark, the module inside its white ring light.
    QVERIFY(code.isDark(0, 0));
    QVERIFY(!code.isDark(1, 1));

    // On screen every module shows its own colour: no square lost, none added.
    const double dotsPerMillimetre = 10;
    QImage sheet(2100, 2970, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    ReportRenderer::paintPage(painter, document.pages.at(1), dotsPerMillimetre * 25.4);
    painter.end();
    int wrong = 0;
    for (int y = 0; y < code.modules; ++y) {
        for (int x = 0; x < code.modules; ++x) {
            const QPointF centre =
                (code.box.topLeft() +
                 QPointF(code.quietZone + x + 0.5, code.quietZone + y + 0.5) * code.moduleSize()) *
                dotsPerMillimetre;
            const bool dark = qGray(sheet.pixel(centre.toPoint())) < 128;
            wrong += dark != code.isDark(x, y);
        }
    }
    QCOMPARE(wrong, 0);

    const QString pdf = m_w->folder.path() + QStringLiteral("/codes.pdf");
    QCOMPARE(ReportRenderer::writePdf(document, pdf), QString());
    QString error;
    bool skipped = false;
    const QByteArray first = readCode(pdf, 1, &error, &skipped);
    if (skipped)
        QSKIP(qPrintable(error));
    QCOMPARE(error, QString());
    QCOMPARE(first, QByteArray("Parzelle 1\nGr\xc3\xbc\xc3\x9f"
                               "e"));
    QCOMPARE(readCode(pdf, 2, &error), QByteArray("Parzelle 10\nGr\xc3\xbc\xc3\x9f"
                                                  "e"));
    QCOMPARE(readCode(pdf, 3, &error), QByteArray());
    QCOMPARE(error, QString());
}

void TestReportEngine::pagesKnowWhichPartTheyBelongTo() {
    Query& rows = m_w->dm->DruckQuery();
    rows.setSql({QStringLiteral("select * from parzelle order by nr")});
    QVERIFY(rows.open());
    BandedReport report = plotList();
    report.partTitle = QStringLiteral("Liste 2026");
    report.partLabel = [](const Query& row) {
        return QStringLiteral("Parz. ") + row.text(QStringLiteral("Nr")) + u' ' +
               row.text(QStringLiteral("Name"));
    };
    ReportBand& group = report.addBand(ReportBand::Kind::GroupHeader, 0);
    group.groupKey = [](const Query& row) { return row.value(QStringLiteral("Nr")); };
    group.forceNewPage = true;
    std::swap(report.bands[1], report.bands[2]);
    const ReportDocument document = report.layout(&rows);
    QCOMPARE(document.partTitle, QStringLiteral("Liste 2026"));
    const QList<ReportPart> parts = document.parts();
    QCOMPARE(parts.size(), 3);
    QCOMPARE(parts.at(0).label, QStringLiteral("Parz. 1 Eins"));
    QCOMPARE(parts.at(2).label, QStringLiteral("Parz. 2 Zwei"));
    QCOMPARE(parts.at(2).pages, QList<int>({2}));
    const ReportDocument second = document.pagesOf(parts.at(1).pages);
    QCOMPARE(second.pages.size(), 1);
    QVERIFY(second.pages.first().find(QStringLiteral("10")));

    // Without a label nothing is a part, and an empty query gives none.
    report.partLabel = nullptr;
    QVERIFY(report.layout(&rows).parts().isEmpty());
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
