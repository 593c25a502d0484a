#include "support/databasedump.h"
#include "support/workspace.h"

#include "data/database.h"
#include "data/schema.h"
#include "yearend/yearchange.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTest>

// Closing the year: the archive, both books carried forward, plots and prices rolled into the
// new year, and a roll-over that happens completely or not at all.
class TestYearChange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void booksCarriedForwardAndYearArchived();
    void plotsAndPricesRolledIntoTheNewYear();
    void runningTwiceClosesTwoYears();
    void unusableYearRefusedWithNothingChanged_data();
    void unusableYearRefusedWithNothingChanged();
    void declinedChangesNothing();
    void failureInTheStepsLeavesEverythingAsBefore_data();
    void failureInTheStepsLeavesEverythingAsBefore();
    void archiveThatCannotBeWrittenStopsEverything();

private:
    QString archive(const QString& year) const {
        return QDir::current().filePath(QStringLiteral("Archiv%1.mdb").arg(year));
    }

    std::unique_ptr<Workspace> m_ws;
};

void TestYearChange::init() {
    m_ws = std::make_unique<Workspace>();
    m_ws->execute(QStringLiteral("UPDATE hauptanfangsw SET Jahr = '2023', anfangswert = 1000"));
    m_ws->execute(QStringLiteral("UPDATE handanfangsw SET Jahr = '2023', anfangswert = 50"));
    for (
        const char* entry :
        {"INSERT INTO hauptkasse (lfd_nr, datum, Art, Einnahme) VALUES (2, '2023-03-01', '1', 200)",
         "INSERT INTO hauptkasse (lfd_nr, datum, Art, Einnahme) VALUES (3, '2023-04-01', '1', 300)",
         "INSERT INTO hauptkasse (lfd_nr, datum, Art, Ausgabe) VALUES (4, '2023-05-01', '2', 300)",
         "INSERT INTO handkasse (lfd_nr, datum, Art, Einnahme) VALUES (2, '2023-03-02', '1', 20)",
         "INSERT INTO handkasse (lfd_nr, datum, Art, Ausgabe) VALUES (3, '2023-03-03', '2', 5.5)"})
        m_ws->execute(QString::fromLatin1(entry));
    m_ws->dm->reopenTables();
}

void TestYearChange::cleanup() {
    m_ws.reset();
}

void TestYearChange::booksCarriedForwardAndYearArchived() {
    // An archive of that year from an earlier attempt is replaced without a question.
    QFile old(archive(QStringLiteral("2023")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("veraltet");
    old.close();
    Database& live = m_ws->dm->parzelleADOConnection();
    const QString before = databaseDump(live);

    m_ws->interaction.answers = {true};
    QCOMPARE(YearChange(*m_ws->dm, m_ws->interaction).run(), YearChange::Outcome::Completed);
    QCOMPARE(m_ws->interaction.questions, {QStringLiteral("Jahreswechsel jetzt durchführen?")});
    QCOMPARE(m_ws->interaction.messages,
             {QStringLiteral("Ihre Daten werden jetzt als 'Archiv2023' gespeichert.")});
    QVERIFY(m_ws->interaction.errors.isEmpty());

    // 1000 + 500 - 300; 50 + 20 - 5.50
    QCOMPARE(m_ws->scalar(QStringLiteral("SELECT anfangswert FROM hauptanfangsw")).toDouble(),
             1200.0);
    QCOMPARE(m_ws->scalar(QStringLiteral("SELECT Jahr FROM hauptanfangsw")).toString(),
             QStringLiteral("2024"));
    QCOMPARE(m_ws->scalar(QStringLiteral("SELECT anfangswert FROM handanfangsw")).toDouble(), 64.5);
    QCOMPARE(m_ws->scalar(QStringLiteral("SELECT Jahr FROM handanfangsw")).toString(),
             QStringLiteral("2024"));
    for (Table* journal : {&m_ws->dm->Hauptkasse(), &m_ws->dm->Handkasse()}) {
        QVERIFY(journal->isOpen());
        QCOMPARE(journal->rowCount(), 1);
        QCOMPARE(journal->number(QStringLiteral("lfd_nr")), 1.0);
        QCOMPARE(journal->date(QStringLiteral("datum")), QDate::currentDate());
        QVERIFY(journal->isNull(QStringLiteral("Einnahme")));
        QVERIFY(journal->isNull(QStringLiteral("Ausgabe")));
    }
    for (Table* table : m_ws->dm->tables())
        QVERIFY2(table->isOpen(), qPrintable(table->tableName()));

    // The archive is the whole year as it was, a sound database of ours.
    Database archived(QStringLiteral("archive"));
    QVERIFY(archived.open(archive(QStringLiteral("2023")), Database::OpenMode::ExistingFile).ok());
    QCOMPARE(archived.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
    QCOMPARE(archived.scalar(QStringLiteral("PRAGMA application_id")).toInt(),
             Schema::applicationId);
    QCOMPARE(databaseDump(archived), before);
    QCOMPARE(archived.scalar(QStringLiteral("SELECT count(*) FROM hauptkasse")).toInt(), 4);
}

void TestYearChange::plotsAndPricesRolledIntoTheNewYear() {
    m_ws->execute(QStringLiteral(
        "INSERT INTO parzelle (Nr, Name, Flaeche, sza, szn, nsza, nszn, wza, wzn, nwza, nwzn, "
        "Strom, Wasser, Abschlag_Strom, Abschlag_Strom_Vorjahr, Abschlag_Wasser, "
        "Abschlag_Wasser_Vorjahr, gesamt, nicht_gel_Arbeitsstunden, Reserve1, Reserve10, "
        "Laubenversicherung, gezahlt, uebernommen, stromcheck, mahncheck, bool1, memo, z1) VALUES "
        "('1', 'Kern', 300, 1200, 1500, 0, 0, 10, 50, 0, 0, 300, 40, 60, 40, 30, 20, 412.5, 2, "
        "5, 7, 12, 1, 1, 1, 1, 1, 'Hecke schneiden', 3)"));
    // Meters replaced during the year: the new meters' readings start the next year.
    m_ws->execute(QStringLiteral(
        "INSERT INTO parzelle (Nr, sza, szn, nsza, nszn, wza, wzn, nwza, nwzn) VALUES "
        "('2', 1200, 1350, 0, 80, 10, 30, 0, 7)"));
    m_ws->execute(QStringLiteral(
        "UPDATE param SET Pachtzins = 0.25, Preis_kwh = 0.31, Preis_qm = 2.5, z6 = 9000, "
        "z7 = 800, Zahlfrist = '2024-03-31', Umlagen = 15, strech = 2800, warech = 2000, "
        "Grundgebuehr_W = 4, reserve5 = 1, reserve12 = 2, z8 = 12.5, z21 = 110, "
        "Verein = 'Am Bach'"));
    m_ws->dm->reopenTables();

    m_ws->interaction.answers = {true};
    QCOMPARE(YearChange(*m_ws->dm, m_ws->interaction).run(), YearChange::Outcome::Completed);

    const auto plot = [&](const char* nr, const char* column) {
        return m_ws->scalar(QStringLiteral("SELECT %1 FROM parzelle WHERE Nr = '%2'")
                                .arg(QLatin1String(column), QLatin1String(nr)));
    };
    const QList<QPair<const char*, double>> first = {{"sza", 1500},
                                                     {"szn", 0},
                                                     {"wza", 50},
                                                     {"wzn", 0},
                                                     {"Strom", 0},
                                                     {"Wasser", 0},
                                                     {"gesamt", 0},
                                                     {"nicht_gel_Arbeitsstunden", 0},
                                                     {"Reserve1", 0},
                                                     {"Reserve10", 0},
                                                     {"Abschlag_Strom", 60},
                                                     {"Abschlag_Strom_Vorjahr", 60},
                                                     {"Abschlag_Wasser", 30},
                                                     {"Abschlag_Wasser_Vorjahr", 30},
                                                     {"Laubenversicherung", 12},
                                                     {"Flaeche", 300},
                                                     {"z1", 3},
                                                     {"gezahlt", 0},
                                                     {"uebernommen", 0},
                                                     {"stromcheck", 0},
                                                     {"mahncheck", 0},
                                                     {"bool1", 0}};
    for (const auto& [column, expected] : first)
        QVERIFY2(plot("1", column).toDouble() == expected, column);
    QCOMPARE(plot("1", "memo").toString(), QStringLiteral("Hecke schneiden"));
    const QList<QPair<const char*, double>> second = {{"sza", 80}, {"szn", 0}, {"nsza", 0},
                                                      {"nszn", 0}, {"wza", 7}, {"nwzn", 0}};
    for (const auto& [column, expected] : second)
        QVERIFY2(plot("2", column).toDouble() == expected, column);

    const auto parameter = [&](const char* column) {
        return m_ws->scalar(QStringLiteral("SELECT %1 FROM param").arg(QLatin1String(column)));
    };
    for (const char* cleared : {"Preis_kwh", "Preis_qm", "z6", "z7", "Umlagen", "strech", "warech",
                                "Grundgebuehr_W", "reserve5", "reserve12"})
        QVERIFY2(parameter(cleared).toDouble() == 0, cleared);
    QVERIFY(parameter("Zahlfrist").isNull());
    QCOMPARE(parameter("Pachtzins").toDouble(), 0.25);
    QCOMPARE(parameter("z8").toDouble(), 12.5);
    QCOMPARE(parameter("z21").toDouble(), 110.0);
    QCOMPARE(parameter("Verein").toString(), QStringLiteral("Am Bach"));
}

void TestYearChange::runningTwiceClosesTwoYears() {
    m_ws->interaction.answers = {true, true};
    QCOMPARE(YearChange(*m_ws->dm, m_ws->interaction).run(), YearChange::Outcome::Completed);
    QCOMPARE(YearChange(*m_ws->dm, m_ws->interaction).run(), YearChange::Outcome::Completed);
    QVERIFY(QFile::exists(archive(QStringLiteral("2023"))));
    QVERIFY(QFile::exists(archive(QStringLiteral("2024"))));
    QCOMPARE(m_ws->scalar(QStringLiteral("SELECT Jahr FROM hauptanfangsw")).toString(),
             QStringLiteral("2025"));
    QCOMPARE(m_ws->scalar(QStringLiteral("SELECT anfangswert FROM hauptanfangsw")).toDouble(),
             1200.0);
    QCOMPARE(m_ws->scalar(QStringLiteral("SELECT count(*) FROM hauptkasse")).toInt(), 1);
}

void TestYearChange::unusableYearRefusedWithNothingChanged_data() {
    QTest::addColumn<QString>("statement");
    QTest::newRow("letters") << QStringLiteral("UPDATE hauptanfangsw SET Jahr = '20x3'");
    QTest::newRow("empty petty year") << QStringLiteral("UPDATE handanfangsw SET Jahr = NULL");
    QTest::newRow("no next year") << QStringLiteral("UPDATE handanfangsw SET Jahr = '9999'");
    QTest::newRow("no balance row") << QStringLiteral("DELETE FROM hauptanfangsw");
}

void TestYearChange::unusableYearRefusedWithNothingChanged() {
    QFETCH(QString, statement);
    m_ws->execute(statement);
    m_ws->dm->reopenTables();
    const QString before = databaseDump(m_ws->dm->parzelleADOConnection());

    m_ws->interaction.answers = {true};
    QCOMPARE(YearChange(*m_ws->dm, m_ws->interaction).run(), YearChange::Outcome::Refused);
    QVERIFY(m_ws->interaction.questions.isEmpty());
    QCOMPARE(m_ws->interaction.errors.size(), 1);
    QVERIFY(m_ws->interaction.errors.first().contains(QStringLiteral("keine gültige Jahreszahl")));
    QCOMPARE(databaseDump(m_ws->dm->parzelleADOConnection()), before);
    QVERIFY(QDir::current().entryList({QStringLiteral("Archiv*")}).isEmpty());
}

void TestYearChange::declinedChangesNothing() {
    const QString before = databaseDump(m_ws->dm->parzelleADOConnection());
    m_ws->interaction.answers = {false};
    QCOMPARE(YearChange(*m_ws->dm, m_ws->interaction).run(), YearChange::Outcome::Declined);
    QVERIFY(m_ws->interaction.messages.isEmpty());
    QCOMPARE(databaseDump(m_ws->dm->parzelleADOConnection()), before);
    QVERIFY(!QFile::exists(archive(QStringLiteral("2023"))));
}

void TestYearChange::failureInTheStepsLeavesEverythingAsBefore_data() {
    QTest::addColumn<QString>("trigger");
    QTest::newRow("parameters, in the middle")
        << QStringLiteral("BEFORE UPDATE ON param BEGIN SELECT RAISE(ABORT, 'database or disk "
                          "is full'); END");
    QTest::newRow("petty cash's first entry, at the end")
        << QStringLiteral("BEFORE INSERT ON handkasse BEGIN SELECT RAISE(ABORT, 'disk I/O "
                          "error'); END");
}

void TestYearChange::failureInTheStepsLeavesEverythingAsBefore() {
    QFETCH(QString, trigger);
    m_ws->execute(QStringLiteral("INSERT INTO parzelle (Nr, sza, szn, Abschlag_Strom) VALUES "
                                 "('1', 100, 250, 60)"));
    m_ws->execute(QStringLiteral("CREATE TRIGGER injected ") + trigger);
    m_ws->dm->reopenTables();
    Database& live = m_ws->dm->parzelleADOConnection();
    const QString before = databaseDump(live);

    m_ws->interaction.answers = {true};
    QCOMPARE(YearChange(*m_ws->dm, m_ws->interaction).run(), YearChange::Outcome::Failed);
    QCOMPARE(m_ws->interaction.errors.size(), 1);
    const QString error = m_ws->interaction.errors.first();
    QVERIFY2(error.contains(QStringLiteral("fehlgeschlagen")) &&
                 error.contains(QStringLiteral("nichts verändert")),
             qPrintable(error));
    QCOMPARE(databaseDump(live), before);
    QCOMPARE(m_ws->dm->Hauptkasse().rowCount(), 4);
    QCOMPARE(m_ws->dm->anfanghaupt().text(QStringLiteral("Jahr")), QStringLiteral("2023"));
    QVERIFY(m_ws->dm->param().isOpen());
}

void TestYearChange::archiveThatCannotBeWrittenStopsEverything() {
    // A folder of the archive's name cannot be replaced by a file.
    QVERIFY(QDir::current().mkdir(QStringLiteral("Archiv2023.mdb")));
    const QString before = databaseDump(m_ws->dm->parzelleADOConnection());
    m_ws->interaction.answers = {true};
    QCOMPARE(YearChange(*m_ws->dm, m_ws->interaction).run(), YearChange::Outcome::Failed);
    QCOMPARE(m_ws->interaction.errors.size(), 1);
    QVERIFY2(m_ws->interaction.errors.first().contains(QStringLiteral("nichts verändert")),
             qPrintable(m_ws->interaction.errors.first()));
    QCOMPARE(databaseDump(m_ws->dm->parzelleADOConnection()), before);
    QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden).size(), 2); // db and lock
    for (Table* table : m_ws->dm->tables())
        QVERIFY(table->isOpen());
}

QTEST_GUILESS_MAIN(TestYearChange)
#include "tst_yearchange.moc"
