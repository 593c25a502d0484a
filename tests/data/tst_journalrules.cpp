#include "support/workspace.h"

#include "data/journalrules.h"

#include <QSignalSpy>
#include <QTest>

// The cash journals' rules: running numbers, months, voucher-type lookups and side checks,
// and a journal never left without an entry.
class TestJournalRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void monthOfADate();
    void openedEmptyJournalHoldsOneBlankEntry();
    void newEntryFollowsTheHighestNumber();
    void dateSetsTheMonth();
    void voucherTypeFillsTheDescription();
    void pettyCashAlsoTakesTheAccount();
    void unknownVoucherTypeDropsANewEntry();
    void unknownVoucherTypeKeepsAStoredEntrysCode();
    void amountOnTheWrongSideIsEmptied();
    void withoutChecksEntriesAreSavedUnchanged();
    void unnumberedBlanksGoButEntriesStay();
    void closingStoresTheCurrentEntry();

private:
    void addVoucherTypes(Workspace& w);
};

void TestJournalRules::addVoucherTypes(Workspace& w) {
    w.execute(QStringLiteral("INSERT INTO konto (art, konto, bezeichnung, einzahlung) VALUES "
                             "('1', '4711', 'Spenden', 1), ('20', '6800', 'Porto', 0)"));
    w.dm->setArtcheck(true);
}

void TestJournalRules::monthOfADate() {
    QCOMPARE(monthOf(QDate(2024, 3, 7)), QStringLiteral("03.2024"));
    QCOMPARE(monthOf(QDate(2024, 12, 31)), QStringLiteral("12.2024"));
    QCOMPARE(monthOf(QDate()), QString());
}

void TestJournalRules::openedEmptyJournalHoldsOneBlankEntry() {
    Workspace w;
    for (Table* journal : {&w.dm->Hauptkasse(), &w.dm->Handkasse()}) {
        journal->reopen();
        QCOMPARE(journal->rowCount(), 1);
        QCOMPARE(journal->number(QStringLiteral("lfd_nr")), 1.0);
        QCOMPARE(journal->date(QStringLiteral("datum")), QDate::currentDate());
        QCOMPARE(journal->text(QStringLiteral("monat")), monthOf(QDate::currentDate()));
        QVERIFY(journal->isNull(QStringLiteral("Einnahme")));
        QVERIFY(journal->isNull(QStringLiteral("Ausgabe")));
        QVERIFY(journal->text(QStringLiteral("Art")).isEmpty());
    }
    QCOMPARE(w.scalar(QStringLiteral("SELECT count(*) FROM hauptkasse")).toInt(), 1);
}

void TestJournalRules::newEntryFollowsTheHighestNumber() {
    Workspace w;
    w.execute(QStringLiteral("DELETE FROM hauptkasse"));
    w.execute(QStringLiteral("INSERT INTO hauptkasse (lfd_nr, Einnahme) VALUES (3, 1), (17, 2), "
                             "(9, 3)"));
    Table& journal = w.dm->Hauptkasse();
    journal.reopen();
    journal.moveTo(1); // whatever entry is current
    journal.insert();
    QCOMPARE(journal.number(QStringLiteral("lfd_nr")), 18.0);
    QCOMPARE(journal.date(QStringLiteral("datum")), QDate::currentDate());
    QCOMPARE(journal.text(QStringLiteral("monat")), monthOf(QDate::currentDate()));
    QVERIFY(journal.isNull(QStringLiteral("Einnahme")));
    journal.setValue(QStringLiteral("Bezeichnung"), QStringLiteral("Spende"));
    QVERIFY(journal.post());
    QCOMPARE(journal.position(), 3);
    QCOMPARE(w.dm->lastRunningNumber(), 17);
}

void TestJournalRules::dateSetsTheMonth() {
    Workspace w;
    Table& journal = w.dm->Handkasse();
    journal.setValue(QStringLiteral("datum"), QDate(2025, 1, 31));
    QCOMPARE(journal.text(QStringLiteral("monat")), QStringLiteral("01.2025"));
    journal.setValue(QStringLiteral("datum"), QVariant());
    QCOMPARE(journal.text(QStringLiteral("monat")), QString());
}

void TestJournalRules::voucherTypeFillsTheDescription() {
    Workspace w;
    addVoucherTypes(w);
    Table& journal = w.dm->Hauptkasse();
    journal.insert();
    journal.setValue(QStringLiteral("Art"), QStringLiteral("20"));
    QCOMPARE(journal.text(QStringLiteral("Bezeichnung")), QStringLiteral("Porto"));
    QVERIFY(journal.text(QStringLiteral("konto")).isEmpty());
    QVERIFY(w.interaction.said().isEmpty());
}

void TestJournalRules::pettyCashAlsoTakesTheAccount() {
    Workspace w;
    addVoucherTypes(w);
    Table& journal = w.dm->Handkasse();
    journal.insert();
    journal.setValue(QStringLiteral("Art"), QStringLiteral("1"));
    QCOMPARE(journal.text(QStringLiteral("Bezeichnung")), QStringLiteral("Spenden"));
    QCOMPARE(journal.text(QStringLiteral("konto")), QStringLiteral("4711"));
}

void TestJournalRules::unknownVoucherTypeDropsANewEntry() {
    Workspace w;
    addVoucherTypes(w);
    QSignalSpy missing(w.dm.get(), &DM1::voucherTypeMissing);
    Table& journal = w.dm->Hauptkasse();
    journal.insert();
    journal.setValue(QStringLiteral("Art"), QStringLiteral("99"));
    QCOMPARE(w.interaction.messages,
             QStringList{QStringLiteral("Art in Konto noch nicht definiert!")});
    QCOMPARE(missing.count(), 1);
    QCOMPARE(journal.state(), Table::State::Browse);
    QCOMPARE(journal.rowCount(), 1);
    QCOMPARE(w.scalar(QStringLiteral("SELECT count(*) FROM hauptkasse")).toInt(), 1);
}

void TestJournalRules::unknownVoucherTypeKeepsAStoredEntrysCode() {
    Workspace w;
    addVoucherTypes(w);
    Table& journal = w.dm->Hauptkasse();
    journal.setValue(QStringLiteral("Art"), QStringLiteral("20"));
    journal.setValue(QStringLiteral("Ausgabe"), 4.5);
    QVERIFY(journal.post());
    journal.setValue(QStringLiteral("Art"), QStringLiteral("99"));
    QCOMPARE(journal.text(QStringLiteral("Art")), QStringLiteral("20"));
    QVERIFY(journal.post());
    QCOMPARE(w.scalar(QStringLiteral("SELECT Art || ' ' || Ausgabe FROM hauptkasse")).toString(),
             QStringLiteral("20 4.5"));
}

void TestJournalRules::amountOnTheWrongSideIsEmptied() {
    Workspace w;
    addVoucherTypes(w);
    Table& journal = w.dm->Hauptkasse();
    journal.setValue(QStringLiteral("Art"), QStringLiteral("20")); // an expense type
    journal.setValue(QStringLiteral("Einnahme"), 12.0);
    QVERIFY(journal.isNull(QStringLiteral("Einnahme")));
    journal.setValue(QStringLiteral("Ausgabe"), 12.0);
    QCOMPARE(journal.number(QStringLiteral("Ausgabe")), 12.0);
    journal.setValue(QStringLiteral("Art"), QStringLiteral("1")); // a receipt type
    journal.setValue(QStringLiteral("Ausgabe"), 13.0);
    QVERIFY(journal.isNull(QStringLiteral("Ausgabe")));
    QVERIFY(w.interaction.said().isEmpty());
}

void TestJournalRules::withoutChecksEntriesAreSavedUnchanged() {
    Workspace w;
    addVoucherTypes(w);
    w.dm->setArtcheck(false);
    Table& journal = w.dm->Hauptkasse();
    journal.insert();
    journal.setValue(QStringLiteral("Art"), QStringLiteral("99"));
    journal.setValue(QStringLiteral("Bezeichnung"), QStringLiteral("Pachtzins Parz. 7"));
    journal.setValue(QStringLiteral("Ausgabe"), 5.0);
    QVERIFY(journal.post());
    journal.insert();
    journal.setValue(QStringLiteral("Art"), QStringLiteral("20"));
    journal.setValue(QStringLiteral("Einnahme"), 7.0);
    QVERIFY(journal.post());
    QVERIFY(w.interaction.said().isEmpty());
    QCOMPARE(w.scalar(QStringLiteral("SELECT group_concat(Art || ':' || coalesce(Einnahme, '-') "
                                     "|| ':' || coalesce(Ausgabe, '-') || ':' || "
                                     "coalesce(Bezeichnung, ''), ' ') FROM hauptkasse WHERE "
                                     "lfd_nr > 1"))
                 .toString(),
             QStringLiteral("99:-:5.0:Pachtzins Parz. 7 20:7.0:-:"));
}

void TestJournalRules::unnumberedBlanksGoButEntriesStay() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO handkasse (lfd_nr, Bezeichnung) VALUES "
                             "(0, NULL), (NULL, NULL), (5, 'Briefmarken')"));
    Table& journal = w.dm->Handkasse();
    journal.reopen();
    QCOMPARE(w.scalar(QStringLiteral("SELECT group_concat(lfd_nr) FROM handkasse")).toString(),
             QStringLiteral("1,5"));
    QCOMPARE(journal.rowCount(), 2);
}

void TestJournalRules::closingStoresTheCurrentEntry() {
    Workspace w;
    Table& journal = w.dm->Hauptkasse();
    journal.setValue(QStringLiteral("Bezeichnung"), QStringLiteral("Kassenprüfung"));
    w.dm->disconnectDatabase();
    QCOMPARE(w.folder.scalar(QStringLiteral("SELECT Bezeichnung FROM hauptkasse")).toString(),
             QStringLiteral("Kassenprüfung"));
}

QTEST_GUILESS_MAIN(TestJournalRules)
#include "tst_journalrules.moc"
