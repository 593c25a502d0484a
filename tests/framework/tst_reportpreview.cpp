#include "support/scriptedinteraction.h"
#include "support/testfolder.h"

#include "framework/reportpreview.h"

#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

// The preview pages through a report, saves exactly its pages as PDF and prints what the
// print dialog asked for.
class TestReportPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pagesAndSaving();
    void printingFollowsTheDialog_data();
    void printingFollowsTheDialog();
};

namespace {

ReportDocument threePages() {
    ReportDocument document;
    document.title = QStringLiteral("Jahresabrechnung");
    for (int i = 1; i <= 3; ++i) {
        ReportPage page;
        page.texts << ReportText{QRectF(20, 20, 50, 6), QStringLiteral("Seite %1").arg(i),
                                 ReportFont(), Qt::AlignLeft | Qt::AlignTop};
        document.pages << page;
    }
    return document;
}

// The page numbers printed on the sheets of a PDF file, sheet by sheet.
QList<int> sheetsOf(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!process.waitForFinished())
        return {};
    QList<int> sheets;
    const QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    static const QRegularExpression number(QStringLiteral("Seite (\\d+)"));
    for (const QString& page : pages) {
        const QRegularExpressionMatch match = number.match(page);
        if (match.hasMatch())
            sheets << match.captured(1).toInt();
    }
    return sheets;
}

} // namespace

void TestReportPreview::pagesAndSaving() {
    TestFolder folder;
    const ReportDocument document = threePages();
    ScriptedInteraction interaction;
    ReportPreview preview(document, interaction);
    preview.show();
    QCOMPARE(preview.currentPage(), 0);
    preview.showPage(5);
    QCOMPARE(preview.currentPage(), 2);
    QVERIFY(preview.width() <= 1366 && preview.height() <= 768);

    interaction.files = {folder.path() + QStringLiteral("/abrechnung")};
    preview.saveAsPdf();
    QFile pdf(folder.path() + QStringLiteral("/abrechnung.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 3);
    // An existing file is only replaced on the user's word.
    interaction.files = {pdf.fileName()};
    interaction.answers = {false};
    preview.saveAsPdf();
    QCOMPARE(interaction.questions.size(), 1);

    // Saving one file per member is offered only for a report made of members' parts.
    const auto offersParts = [](const ReportPreview& shown) {
        for (const QPushButton* button : shown.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("&Einzeln als PDF speichern…"))
                return true;
        }
        return false;
    };
    QVERIFY(!offersParts(preview));
    ReportDocument parts = threePages();
    parts.partTitle = QStringLiteral("Jahresabrechnung 2026");
    parts.pages[0].partLabel = QStringLiteral("Parz. 1 Lange");
    QVERIFY(offersParts(ReportPreview(parts, interaction)));
}

void TestReportPreview::printingFollowsTheDialog_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("collate");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QList<int>>("sheets");

    QTest::newRow("all pages") << int(QPrinter::AllPages) << 0 << 0 << 1 << true << false
                               << QList<int>{1, 2, 3};
    QTest::newRow("pages 2 to 3") << int(QPrinter::PageRange) << 2 << 3 << 1 << true << false
                                  << QList<int>{2, 3};
    // The preview shows page 2.
    QTest::newRow("current page") << int(QPrinter::CurrentPage) << 0 << 0 << 1 << true << false
                                  << QList<int>{2};
    QTest::newRow("two collated copies of 1 to 2")
        << int(QPrinter::PageRange) << 1 << 2 << 2 << true << false << QList<int>{1, 2, 1, 2};
    QTest::newRow("two uncollated copies of 1 to 2")
        << int(QPrinter::PageRange) << 1 << 2 << 2 << false << false << QList<int>{1, 1, 2, 2};
    QTest::newRow("three copies of all pages") << int(QPrinter::AllPages) << 0 << 0 << 3 << false
                                               << false << QList<int>{1, 1, 1, 2, 2, 2, 3, 3, 3};
    QTest::newRow("last page first, two collated copies")
        << int(QPrinter::AllPages) << 0 << 0 << 2 << true << true << QList<int>{3, 2, 1, 3, 2, 1};
}

void TestReportPreview::printingFollowsTheDialog() {
    QFETCH(int, range);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, copies);
    QFETCH(bool, collate);
    QFETCH(bool, reverse);
    QFETCH(QList<int>, sheets);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    TestFolder folder;
    ScriptedInteraction interaction;
    ReportPreview preview(threePages(), interaction);
    preview.showPage(1);

    // As the print dialog leaves the printer when "Druck in Datei (PDF)" is chosen.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = folder.path() + QStringLiteral("/druck.pdf");
    printer.setOutputFileName(pdf);
    printer.setPrintRange(QPrinter::PrintRange(range));
    if (range == QPrinter::PageRange)
        printer.setFromTo(from, to);
    printer.setCopyCount(copies);
    printer.setCollateCopies(collate);
    printer.setPageOrder(reverse ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
    preview.print(printer);

    QCOMPARE(interaction.errors, QStringList());
    QCOMPARE(sheetsOf(pdf), sheets);
    QCOMPARE(interaction.progress.last(), 100);
    QVERIFY(!interaction.isShowingProgress());
}

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
