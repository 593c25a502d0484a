#include "support/databasedump.h"
#include "support/simulateddisk.h"
#include "support/testfolder.h"
#include "support/workspace.h"

#include "data/database.h"
#include "data/databasecheck.h"
#include "data/schema.h"
#include "data/transaction.h"
#include "yearend/backup.h"
#include "yearend/restore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>

// Backup copies that are always sound and never overwrite the database, and a restore that
// refuses unfit files and keeps the data it replaces.
class TestBackupRestore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void backupWritesACheckedCopy();
    void backupOntoTheDatabaseRefused_data();
    void backupOntoTheDatabaseRefused();
    void existingFileOverwrittenOnlyOnYes();
    void backupOntoAFullDiskFailsAndKeepsTheOldCopy();
    void backupDuringAnOpenUnitOfWorkIsSound();
    void restoreRefusesUnfitFiles_data();
    void restoreRefusesUnfitFiles();
    void restoreBringsTheBackupBackAndKeepsTheLiveData();
    void restoreOfAnOlderArchiveUpgradesIt();
    void cancelledRestoreReconnectsToTheUnchangedFile();

private:
    QString path(const QString& name) const { return QDir::current().filePath(name); }
    QByteArray hashOf(const QString& file) const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly)
                   ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                   : QByteArray();
    }
    Database& live() { return m_ws->dm->parzelleADOConnection(); }
    bool allTablesOpen() const {
        for (Table* table : m_ws->dm->tables()) {
            if (!table->isOpen())
                return false;
        }
        return true;
    }

    std::unique_ptr<Workspace> m_ws;
};

void TestBackupRestore::init() {
    m_ws = std::make_unique<Workspace>();
    m_ws->execute(QStringLiteral("UPDATE param SET Verein = 'Am Bach'"));
    m_ws->execute(QStringLiteral("INSERT INTO parzelle (Nr, Name) VALUES ('1', 'Kern')"));
}

void TestBackupRestore::cleanup() {
    m_ws.reset();
}

void TestBackupRestore::backupWritesACheckedCopy() {
    m_ws->interaction.files = {path(QStringLiteral("sicherung")), path(QStringLiteral("zwei.mdb"))};
    Backup backup(*m_ws->dm, m_ws->interaction);
    QCOMPARE(backup.run(QDir::currentPath()), Backup::Outcome::Written);
    QCOMPARE(backup.writtenFile(), path(QStringLiteral("sicherung.mdb")));
    // A name that has the extension keeps it as it is.
    QCOMPARE(backup.run(QDir::currentPath()), Backup::Outcome::Written);
    QVERIFY(QFile::exists(path(QStringLiteral("zwei.mdb"))));
    QVERIFY(!QFile::exists(path(QStringLiteral("zwei.mdb.mdb"))));

    const FileDialogRequest request = m_ws->interaction.fileRequests.first();
    QCOMPARE(request.folder, QDir::currentPath());
    QCOMPARE(request.filter, QStringLiteral("MS-Access-Datenbanken(*.mdb)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("mdb"));
    QCOMPARE(m_ws->interaction.messages.size(), 2);
    QVERIFY(m_ws->interaction.errors.isEmpty());

    QVERIFY(DatabaseCheck::inspectFile(path(QStringLiteral("sicherung.mdb"))).ok());
    Database copy(QStringLiteral("copy"));
    QVERIFY(
        copy.open(path(QStringLiteral("sicherung.mdb")), Database::OpenMode::ExistingFile).ok());
    QCOMPARE(databaseDump(copy), databaseDump(live()));
    // No unfinished copy is left behind.
    QCOMPARE(QDir::current().entryList({QStringLiteral("*.mdb-*")}, QDir::Files | QDir::Hidden),
             QStringList());
}

void TestBackupRestore::backupOntoTheDatabaseRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("the same path") << QStringLiteral("parzelle.mdb");
    QTest::newRow("a relative path") << QStringLiteral("./unter/../parzelle.mdb");
    QTest::newRow("a link") << QStringLiteral("verweis.mdb");
    QTest::newRow("the name without extension") << QStringLiteral("parzelle");
}

void TestBackupRestore::backupOntoTheDatabaseRefused() {
    QFETCH(QString, name);
    QVERIFY(QDir::current().mkdir(QStringLiteral("unter")));
    QVERIFY(QFile::link(path(QStringLiteral("parzelle.mdb")), path(QStringLiteral("verweis.mdb"))));
    const QByteArray before = hashOf(path(QStringLiteral("parzelle.mdb")));
    m_ws->interaction.files = {name};
    m_ws->interaction.answers = {true, true};
    QCOMPARE(Backup(*m_ws->dm, m_ws->interaction).run(QDir::currentPath()),
             Backup::Outcome::Refused);
    QCOMPARE(m_ws->interaction.said(),
             {QStringLiteral("'parzelle' darf weder gelöscht noch überschrieben werden!")});
    QCOMPARE(hashOf(path(QStringLiteral("parzelle.mdb"))), before);
}

void TestBackupRestore::existingFileOverwrittenOnlyOnYes() {
    QFile old(path(QStringLiteral("alt.mdb")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("die Sicherung vom letzten Jahr");
    old.close();
    const QByteArray before = hashOf(old.fileName());

    m_ws->interaction.files = {old.fileName(), old.fileName()};
    m_ws->interaction.answers = {false, true};
    QCOMPARE(Backup(*m_ws->dm, m_ws->interaction).run(QDir::currentPath()),
             Backup::Outcome::Cancelled);
    QCOMPARE(m_ws->interaction.questions,
             {QStringLiteral("Datei existiert bereits...überschreiben?")});
    QCOMPARE(hashOf(old.fileName()), before);

    QCOMPARE(Backup(*m_ws->dm, m_ws->interaction).run(QDir::currentPath()),
             Backup::Outcome::Written);
    QVERIFY(DatabaseCheck::inspectFile(old.fileName()).ok());
}

void TestBackupRestore::backupOntoAFullDiskFailsAndKeepsTheOldCopy() {
    QFile old(path(QStringLiteral("alt.mdb")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("die Sicherung vom letzten Jahr");
    old.close();
    const QByteArray before = hashOf(old.fileName());
    const SimulatedDisk disk(SimulatedDisk::Trouble::Full);
    m_ws->interaction.files = {old.fileName()};
    m_ws->interaction.answers = {true};
    QCOMPARE(Backup(*m_ws->dm, m_ws->interaction).run(QDir::currentPath()),
             Backup::Outcome::Failed);
    QCOMPARE(m_ws->interaction.errors.size(), 1);
    QVERIFY2(m_ws->interaction.errors.first().startsWith(
                 QStringLiteral("Die Sicherheitskopie „%1“ konnte nicht geschrieben werden:")
                     .arg(QDir::toNativeSeparators(old.fileName()))),
             qPrintable(m_ws->interaction.errors.first()));
    QCOMPARE(hashOf(old.fileName()), before);
    QCOMPARE(QDir::current().entryList({QStringLiteral("*.mdb-*")}, QDir::Files | QDir::Hidden),
             QStringList());
}

void TestBackupRestore::backupDuringAnOpenUnitOfWorkIsSound() {
    Transaction edit(live());
    m_ws->execute(QStringLiteral("UPDATE param SET Verein = 'noch nicht gespeichert'"));
    m_ws->execute(QStringLiteral("INSERT INTO parzelle (Nr) VALUES ('2')"));
    m_ws->interaction.files = {path(QStringLiteral("mitten.mdb"))};
    QCOMPARE(Backup(*m_ws->dm, m_ws->interaction).run(QDir::currentPath()),
             Backup::Outcome::Written);
    edit.rollback();

    Database copy(QStringLiteral("copy"));
    QVERIFY(copy.open(path(QStringLiteral("mitten.mdb")), Database::OpenMode::ExistingFile).ok());
    QCOMPARE(copy.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
    // The copy holds what was stored, not the unfinished work.
    QCOMPARE(copy.scalar(QStringLiteral("SELECT Verein FROM param")).toString(),
             QStringLiteral("Am Bach"));
    QCOMPARE(copy.scalar(QStringLiteral("SELECT count(*) FROM parzelle")).toInt(), 1);
}

void TestBackupRestore::restoreRefusesUnfitFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("said");
    QTest::newRow("junk") << QStringLiteral("junk") << QStringLiteral("keine Datenbank");
    QTest::newRow("zero bytes") << QStringLiteral("empty") << QStringLiteral("ist leer");
    QTest::newRow("another program's database")
        << QStringLiteral("foreign") << QStringLiteral("anderen Programms");
    QTest::newRow("a newer version")
        << QStringLiteral("newer") << QStringLiteral("neueren Version");
    QTest::newRow("a missing file") << QStringLiteral("missing") << QStringLiteral("gibt es nicht");
}

void TestBackupRestore::restoreRefusesUnfitFiles() {
    QFETCH(QString, kind);
    QFETCH(QString, said);
    const QString chosen = path(QStringLiteral("gewaehlt.mdb"));
    if (kind == QStringLiteral("junk") || kind == QStringLiteral("empty")) {
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == QStringLiteral("junk"))
            file.write(QByteArray("Vereinsfest: Kuchen, Grill, Bänke\n").repeated(300));
    } else if (kind != QStringLiteral("missing")) {
        Database other(QStringLiteral("other"));
        QVERIFY(other.open(chosen, Database::OpenMode::CreateFile).ok());
        const QStringList statements =
            kind == QStringLiteral("foreign")
                ? QStringList{QStringLiteral("CREATE TABLE param (Farbe TEXT)")}
                : QStringList{QStringLiteral("PRAGMA application_id=%1").arg(Schema::applicationId),
                              QStringLiteral("PRAGMA user_version=%1").arg(Schema::version + 1),
                              QStringLiteral("CREATE TABLE zukunft (x)")};
        for (const QString& statement : statements)
            QCOMPARE(other.execute(statement), QString());
    }
    const QByteArray chosenBefore = hashOf(chosen);
    const QString before = databaseDump(live());

    m_ws->interaction.answers = {true};
    m_ws->interaction.files = {chosen};
    Restore restore(*m_ws->dm, m_ws->interaction);
    QCOMPARE(restore.run(QDir::currentPath()), Restore::Outcome::Refused);
    QCOMPARE(m_ws->interaction.errors.size(), 1);
    const QString error = m_ws->interaction.errors.first();
    QVERIFY2(error.contains(said) && error.contains(QStringLiteral("unverändert")),
             qPrintable(error));
    QCOMPARE(databaseDump(live()), before);
    QVERIFY(allTablesOpen());
    QCOMPARE(hashOf(chosen), chosenBefore);
    QVERIFY(restore.keptFile().isEmpty());
    QVERIFY(QDir::current().entryList({QStringLiteral("parzelle-vor-*")}).isEmpty());
}

void TestBackupRestore::restoreBringsTheBackupBackAndKeepsTheLiveData() {
    m_ws->interaction.files = {path(QStringLiteral("sicherung.mdb"))};
    QCOMPARE(Backup(*m_ws->dm, m_ws->interaction).run(QDir::currentPath()),
             Backup::Outcome::Written);
    // Work after the backup, partly still in the table object when the restore starts.
    m_ws->execute(QStringLiteral("DELETE FROM parzelle"));
    m_ws->dm->reopenTables();
    m_ws->dm->param().setValue(QStringLiteral("Verein"), QStringLiteral("Am Hang"));
    m_ws->interaction.clear();

    m_ws->interaction.answers = {true};
    m_ws->interaction.files = {QStringLiteral("sicherung.mdb")};
    Restore restore(*m_ws->dm, m_ws->interaction);
    QCOMPARE(restore.run(QDir::currentPath()), Restore::Outcome::Restored);
    QCOMPARE(m_ws->interaction.questions,
             {QStringLiteral("W A R N U N G ! Wenn Sie noch keine Sicherheitskopie erstellt "
                             "haben, gehen Ihre aktuellen Daten jetzt verloren!")});
    QCOMPARE(m_ws->interaction.fileRequests.last().filter,
             QStringLiteral("MS-Access Datenbanken(*.mdb)"));
    QVERIFY(m_ws->interaction.errors.isEmpty());
    QVERIFY(allTablesOpen());
    QCOMPARE(m_ws->dm->param().text(QStringLiteral("Verein")), QStringLiteral("Am Bach"));
    QCOMPARE(m_ws->dm->parzelle().text(QStringLiteral("Name")), QStringLiteral("Kern"));

    // The data that was live is kept beside the database, the pending edit included.
    QVERIFY(restore.keptFile().startsWith(path(QStringLiteral("parzelle-vor-Wiederherstellung-"))));
    Database kept(QStringLiteral("kept"));
    QVERIFY(kept.open(restore.keptFile(), Database::OpenMode::ExistingFile).ok());
    QCOMPARE(kept.scalar(QStringLiteral("SELECT Verein FROM param")).toString(),
             QStringLiteral("Am Hang"));
    QCOMPARE(kept.scalar(QStringLiteral("SELECT count(*) FROM parzelle")).toInt(), 0);
    QVERIFY(m_ws->interaction.messages.last().contains(QFileInfo(restore.keptFile()).fileName()));
}

void TestBackupRestore::restoreOfAnOlderArchiveUpgradesIt() {
    const QString archive = path(QStringLiteral("Archiv2019.mdb"));
    {
        TestFolder elsewhere;
        elsewhere.createOlderDatabase();
        QVERIFY(QFile::copy(elsewhere.databasePath(), archive));
    }
    m_ws->interaction.answers = {true};
    m_ws->interaction.files = {archive};
    QCOMPARE(Restore(*m_ws->dm, m_ws->interaction).run(QDir::currentPath()),
             Restore::Outcome::Restored);
    QVERIFY2(m_ws->interaction.errors.isEmpty(), qPrintable(m_ws->interaction.errors.join('\n')));
    QVERIFY(allTablesOpen());
    QCOMPARE(m_ws->dm->param().text(QStringLiteral("Verein")),
             QStringLiteral("Gartenfreunde Nord"));
    QVERIFY(m_ws->dm->param().hasColumn(QStringLiteral("z30")));
    QVERIFY(m_ws->dm->parzelle().hasColumn(QStringLiteral("telefon")));
    QCOMPARE(m_ws->scalar(QStringLiteral("PRAGMA application_id")).toInt(), Schema::applicationId);
}

void TestBackupRestore::cancelledRestoreReconnectsToTheUnchangedFile() {
    const QString before = databaseDump(live());
    m_ws->interaction.answers = {true};
    QCOMPARE(Restore(*m_ws->dm, m_ws->interaction).run(QDir::currentPath()),
             Restore::Outcome::Reconnected);
    QVERIFY(allTablesOpen());
    QCOMPARE(databaseDump(live()), before);
    QVERIFY(m_ws->interaction.errors.isEmpty());

    m_ws->interaction.answers = {false};
    QCOMPARE(Restore(*m_ws->dm, m_ws->interaction).run(QDir::currentPath()),
             Restore::Outcome::Declined);
    QCOMPARE(m_ws->interaction.fileRequests.size(), 1);
}

QTEST_GUILESS_MAIN(TestBackupRestore)
#include "tst_backuprestore.moc"
