#include "support/scriptedinteraction.h"
#include "support/simulateddisk.h"
#include "support/testfolder.h"

#include "data/dm1.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

// Connecting to parzelle.mdb in the working folder: the upgrade of older files, the offer of
// a new database, and files that must be left untouched.
class TestConnection : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newDatabaseOpensEveryTable();
    void olderDatabaseGainsTheUpgradedColumns();
    void secondConnectChangesNothingAndSaysNothing();
    void missingFileDeclined();
    void missingFileCreated();
    void fileThatIsNoDatabaseStaysUntouched();
    void damagedDatabaseStaysUntouched();
    void newerVersionIsRefused();
    void foreignFilesAreRefusedUnchanged_data();
    void foreignFilesAreRefusedUnchanged();
    void secondProgramOnTheSameFolderIsRefused();
    void connectionFollowsTheWorkingFolder();
    void unwritableDatabaseIsAnnouncedAtOnce_data();
    void unwritableDatabaseIsAnnouncedAtOnce();
    void rowLostAtTheEndIsReported();
};

void TestConnection::newDatabaseOpensEveryTable() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction interaction;
    DM1 dm(interaction);
    QVERIFY(dm.connectDatabase());
    for (Table* table : dm.tables())
        QVERIFY2(table->isOpen(), qPrintable(table->tableName()));
    QVERIFY(interaction.said().isEmpty());
    QVERIFY(!dm.artcheck());
}

void TestConnection::olderDatabaseGainsTheUpgradedColumns() {
    TestFolder folder;
    folder.createOlderDatabase();
    ScriptedInteraction interaction;
    {
        DM1 dm(interaction);
        QVERIFY(dm.connectDatabase());
        QVERIFY(interaction.said().isEmpty());
        for (const char* column : {"telefon", "z11", "z20"})
            QVERIFY2(dm.parzelle().hasColumn(QString::fromLatin1(column)), column);
        for (const char* column : {"z21", "z30"})
            QVERIFY2(dm.param().hasColumn(QString::fromLatin1(column)), column);
        QVERIFY(dm.nfelder().hasColumn(QStringLiteral("rc111")));
        QVERIFY(dm.nfelder().hasColumn(QStringLiteral("rc222")));

        // The rows survive the upgrade, and the association's name now takes 60 characters.
        QCOMPARE(dm.parzelle().text(QStringLiteral("Name")), QStringLiteral("Müller"));
        QCOMPARE(dm.param().text(QStringLiteral("Verein")), QStringLiteral("Gartenfreunde Nord"));
        QCOMPARE(dm.param().number(QStringLiteral("z25")), 0.0);
        const QString sixty = QString(60, u'V');
        dm.param().setValue(QStringLiteral("Verein"), sixty + QStringLiteral("zu lang"));
        QVERIFY(dm.param().post());
        QCOMPARE(dm.parzelleADOConnection()
                     .scalar(QStringLiteral("SELECT Verein FROM param"))
                     .toString(),
                 sixty);
        QCOMPARE(dm.parzelleADOConnection()
                     .scalar(QStringLiteral("SELECT type FROM pragma_table_info('param') WHERE "
                                            "name = 'Verein'"))
                     .toString(),
                 QStringLiteral("TEXT(60)"));
    }
    QCOMPARE(folder.scalar(QStringLiteral("PRAGMA user_version")).toInt(), 1);
}

void TestConnection::secondConnectChangesNothingAndSaysNothing() {
    TestFolder folder;
    folder.createOlderDatabase();
    ScriptedInteraction interaction;
    {
        DM1 dm(interaction);
        QVERIFY(dm.connectDatabase());
    }
    const QByteArray before =
        QCryptographicHash::hash(folder.fileContent(), QCryptographicHash::Sha256);
    {
        DM1 dm(interaction);
        QVERIFY(dm.connectDatabase());
        QVERIFY(dm.connectDatabase()); // a reconnect, as after a restore
    }
    QVERIFY(interaction.said().isEmpty());
    QCOMPARE(QCryptographicHash::hash(folder.fileContent(), QCryptographicHash::Sha256), before);
}

void TestConnection::missingFileDeclined() {
    TestFolder folder;
    ScriptedInteraction interaction;
    interaction.answers = {false};
    DM1 dm(interaction);
    QVERIFY(!dm.connectDatabase());
    QCOMPARE(interaction.questions.size(), 1);
    QVERIFY(interaction.questions.first().contains(QStringLiteral("neue, leere Datenbank")));
    QCOMPARE(interaction.errors.size(), 1);
    QVERIFY2(interaction.errors.first().contains(QStringLiteral("unable to open")),
             qPrintable(interaction.errors.first()));
    QVERIFY(!QFile::exists(folder.databasePath()));
    QVERIFY(!dm.isConnected());
    for (Table* table : dm.tables())
        QVERIFY(!table->isOpen());
}

void TestConnection::missingFileCreated() {
    TestFolder folder;
    ScriptedInteraction interaction;
    interaction.answers = {true};
    DM1 dm(interaction);
    QVERIFY(dm.connectDatabase());
    QVERIFY(interaction.errors.isEmpty());
    QVERIFY(QFile::exists(folder.databasePath()));
    // Opening the empty journals gave each its first, blank entry.
    QCOMPARE(dm.Hauptkasse().rowCount(), 1);
    QCOMPARE(dm.Handkasse().rowCount(), 1);
    QCOMPARE(dm.syskonto().rowCount(), 31);
}

void TestConnection::fileThatIsNoDatabaseStaysUntouched() {
    TestFolder folder;
    QFile file(folder.databasePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray content =
        QByteArray("Einkaufsliste: Saatkartoffeln, Rasenduenger\n").repeated(200);
    file.write(content);
    file.close();

    ScriptedInteraction interaction;
    DM1 dm(interaction);
    QVERIFY(!dm.connectDatabase());
    QVERIFY(interaction.questions.isEmpty());
    QCOMPARE(interaction.errors.size(), 1);
    QVERIFY2(interaction.errors.first().contains(QStringLiteral("not a database")),
             qPrintable(interaction.errors.first()));
    QCOMPARE(folder.fileContent(), content);
    QVERIFY(!QFile::exists(folder.databasePath() + QStringLiteral("-journal")));
}

void TestConnection::damagedDatabaseStaysUntouched() {
    TestFolder folder;
    folder.createDatabase();
    QByteArray content = folder.fileContent();
    // Overwrite the second page, where the tables begin, with garbage.
    for (int i = 4096; i < 4096 * 2 && i < content.size(); ++i)
        content[i] = char(0xA5);
    QFile file(folder.databasePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    ScriptedInteraction interaction;
    DM1 dm(interaction);
    QVERIFY(!dm.connectDatabase());
    QCOMPARE(interaction.errors.size(), 1);
    QVERIFY(interaction.errors.first().contains(QStringLiteral("beschädigt")));
    QCOMPARE(folder.fileContent(), content);
}

void TestConnection::newerVersionIsRefused() {
    TestFolder folder;
    folder.createDatabase();
    folder.execute({QStringLiteral("PRAGMA user_version=99")});
    const QByteArray content = folder.fileContent();

    ScriptedInteraction interaction;
    DM1 dm(interaction);
    QVERIFY(!dm.connectDatabase());
    QCOMPARE(interaction.errors.size(), 1);
    QVERIFY(interaction.errors.first().contains(QStringLiteral("neueren Version")));
    QCOMPARE(folder.fileContent(), content);
}

void TestConnection::foreignFilesAreRefusedUnchanged_data() {
    QTest::addColumn<QStringList>("statements"); // make the file; none: zero bytes
    QTest::addColumn<QString>("said");
    QTest::newRow("zero bytes") << QStringList() << QStringLiteral("ist leer");
    // Another program's file that happens to have a table of one of our names.
    QTest::newRow("another program's tables")
        << QStringList{QStringLiteral("CREATE TABLE param (Verein TEXT, Farbe TEXT)"),
                       QStringLiteral("CREATE TABLE parzelle (Nr TEXT)"),
                       QStringLiteral("INSERT INTO param VALUES ('Schachclub', 'blau')")}
        << QStringLiteral("anderen Programms");
    QTest::newRow("another program's mark")
        << QStringList{QStringLiteral("PRAGMA application_id=1234"),
                       QStringLiteral("CREATE TABLE notiz (text TEXT)")}
        << QStringLiteral("anderen Programms");
}

void TestConnection::foreignFilesAreRefusedUnchanged() {
    QFETCH(QStringList, statements);
    QFETCH(QString, said);
    TestFolder folder;
    {
        Database raw(QStringLiteral("foreign"));
        QVERIFY(raw.open(folder.databasePath(), Database::OpenMode::CreateFile).ok());
        for (const QString& statement : statements)
            QCOMPARE(raw.execute(statement), QString());
    }
    const QByteArray content = folder.fileContent();
    QCOMPARE(content.isEmpty(), statements.isEmpty());

    ScriptedInteraction interaction;
    DM1 dm(interaction);
    QVERIFY(!dm.connectDatabase());
    QCOMPARE(folder.fileContent(), content);
    QVERIFY(interaction.questions.isEmpty());
    QCOMPARE(interaction.errors.size(), 1);
    QVERIFY2(interaction.errors.first().contains(said), qPrintable(interaction.errors.first()));
    QVERIFY(!dm.isConnected());
}

void TestConnection::secondProgramOnTheSameFolderIsRefused() {
    TestFolder folder;
    folder.createDatabase();
    ScriptedInteraction first;
    DM1 running(first);
    QVERIFY(running.connectDatabase());

    ScriptedInteraction second;
    DM1 another(second);
    QVERIFY(!another.connectDatabase());
    QCOMPARE(second.errors.size(), 1);
    QVERIFY(second.errors.first().contains(QStringLiteral("bereits")));
    QVERIFY(running.parzelle().isOpen());

    running.disconnectDatabase();
    QVERIFY(another.connectDatabase());
}

void TestConnection::connectionFollowsTheWorkingFolder() {
    TestFolder first;
    first.createDatabase();
    first.execute({QStringLiteral("UPDATE param SET Verein = 'Am Bach'")});
    ScriptedInteraction interaction;
    DM1 dm(interaction);
    {
        TestFolder second;
        second.createDatabase();
        second.execute({QStringLiteral("UPDATE param SET Verein = 'Am Hang'")});
        QVERIFY(dm.connectDatabase());
        QCOMPARE(dm.param().text(QStringLiteral("Verein")), QStringLiteral("Am Hang"));
        dm.disconnectDatabase();
    }
    QVERIFY(dm.connectDatabase());
    QCOMPARE(dm.param().text(QStringLiteral("Verein")), QStringLiteral("Am Bach"));
}

void TestConnection::unwritableDatabaseIsAnnouncedAtOnce_data() {
    QTest::addColumn<int>("trouble");
    QTest::addColumn<QString>("cause");
    QTest::newRow("write-protected file") << int(SimulatedDisk::Trouble::WriteProtected)
                                          << QStringLiteral("Die Datei ist schreibgeschützt.");
    QTest::newRow("full disk") << int(SimulatedDisk::Trouble::Full)
                               << QStringLiteral("Der Datenträger ist voll.");
}

void TestConnection::unwritableDatabaseIsAnnouncedAtOnce() {
    QFETCH(int, trouble);
    QFETCH(QString, cause);
    TestFolder folder;
    folder.createDatabase();
    const QByteArray before = folder.fileContent();
    SimulatedDisk disk{SimulatedDisk::Trouble(trouble)};
    ScriptedInteraction interaction;
    DM1 dm(interaction);
    // The data can still be looked at and printed.
    QVERIFY(dm.connectDatabase());
    QCOMPARE(interaction.errors.size(), 1);
    QVERIFY2(interaction.errors.first().startsWith(QStringLiteral("In der Datenbank")),
             qPrintable(interaction.errors.first()));
    QVERIFY2(interaction.errors.first().contains(cause), qPrintable(interaction.errors.first()));
    QCOMPARE(interaction.said().size(), 1);
    dm.disconnectDatabase();
    QCOMPARE(folder.fileContent(), before);

    // Once the cause is gone, nothing is said.
    disk.setTrouble(SimulatedDisk::Trouble::None);
    interaction.clear();
    QVERIFY(dm.connectDatabase());
    QVERIFY(interaction.said().isEmpty());
}

void TestConnection::rowLostAtTheEndIsReported() {
    TestFolder folder;
    folder.createDatabase();
    SimulatedDisk disk;
    ScriptedInteraction interaction;
    DM1 dm(interaction);
    QVERIFY(dm.connectDatabase());
    // Changed by a rule, to be stored when the table closes, as the program ends.
    dm.param().setValue(QStringLiteral("reserve7"), 0.5);
    disk.setTrouble(SimulatedDisk::Trouble::Full);
    dm.disconnectDatabase();
    QCOMPARE(interaction.errors.size(), 1);
    QVERIFY2(interaction.errors.first().startsWith(
                 QStringLiteral("Beim Schließen der Datenbank konnten die zuletzt bearbeiteten "
                                "Daten nicht gespeichert werden.\nDer Datenträger ist voll.")),
             qPrintable(interaction.errors.first()));
}

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
