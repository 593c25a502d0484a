#include "support/scriptedinteraction.h"
#include "support/testfolder.h"

#include "framework/partpdfexport.h"

#include <QDir>
#include <QFile>
#include <QTest>

// One PDF file per member: a file for each part of a report, named after it, with just its
// pages, and nothing replaced without asking.
class TestPartPdfExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fileNamesHoldOnlyWhatFilesMay_data();
    void fileNamesHoldOnlyWhatFilesMay();
    void onePdfPerPartWithItsPages();
    void existingFilesAreReplacedOnlyOnTheUsersWord();
    void cancelledFolderWritesNothing();

private:
    ReportDocument m_document;
    TestFolder* m_folder = nullptr;
};

namespace {

ReportPage page(const QString& text, const QString& part) {
    ReportPage page;
    page.texts << ReportText{QRectF(20, 20, 80, 6), text, ReportFont(),
                             Qt::AlignLeft | Qt::AlignTop};
    page.partLabel = part;
    return page;
}

int pageCount(const QString& path) {
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray content = pdf.readAll();
    return int(content.count("/Type /Page\n") + content.count("/Type /Page\r"));
}

} // namespace

void TestPartPdfExport::init() {
    m_folder = new TestFolder;
    m_document = ReportDocument();
    m_document.title = QStringLiteral("Jahresabrechnung");
    m_document.partTitle = QStringLiteral("Jahresabrechnung 2026");
    m_document.pages << page(QStringLiteral("Eins"), QStringLiteral("Parz. 1 Lange"))
                     << page(QStringLiteral("Zehn, Seite 1"), QStringLiteral("Parz. 10 Groß"))
                     << page(QStringLiteral("Zehn, Seite 2"), QStringLiteral("Parz. 10 Groß"))
                     << page(QStringLiteral("Zwei"), QStringLiteral("Parz. 2/3 Ost: \"Süd\""));
}

void TestPartPdfExport::cleanup() {
    delete m_folder;
}

void TestPartPdfExport::fileNamesHoldOnlyWhatFilesMay_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QStringLiteral("Parz. 16 Lange")
                           << QStringLiteral("1. Mahnung 2026 Parz. 16 Lange.pdf");
    QTest::newRow("umlauts kept") << QStringLiteral("Parz. 4 Müller-Lüdenscheid")
                                  << QStringLiteral(
                                         "1. Mahnung 2026 Parz. 4 Müller-Lüdenscheid.pdf");
    QTest::newRow("slash and colon")
        << QStringLiteral("Parz. 2/3 A:B") << QStringLiteral("1. Mahnung 2026 Parz. 2_3 A_B.pdf");
    QTest::newRow("Windows' others") << QStringLiteral("Parz. 5 <*?|\\\">")
                                     << QStringLiteral("1. Mahnung 2026 Parz. 5 _______.pdf");
    QTest::newRow("tab and trailing dot")
        << QStringLiteral("Parz. 6\tWeg.") << QStringLiteral("1. Mahnung 2026 Parz. 6 Weg.pdf");
}

void TestPartPdfExport::fileNamesHoldOnlyWhatFilesMay() {
    QFETCH(QString, label);
    QFETCH(QString, expected);
    QCOMPARE(PartPdfExport::fileName(QStringLiteral("1. Mahnung 2026"), label), expected);
}

void TestPartPdfExport::onePdfPerPartWithItsPages() {
    // Two plots whose names differ only in a forbidden character would share a file.
    m_document.pages << page(QStringLiteral("Drei"), QStringLiteral("Parz. 2:3 Ost: \"Süd\""));
    ScriptedInteraction interaction;
    PartPdfExport saving(m_document, interaction);
    const QStringList names = {
        QStringLiteral("Jahresabrechnung 2026 Parz. 1 Lange.pdf"),
        QStringLiteral("Jahresabrechnung 2026 Parz. 10 Groß.pdf"),
        QStringLiteral("Jahresabrechnung 2026 Parz. 2_3 Ost_ _Süd_.pdf"),
        QStringLiteral("Jahresabrechnung 2026 Parz. 2_3 Ost_ _Süd_ (2).pdf")};
    QCOMPARE(saving.fileNames(), names);

    interaction.files = {m_folder->path()};
    QCOMPARE(saving.run(), 4);
    QCOMPARE(interaction.questions, QStringList());
    QCOMPARE(interaction.errors, QStringList());
    QCOMPARE(interaction.messages.size(), 1);
    QVERIFY(interaction.messages.first().startsWith(QStringLiteral("4 PDF-Dateien")));
    // The progress window goes before the closing message can be answered.
    QCOMPARE(interaction.events(),
             QStringList({QStringLiteral("[Datei]"),
                          QStringLiteral("[Fortschritt: Einzeln als PDF speichern]"),
                          QStringLiteral("[Fortschritt zu]"), interaction.messages.first()}));
    QCOMPARE(interaction.progress, QList<int>({0, 0, 25, 50, 75}));
    const QDir dir(m_folder->path());
    QCOMPARE(pageCount(dir.filePath(names.at(0))), 1);
    QCOMPARE(pageCount(dir.filePath(names.at(1))), 2);
    QCOMPARE(pageCount(dir.filePath(names.at(2))), 1);
    QCOMPARE(pageCount(dir.filePath(names.at(3))), 1);
}

void TestPartPdfExport::existingFilesAreReplacedOnlyOnTheUsersWord() {
    const QDir dir(m_folder->path());
    const QStringList older = {QStringLiteral("Jahresabrechnung 2026 Parz. 1 Lange.pdf"),
                               QStringLiteral("Jahresabrechnung 2026 Parz. 10 Groß.pdf")};
    for (const QString& name : older) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("älter");
    }
    ScriptedInteraction interaction;
    PartPdfExport saving(m_document, interaction);
    interaction.answers = {false};
    QCOMPARE(saving.saveInto(m_folder->path()), 0);
    // Asked once for both, and on "no" nothing is written at all.
    QCOMPARE(interaction.questions.size(), 1);
    QVERIFY(interaction.questions.first().contains(QStringLiteral("2 der Dateien")));
    QVERIFY(!dir.exists(QStringLiteral("Jahresabrechnung 2026 Parz. 2_3 Ost_ _Süd_.pdf")));
    QFile kept(dir.filePath(older.first()));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("älter"));

    interaction.clear();
    interaction.answers = {true};
    QCOMPARE(saving.saveInto(m_folder->path()), 3);
    QCOMPARE(interaction.questions.size(), 1);
    QCOMPARE(pageCount(dir.filePath(older.at(1))), 2);
}

void TestPartPdfExport::cancelledFolderWritesNothing() {
    ScriptedInteraction interaction;
    QCOMPARE(PartPdfExport(m_document, interaction).run(), 0);
    QCOMPARE(interaction.fileRequests.size(), 1);
    QVERIFY(interaction.said().isEmpty());
    QVERIFY(QDir(m_folder->path()).entryList(QDir::Files).isEmpty());

    // A document without parts offers no saving one by one.
    QVERIFY(PartPdfExport::isPossible(m_document));
    m_document.partTitle.clear();
    QVERIFY(!PartPdfExport::isPossible(m_document));
}

QTEST_MAIN(TestPartPdfExport)
#include "tst_partpdfexport.moc"
