#include "support/workspace.h"

#include "plots/addresscommands.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QXmlStreamReader>

#include <csignal>
#include <sys/resource.h>

// The address export: a row-set file a spreadsheet program reads, written only on the
// treasurer's word and never at the cost of the previous export.
class TestAddressExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void exportDeclaresTheColumnsAndCarriesEveryPlotUnchanged();
    void answeredNoWritesNothing();
    void emptyRegisterWritesTheSchemaWithoutRows();
    void secondExportReplacesTheFirst();
    void folderInPlaceOfTheFileIsReported();
    void failedWriteKeepsThePreviousExport();
    void failedReadKeepsThePreviousExport();

private:
    bool exportAnswering(bool yes, const QString& filePath = QStringLiteral("Export.xls"));

    Workspace* m_w = nullptr;
};

namespace {

const QString exportNotice =
    QStringLiteral("Die Daten werden jetzt in der Datei \"Export\" gespeichert");
const QString sNamespace = QStringLiteral("uuid:BDC6E3F0-6DA3-11d1-A2A3-00C04FD6CE36");
const QString dtNamespace = QStringLiteral("uuid:C2F41010-65B3-11d1-A29F-00AA00C14882");
const QString rsNamespace = QStringLiteral("urn:schemas-microsoft-com:rowset");
const QString zNamespace = QStringLiteral("#RowsetSchema");

// What a reader of the file finds in it.
struct RowSet {
    QString error;       // empty when the file is well-formed
    QStringList columns; // name:type:maxLength, in declared order
    QList<QXmlStreamAttributes> rows;
};

RowSet readRowSet(const QString& path) {
    RowSet result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    QXmlStreamReader xml(&file);
    QString column;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.namespaceUri() == sNamespace && xml.name() == u"AttributeType") {
            column = xml.attributes().value(QStringLiteral("name")).toString();
        } else if (xml.namespaceUri() == sNamespace && xml.name() == u"datatype") {
            result.columns << QStringLiteral("%1:%2:%3")
                                  .arg(column,
                                       xml.attributes().value(dtNamespace, QStringLiteral("type")),
                                       xml.attributes().value(dtNamespace,
                                                              QStringLiteral("maxLength")));
        } else if (xml.namespaceUri() == zNamespace && xml.name() == u"row") {
            result.rows << xml.attributes();
        }
    }
    if (xml.hasError())
        result.error = xml.errorString();
    return result;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files may grow no larger than this while it lives, as on a full disk; root cannot write
// past it either.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

void TestAddressExport::init() {
    m_w = new Workspace;
}

void TestAddressExport::cleanup() {
    delete m_w;
}

bool TestAddressExport::exportAnswering(bool yes, const QString& filePath) {
    m_w->interaction.clear();
    m_w->interaction.answers = {yes};
    AddressCommands::exportAddresses(*m_w->dm, m_w->interaction, filePath);
    return m_w->interaction.errors.isEmpty();
}

void TestAddressExport::exportDeclaresTheColumnsAndCarriesEveryPlotUnchanged() {
    m_w->execute(QStringLiteral(
        "INSERT INTO parzelle (Nr, Name, Vorname, Anschrift, Ort, PLZ, telefon) VALUES "
        "('2', 'Müller & Söhne', 'Jürgen \"Jo\"', 'Am Weiher 12', 'Leipzig', '04229', NULL), "
        "('10', 'O''Brien <Gast>', 'Ärmel', 'Große Straße 1a', 'Köln', '50667', "
        "'0221 12345')"));
    QVERIFY(exportAnswering(true));
    QCOMPARE(m_w->interaction.said(),
             QStringList({QStringLiteral("Daten exportieren?"), exportNotice}));

    const RowSet file = readRowSet(QStringLiteral("Export.xls"));
    QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
    QCOMPARE(file.columns,
             QStringList({QStringLiteral("nr:string:8"), QStringLiteral("name:string:50"),
                          QStringLiteral("vorname:string:50"),
                          QStringLiteral("anschrift:string:50"), QStringLiteral("ort:string:50"),
                          QStringLiteral("plz:string:5"), QStringLiteral("telefon:string:15")}));
    QCOMPARE(file.rows.size(), 2);
    // Text order of the numbers: 10 before 2.
    const QXmlStreamAttributes& ten = file.rows.first();
    QCOMPARE(ten.value(QStringLiteral("nr")), QStringLiteral("10"));
    QCOMPARE(ten.value(QStringLiteral("name")), QStringLiteral("O'Brien <Gast>"));
    QCOMPARE(ten.value(QStringLiteral("vorname")), QStringLiteral("Ärmel"));
    QCOMPARE(ten.value(QStringLiteral("telefon")), QStringLiteral("0221 12345"));
    const QXmlStreamAttributes& two = file.rows.last();
    QCOMPARE(two.value(QStringLiteral("name")), QStringLiteral("Müller & Söhne"));
    QCOMPARE(two.value(QStringLiteral("vorname")), QStringLiteral("Jürgen \"Jo\""));
    QCOMPARE(two.value(QStringLiteral("plz")), QStringLiteral("04229"));
    QVERIFY(!two.hasAttribute(QStringLiteral("telefon")));
}

void TestAddressExport::answeredNoWritesNothing() {
    QVERIFY(exportAnswering(false));
    QCOMPARE(m_w->interaction.said(), QStringList{QStringLiteral("Daten exportieren?")});
    QVERIFY(!QFile::exists(QStringLiteral("Export.xls")));
}

void TestAddressExport::emptyRegisterWritesTheSchemaWithoutRows() {
    QVERIFY(exportAnswering(true));
    const RowSet file = readRowSet(QStringLiteral("Export.xls"));
    QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
    QCOMPARE(file.columns.size(), 7);
    QVERIFY(file.rows.isEmpty());
}

void TestAddressExport::secondExportReplacesTheFirst() {
    m_w->execute(QStringLiteral("INSERT INTO parzelle (Nr, Name) VALUES ('1', 'Erster')"));
    QVERIFY(exportAnswering(true));
    m_w->execute(QStringLiteral("UPDATE parzelle SET Name = 'Zweiter'"));
    QVERIFY(exportAnswering(true));
    const RowSet file = readRowSet(QStringLiteral("Export.xls"));
    QCOMPARE(file.rows.size(), 1);
    QCOMPARE(file.rows.first().value(QStringLiteral("name")), QStringLiteral("Zweiter"));
    // No temporary file is left beside it.
    QCOMPARE(QDir().entryList({QStringLiteral("Export.xls*")}, QDir::Files),
             QStringList{QStringLiteral("Export.xls")});
}

void TestAddressExport::folderInPlaceOfTheFileIsReported() {
    QVERIFY(QDir().mkdir(QStringLiteral("Export.xls")));
    QVERIFY(!exportAnswering(true));
    QCOMPARE(m_w->interaction.errors.size(), 1);
    QVERIFY2(m_w->interaction.errors.first().startsWith(
                 QStringLiteral("Die Datei „Export.xls“ konnte nicht geschrieben werden")),
             qPrintable(m_w->interaction.errors.first()));
    QVERIFY(m_w->interaction.errors.first().contains(QStringLiteral("Ordner gleichen Namens")));
    QVERIFY(QFileInfo(QStringLiteral("Export.xls")).isDir());
    // A folder that does not exist fails the same way.
    QVERIFY(!exportAnswering(true, QStringLiteral("fehlt/Export.xls")));
}

void TestAddressExport::failedWriteKeepsThePreviousExport() {
    m_w->execute(QStringLiteral("INSERT INTO parzelle (Nr, Name) VALUES ('1', 'Erster')"));
    QVERIFY(exportAnswering(true));
    const QByteArray previous = contentOf(QStringLiteral("Export.xls"));
    QVERIFY(!previous.isEmpty());

    for (int nr = 2; nr <= 200; ++nr)
        m_w->execute(
            QStringLiteral("INSERT INTO parzelle (Nr, Name) VALUES ('%1', 'Pächter')").arg(nr));
    {
        const FileSizeLimit diskFull(rlim_t(previous.size()));
        QVERIFY(!exportAnswering(true));
    }
    QCOMPARE(m_w->interaction.errors.size(), 1);
    QVERIFY(m_w->interaction.errors.first().contains(QStringLiteral("bleibt unverändert")));
    QCOMPARE(contentOf(QStringLiteral("Export.xls")), previous);
    QCOMPARE(QDir().entryList({QStringLiteral("Export.xls*")}, QDir::Files),
             QStringList{QStringLiteral("Export.xls")});
}

void TestAddressExport::failedReadKeepsThePreviousExport() {
    m_w->execute(QStringLiteral("INSERT INTO parzelle (Nr, Name) VALUES ('1', 'Erster')"));
    QVERIFY(exportAnswering(true));
    const QByteArray previous = contentOf(QStringLiteral("Export.xls"));
    m_w->dm->parzelle().close();
    m_w->execute(QStringLiteral("ALTER TABLE parzelle RENAME COLUMN telefon TO tel"));
    QVERIFY(!exportAnswering(true));
    QVERIFY(m_w->interaction.errors.first().startsWith(
        QStringLiteral("Die Adressen konnten nicht gelesen werden")));
    QCOMPARE(contentOf(QStringLiteral("Export.xls")), previous);
}

QTEST_GUILESS_MAIN(TestAddressExport)
#include "tst_addressexport.moc"
