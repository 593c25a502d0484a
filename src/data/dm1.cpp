#include "data/dm1.h"

#include "data/customitemrules.h"
#include "data/engineerror.h"
#include "data/journalrules.h"
#include "data/newdatabase.h"
#include "data/plotrules.h"
#include "data/schemaupgrade.h"
#include "data/singlerowrules.h"
#include "data/vouchertyperules.h"

#include "data/interaction.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace {

const QString databaseFileName = QStringLiteral("parzelle.mdb");

QStringList lines(std::initializer_list<const char*> text) {
    QStringList result;
    for (const char* line : text)
        result << QString::fromLatin1(line);
    return result;
}

} // namespace

DM1::DM1(Interaction& interaction, QObject* parent)
    : QObject(parent)
    , m_interaction(interaction)
    , m_connection(QStringLiteral("parzelleADOConnection"))
    , m_plotRules(std::make_unique<PlotRules>(*this))
    , m_mainJournalRules(std::make_unique<JournalRules>(*this, JournalRules::Book::Main))
    , m_pettyJournalRules(std::make_unique<JournalRules>(*this, JournalRules::Book::Petty))
    , m_voucherTypeRules(std::make_unique<VoucherTypeRules>(*this))
    , m_parameterRules(std::make_unique<SingleRowRules>())
    , m_customItemRules(std::make_unique<CustomItemRules>(*this))
    , m_parzelle(new Table(m_connection, QStringLiteral("parzelle"), this))
    , m_param(new Table(m_connection, QStringLiteral("param"), this))
    , m_hauptkasse(new Table(m_connection, QStringLiteral("hauptkasse"), this))
    , m_handkasse(new Table(m_connection, QStringLiteral("handkasse"), this))
    , m_konto(new Table(m_connection, QStringLiteral("konto"), this))
    , m_anfanghaupt(new Table(m_connection, QStringLiteral("hauptanfangsw"), this))
    , m_anfanghand(new Table(m_connection, QStringLiteral("handanfangsw"), this))
    , m_syskonto(new Table(m_connection, QStringLiteral("syskonto"), this))
    , m_nfelder(new Table(m_connection, QStringLiteral("nfelder"), this))
    , m_druckQuery(m_connection, lines({"select * from parzelle,param,nfelder"}))
    , m_mahnquery(m_connection, lines({"select * from parzelle,param,nfelder"}))
    , m_parzupdateQuery(m_connection, lines({"select * from parzelle,param,nfelder"}))
    , m_parzcheckQuery(m_connection, lines({"select * from parzelle"}))
    , m_adressenQuery(m_connection, lines({"select * from parzelle"}))
    , m_sumparzquery(m_connection, lines({"select * from parzelle"}))
    , m_exportQuery(m_connection,
                    lines({"select name,vorname,anschrift,ort,plz,telefon", "from parzelle"}))
    , m_berichtQuery(m_connection, lines({"select * from hauptkasse"}))
    , m_deleteQuery(m_connection, lines({"select * from hauptkasse"}))
    , m_selectQuery(m_connection, lines({"select * from hauptkasse"}))
    , m_lookupQuery(m_connection, lines({"select * from hauptkasse"}))
    , m_sumQuery(m_connection, lines({"select * from hauptkasse"}))
    , m_baQuery(m_connection, lines({"select * from Hauptkasse,konto",
                                     "where hauptkasse.art=konto.art", "order by hauptkasse.art"}))
    , m_syskontoQuery(m_connection, lines({"select * from syskonto"}))
    , m_nfquery(m_connection, lines({"select * from nfelder"})) {
    m_parzelle->setRules(m_plotRules.get());
    m_hauptkasse->setRules(m_mainJournalRules.get());
    m_handkasse->setRules(m_pettyJournalRules.get());
    m_konto->setRules(m_voucherTypeRules.get());
    m_param->setRules(m_parameterRules.get());
    m_nfelder->setRules(m_customItemRules.get());
}

DM1::~DM1() {
    disconnectDatabase();
}

QList<Table*> DM1::tables() const {
    return {m_parzelle,    m_param,      m_hauptkasse, m_handkasse, m_konto,
            m_anfanghaupt, m_anfanghand, m_syskonto,   m_nfelder};
}

bool DM1::connectDatabase() {
    disconnectDatabase();
    const QString path = QDir::current().absoluteFilePath(databaseFileName);
    Database::OpenResult result = m_connection.open(path, Database::OpenMode::ExistingFile);
    if (result.status == Database::OpenStatus::Missing &&
        m_interaction.askYesNo(
            QStringLiteral("Im Arbeitsordner „%1“ gibt es keine Datenbank „%2“.\n"
                           "Soll eine neue, leere Datenbank angelegt werden?")
                .arg(QDir::toNativeSeparators(QDir::currentPath()), databaseFileName))) {
        result = m_connection.open(path, Database::OpenMode::CreateFile);
        if (result.ok()) {
            const QString error = NewDatabase::create(m_connection, QDate::currentDate().year());
            if (!error.isEmpty()) {
                m_connection.close();
                QFile::remove(path);
                result = {Database::OpenStatus::NotADatabase,
                          QStringLiteral("Die neue Datenbank konnte nicht angelegt werden:\n%1")
                              .arg(EngineError::describe(error))};
            }
        }
    }
    if (!result.ok()) {
        m_interaction.reportError(result.message);
        return false;
    }
    announceIfReadOnly();
    return reopenTables();
}

bool DM1::reopenTables() {
    closeTables();
    m_artcheck = false;
    SchemaUpgrade::run(m_connection);
    for (Table* table : tables()) {
        if (!table->open()) {
            m_interaction.reportError(
                QStringLiteral("...es konnte keine Verbindung zur ausgewählten Datei hergestellt "
                               "werden. Bitte versuchen Sie es erneut!"));
            return false;
        }
    }
    m_connection.stampVersion();
    return true;
}

void DM1::announceIfReadOnly() {
    const QString error = m_connection.tryWrite();
    if (error.isEmpty())
        return;
    // Said before anything is typed, so that nobody types a year's readings into a file that
    // keeps none of them.
    // A writable file in a write-protected folder cannot take its rollback journal, which the
    // engine reports as a file it cannot open.
    const QString folder = QFileInfo(m_connection.filePath()).absolutePath();
    const bool onlyFolderProtected =
        !QFileInfo(folder).isWritable() && QFileInfo(m_connection.filePath()).isWritable();
    const QString cause = onlyFolderProtected
                              ? QStringLiteral("Der Ordner „%1“ ist schreibgeschützt.\n\n(%2)")
                                    .arg(QDir::toNativeSeparators(folder), error)
                              : EngineError::describe(error);
    m_interaction.reportError(
        QStringLiteral("In der Datenbank „%1“ kann nichts gespeichert werden.\n%2\n\nSie können "
                       "die Daten ansehen und drucken. Was Sie ändern, wird erst gespeichert, "
                       "wenn die Ursache behoben ist; nach dem Aufheben eines Schreibschutzes "
                       "starten Sie Lunetra bitte neu.")
            .arg(QDir::toNativeSeparators(m_connection.filePath()), cause));
}

void DM1::disconnectDatabase() {
    const QString dropped = closeTables();
    m_connection.close();
    // A refusal by a record rule has been explained by the rule; the engine's is explained here.
    if (!dropped.isEmpty())
        m_interaction.reportError(
            QStringLiteral("Beim Schließen der Datenbank konnten die zuletzt bearbeiteten Daten "
                           "nicht gespeichert werden.\n%1")
                .arg(EngineError::describe(dropped)));
}

QString DM1::closeTables() {
    QString dropped;
    for (Table* table : tables()) {
        if (!table->close() && dropped.isEmpty())
            dropped = table->lastError();
    }
    for (Query* query :
         {&m_druckQuery, &m_mahnquery, &m_parzupdateQuery, &m_parzcheckQuery, &m_adressenQuery,
          &m_sumparzquery, &m_exportQuery, &m_berichtQuery, &m_deleteQuery, &m_selectQuery,
          &m_lookupQuery, &m_sumQuery, &m_baQuery, &m_syskontoQuery, &m_nfquery})
        query->close();
    return dropped;
}

bool DM1::isConnected() const {
    return m_connection.isOpen();
}

QString DM1::mainBookYear() {
    m_anfanghaupt->open();
    return m_anfanghaupt->text(QStringLiteral("Jahr"));
}

std::optional<VoucherType> DM1::findVoucherType(const QString& art) {
    m_konto->open();
    QSqlQuery query(m_connection.connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT art, konto, bezeichnung, einzahlung FROM konto WHERE art = ? COLLATE NOCASE"));
    query.addBindValue(art);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return VoucherType{query.value(0).toString(), query.value(1).toString(),
                       query.value(2).toString(), query.value(3).toBool()};
}
