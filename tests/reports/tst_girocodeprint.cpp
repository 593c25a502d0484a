#include "support/codereader.h"
#include "support/workspace.h"

#include "demodata.h"

#include "framework/partpdfexport.h"
#include "framework/reportrenderer.h"
#include "plots/billingrun.h"
#include "reports/letterparts.h"
#include "reports/statements.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The GiroCode as a member meets it: printed on every statement of the demo association, in
// both layouts, where it covers nothing, and scanned back from the PDF to exactly the
// transfer the page asks for; and the statements saved as one PDF per plot.
class TestGiroCodePrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void scannedCodesAreThePagesTransfers_data();
    void scannedCodesAreThePagesTransfers();
    void noCodeWhereNoValidTransfer();
    void onePdfPerPlot();

private:
    // Runs the billing on the demo data; the statements it shows, in the given layout.
    ReportDocument billedStatements(StatementLayout layout);

    TestFolder* m_folder = nullptr;
    ScriptedInteraction* m_interaction = nullptr;
    DM1* m_dm = nullptr;
    QString m_year;
};

namespace {

const ReportText* textAt(const ReportPage& page, double x, double y, const QString& family) {
    for (const ReportText& text : page.texts) {
        if (qAbs(text.box.left() - x) < 0.05 && qAbs(text.box.top() - y) < 0.05 &&
            text.font.family == family)
            return &text;
    }
    return nullptr;
}

// The invoice total as the page prints it, "  1234,56" → "1234.56".
QString printedTotal(const ReportPage& page) {
    for (const ReportText& text : page.texts) {
        if (text.font.pointSize == 11 && text.font.bold && text.text.contains(u','))
            return text.text.trimmed().replace(u',', u'.');
    }
    return {};
}

// What is printed where the code stands, or nothing: texts, rules and frames.
QString coveredBy(const ReportPage& page, const QRectF& code) {
    for (const ReportText& text : page.texts) {
        if (text.box.intersects(code))
            return text.text;
    }
    for (const ReportLine& line : page.lines) {
        if (QRectF(line.line.p1(), line.line.p2())
                .normalized()
                .adjusted(-0.1, -0.1, 0.1, 0.1)
                .intersects(code))
            return QStringLiteral("a rule");
    }
    for (const ReportFrame& frame : page.frames) {
        if (frame.box.intersects(code))
            return QStringLiteral("a frame");
    }
    return {};
}

// The boxes of the pre-printed transfer form that its fields are written into, on the sheet:
// from each field's position to the form's right edge, one line high.
QList<QRectF> transferFormBoxes() {
    const LetterParts::TransferFormPositions at;
    QList<QRectF> boxes;
    for (double y :
         {at.recipientY, at.ibanY, at.bicY, at.referenceY, at.secondReferenceY, at.payerY})
        boxes << QRectF(at.left, y, 160 - at.left, 5.5);
    boxes << QRectF(at.amount, QSizeF(40, 5.5)) << QRectF(at.date, QSizeF(30, 5.5));
    return boxes;
}

} // namespace

void TestGiroCodePrint::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestGiroCodePrint::init() {
    m_folder = new TestFolder;
    m_interaction = new ScriptedInteraction;
    QCOMPARE(DemoData::write(m_folder->databasePath(), DemoData::Options()), QString());
    // An umlaut in the name, as many associations have.
    m_folder->execute({QStringLiteral("UPDATE param SET Verein = 'Kleingärtnerverein "
                                      "Sonnenblick e.V.', varzahlgrd = 'Jahresrechnung'")});
    m_dm = new DM1(*m_interaction);
    QVERIFY(m_dm->connectDatabase());
}

void TestGiroCodePrint::cleanup() {
    delete m_dm;
    delete m_interaction;
    delete m_folder;
}

ReportDocument TestGiroCodePrint::billedStatements(StatementLayout layout) {
    ReportDocument document;
    BillingRun run(*m_dm, *m_interaction);
    run.setShowStatements([&](Query& rows, const QString& year, const StatementOptions& options) {
        m_year = year;
        document = Statements::layout(rows, year, options);
    });
    BillingOptions options;
    options.statementLayout = layout;
    if (run.run(options) != BillingRun::Outcome::Completed)
        qWarning("%s", qPrintable(m_interaction->said().join(u'\n')));
    return document;
}

void TestGiroCodePrint::scannedCodesAreThePagesTransfers_data() {
    QTest::addColumn<bool>("second");
    QTest::newRow("with transfer form") << false;
    QTest::newRow("without transfer form") << true;
}

void TestGiroCodePrint::scannedCodesAreThePagesTransfers() {
    QFETCH(bool, second);
    const ReportDocument document = billedStatements(second ? StatementLayout::WithoutTransferForm
                                                            : StatementLayout::WithTransferForm);
    QCOMPARE(document.pages.size(), DemoData::Options().plots);

    // Every page has its code, at least 25 mm wide, clear of everything printed.
    for (const ReportPage& page : document.pages) {
        QCOMPARE(page.codes.size(), 1);
        const QRectF code = page.codes.first().box;
        QVERIFY(code.width() >= 25.0);
        QVERIFY(code.right() <= 200.0 && code.top() >= 10.0);
        const QString covered = coveredBy(page, code);
        QVERIFY2(covered.isEmpty(), qPrintable(page.partLabel + u' ' + covered));
        for (const QRectF& field : transferFormBoxes())
            QVERIFY(!field.intersects(code));
        QVERIFY(page.find(QStringLiteral("GiroCode – mit der Banking-App scannen")));
    }

    // Scanned from the PDF, a code is exactly the transfer its page asks for: the form's
    // recipient, account and reference (on the second layout: the same text), and the total.
    const QList<int> sample = {0, 1, int(document.pages.size()) - 1};
    const QString pdf = m_folder->path() + QStringLiteral("/sample.pdf");
    QCOMPARE(ReportRenderer::writePdf(document.pagesOf(sample), pdf), QString());
    for (int i = 0; i < sample.size(); ++i) {
        const ReportPage& page = document.pages.at(sample.at(i));
        const QString nr = page.partLabel.section(u' ', 1, 1);
        if (!second) {
            const QString form = QStringLiteral("Lucida Sans Typewriter");
            QCOMPARE(textAt(page, 128.4, 246.0, form)->text, nr);
            QCOMPARE(textAt(page, 97.2, 246.0, form)->text, m_year);
            QCOMPARE(textAt(page, 69.4, 212.1, form)->text,
                     QStringLiteral("Kleingärtnerverein Sonnenblick e.V."));
            QCOMPARE(textAt(page, 69.4, 220.3, form)->text,
                     QStringLiteral("DE98170560000004712839"));
        }
        const QString expected =
            QStringList{QStringLiteral("BCD"),
                        QStringLiteral("002"),
                        QStringLiteral("1"),
                        QStringLiteral("SCT"),
                        QStringLiteral("SBLKDEF1STR"),
                        QStringLiteral("Kleingärtnerverein Sonnenblick e.V."),
                        QStringLiteral("DE98170560000004712839"),
                        QStringLiteral("EUR") + printedTotal(page),
                        QString(),
                        QString(),
                        QStringLiteral("Abrechng. %1 Parz. %2 Jahresrechnung").arg(m_year, nr)}
                .join(u'\n');
        QString error;
        bool skipped = false;
        const QByteArray scanned = readCode(pdf, i + 1, &error, &skipped);
        if (skipped)
            QSKIP(qPrintable(error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(QString::fromUtf8(scanned), expected);
    }
}

void TestGiroCodePrint::noCodeWhereNoValidTransfer() {
    const auto execute = [&](const QString& sql) {
        return m_dm->parzelleADOConnection().execute(sql);
    };
    Query& rows = m_dm->DruckQuery();
    const auto layout = [&] {
        rows.setSql({QStringLiteral("select * from parzelle,param,nfelder"),
                     QStringLiteral("order by nr")});
        rows.open();
        return Statements::layout(rows, QStringLiteral("2026"), StatementOptions());
    };
    // The first plot has nothing to pay, the second is owed money back.
    QCOMPARE(execute(QStringLiteral("UPDATE parzelle SET gesamt = 0 WHERE Nr = "
                                    "(SELECT Nr FROM parzelle ORDER BY Nr LIMIT 1)")),
             QString());
    QCOMPARE(execute(QStringLiteral("UPDATE parzelle SET gesamt = -12.5 WHERE Nr = "
                                    "(SELECT Nr FROM parzelle ORDER BY Nr LIMIT 1 OFFSET 1)")),
             QString());
    QCOMPARE(execute(QStringLiteral("UPDATE parzelle SET gesamt = 80.4 WHERE Nr = "
                                    "(SELECT Nr FROM parzelle ORDER BY Nr LIMIT 1 OFFSET 2)")),
             QString());
    ReportDocument document = layout();
    QVERIFY(document.pages.at(0).codes.isEmpty());
    QVERIFY(document.pages.at(1).codes.isEmpty());
    QVERIFY(!document.pages.at(1).find(QStringLiteral("GiroCode – mit der Banking-App scannen")));
    QCOMPARE(document.pages.at(2).codes.size(), 1);
    QVERIFY(document.pages.at(2).codes.first().text.contains(QStringLiteral("\nEUR80.40\n")));

    // An IBAN that fails its check prints no code; the form still prints it as typed.
    QCOMPARE(execute(QStringLiteral("UPDATE param SET Bank = 'DE98170560000004712830'")),
             QString());
    document = layout();
    QVERIFY(document.pages.at(2).codes.isEmpty());
    QVERIFY(document.pages.at(2).find(QStringLiteral("DE98170560000004712830")));

    // Nor when the treasurer has turned the code off.
    QCOMPARE(execute(QStringLiteral("UPDATE param SET Bank = 'DE98170560000004712839', z25 = 2")),
             QString());
    QVERIFY(layout().pages.at(2).codes.isEmpty());
}

void TestGiroCodePrint::onePdfPerPlot() {
    const ReportDocument document = billedStatements(StatementLayout::WithTransferForm);
    QCOMPARE(document.partTitle, QStringLiteral("Jahresabrechnung ") + m_year);
    const QDir dir(m_folder->path() + QStringLiteral("/einzeln"));
    QVERIFY(dir.mkpath(QStringLiteral(".")));
    PartPdfExport saving(document, *m_interaction);
    QCOMPARE(saving.saveInto(dir.path()), int(document.pages.size()));

    const QStringList files = dir.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    QCOMPARE(files.size(), document.pages.size());
    for (const ReportPage& page : document.pages) {
        // "Parz. 16 Lange": the plot's heading and the tenant's name on the page.
        const QString name =
            QStringLiteral("Jahresabrechnung %1 %2.pdf").arg(m_year, page.partLabel);
        QVERIFY2(files.contains(name), qPrintable(name));
        QVERIFY(page.find(page.partLabel.section(u' ', 2)));
        QFile pdf(dir.filePath(name));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray content = pdf.readAll();
        QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
    }
}

QTEST_MAIN(TestGiroCodePrint)
#include "tst_girocodeprint.moc"
