#include "support/reportdump.h"
#include "support/workspace.h"

#include "reports/tadressen.h"

#include <QTest>

// The address list: every tenant on one line, in text order of the plot numbers, under the
// header with the association and the page number.
class TestAddressList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void listMatchesTheGoldenFile();
    void fullPageContinuesOnTheNextWithItsHeader();
    void noPlotsGiveOnePageWithTheHeaderOnly();

private:
    ReportDocument addressList();

    Workspace* m_w = nullptr;
};

namespace {

const QDate printDate(2026, 1, 15);

QString golden(const char* name) {
    return QStringLiteral(LUNETRA_GOLDEN_DIR "/") + QLatin1String(name);
}

} // namespace

void TestAddressList::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestAddressList::init() {
    m_w = new Workspace;
}

void TestAddressList::cleanup() {
    delete m_w;
}

ReportDocument TestAddressList::addressList() {
    Query& rows = m_w->dm->AdressenQuery();
    rows.setSql({QStringLiteral("select * from parzelle"), QStringLiteral("order by nr")});
    if (!rows.open())
        qWarning("%s", qPrintable(rows.lastError()));
    TAdressen report;
    return report.preview(rows, QStringLiteral("Gartenfreunde Sonnenblick e. V."), printDate);
}

void TestAddressList::listMatchesTheGoldenFile() {
    // Plot 10 comes before plot 2; a plot without telephone still has its line.
    m_w->execute(QStringLiteral(
        "INSERT INTO parzelle (Nr, Name, Vorname, Anschrift, PLZ, Ort, telefon) VALUES "
        "('2', 'Müller', 'Jürgen', 'Am Weiher 12', '04229', 'Leipzig', NULL), "
        "('10', 'Weiß & Söhne', 'Anna \"Anni\"', 'Große Straße 1a', '04109', 'Leipzig', "
        "'0341 987654'), "
        "('1', 'Özdemir', 'Şebnem', 'Lindenallee 3', '04315', 'Leipzig-Ost', '0176 5550123')"));
    const QString difference =
        compareWithGolden(dumpDocument(addressList()), golden("addresslist.txt"));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestAddressList::fullPageContinuesOnTheNextWithItsHeader() {
    for (int nr = 1; nr <= 30; ++nr)
        m_w->execute(QStringLiteral("INSERT INTO parzelle (Nr, Name) VALUES ('%1', 'Pächter')")
                         .arg(nr, 2, 10, QLatin1Char('0')));
    const ReportDocument document = addressList();
    QCOMPARE(document.pages.size(), 2);
    // 277 mm of page less the 15.6 mm header hold 28 lines of 9.3 mm.
    const ReportPage& first = document.pages.first();
    QVERIFY(first.find(QStringLiteral("28")));
    QVERIFY(!first.find(QStringLiteral("29")));
    const ReportPage& second = document.pages.last();
    QCOMPARE(
        second.allTexts().mid(0, 5),
        QStringList({QStringLiteral("Adressenverzeichnis"),
                     QStringLiteral("Gartenfreunde Sonnenblick e. V."), QStringLiteral("Seite"),
                     QStringLiteral("2"), QStringLiteral("15.01.2026")}));
    const ReportText* line29 = second.find(QStringLiteral("29"));
    QVERIFY(line29);
    QCOMPARE(line29->box.top(), 10 + 15.6);
}

void TestAddressList::noPlotsGiveOnePageWithTheHeaderOnly() {
    const ReportDocument document = addressList();
    QCOMPARE(document.pages.size(), 1);
    QCOMPARE(
        document.pages.first().allTexts(),
        QStringList({QStringLiteral("Adressenverzeichnis"),
                     QStringLiteral("Gartenfreunde Sonnenblick e. V."), QStringLiteral("Seite"),
                     QStringLiteral("1"), QStringLiteral("15.01.2026")}));
}

QTEST_GUILESS_MAIN(TestAddressList)
#include "tst_addresslist.moc"
