#include "support/scriptedinteraction.h"
#include "support/testfolder.h"

#include "framework/reportpreview.h"

#include <QFile>
#include <QLabel>
#include <QTest>

// The preview pages through a report and saves exactly its pages as PDF.
class TestReportPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pagesAndSaving();
};

void TestReportPreview::pagesAndSaving() {
    TestFolder folder;
    ReportDocument document;
    document.title = QStringLiteral("Jahresabrechnung");
    for (int i = 1; i <= 3; ++i) {
        ReportPage page;
        page.texts << ReportText{QRectF(20, 20, 50, 6), QStringLiteral("Seite %1").arg(i),
                                 ReportFont(), Qt::AlignLeft | Qt::AlignTop};
        document.pages << page;
    }
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
}

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
