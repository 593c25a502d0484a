#include "yearend/yearchange.h"

#include "yearend/databasecopy.h"

#include "cash/cashbook.h"
#include "data/billamounts.h"
#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"
#include "data/rounding.h"
#include "data/schema.h"
#include "data/table.h"
#include "data/transaction.h"
#include "framework/busycursor.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

// One cash book as the year change sees it: the row of its opening balance, read before the
// change, and its journal.
struct YearChange::Book {
    const CashBook& cash;

    qint64 rowId = -1;
    QString year{}; // as stored, without surrounding blanks
    int yearNumber = 0;
    double openingBalance = 0;
};

namespace {

// A year the roll-over can count on: digits only, and the next year still fits the column's
// four characters.
bool isYear(const QString& text, int& number) {
    if (text.isEmpty() || text.size() > 4)
        return false;
    for (const QChar c : text) {
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    }
    number = text.toInt();
    return number + 1 <= 9999;
}

// The order the table object shows a table's rows in, so the row read here is the one the
// window shows first.
QString rowOrder(const QString& tableName) {
    const TableSchema* schema = Schema::table(tableName);
    const QString orderBy = schema ? schema->orderBy : QString();
    return orderBy.isEmpty() ? QStringLiteral("rowid") : orderBy + QStringLiteral(", rowid");
}

} // namespace

YearChange::YearChange(DM1& dm, Interaction& interaction)
    : m_dm(dm)
    , m_interaction(interaction) {}

QString YearChange::archivePath(const QString& closingYear) const {
    const QString folder = QFileInfo(m_dm.parzelleADOConnection().filePath()).absolutePath();
    return folder + QStringLiteral("/Archiv") + closingYear + QStringLiteral(".mdb");
}

YearChange::Outcome YearChange::run() {
    Database& database = m_dm.parzelleADOConnection();
    if (!database.isOpen()) {
        m_interaction.reportError(QStringLiteral("Es besteht keine Verbindung zur Datenbank; der "
                                                 "Jahreswechsel ist nicht möglich."));
        return Outcome::Refused;
    }
    Book main{CashBook::main()};
    Book petty{CashBook::petty()};
    if (!readYears(main, petty))
        return Outcome::Refused;

    if (!m_interaction.askYesNo(QStringLiteral("Jahreswechsel jetzt durchführen?")))
        return Outcome::Declined;
    m_interaction.inform(QStringLiteral("Ihre Daten werden jetzt als 'Archiv") + main.year +
                         QStringLiteral("' gespeichert."));

    const QString archive = archivePath(main.year);
    QString error;
    bool archived = false;
    {
        BusyCursor busy;
        // Pending edits are stored, and no table object holds rows while the file changes.
        m_dm.closeTables();
        error = DatabaseCopy::write(database, archive);
        archived = error.isEmpty();
        if (archived) {
            Transaction transaction(database);
            error = transaction.error();
            if (error.isEmpty())
                error = rollOver(main, petty);
            // The journals were opened inside the unit of work; they let go of their rows
            // before it ends either way.
            m_dm.closeTables();
            if (error.isEmpty() && !transaction.commit())
                error = transaction.error();
            transaction.rollback();
        }
        m_dm.reopenTables();
    }
    const QString shownArchive = QDir::toNativeSeparators(archive);
    if (!archived) {
        m_interaction.reportError(
            QStringLiteral("Das Archiv „%1“ konnte nicht geschrieben werden:\n%2\n\nDer "
                           "Jahreswechsel wurde nicht durchgeführt; es wurde nichts verändert.")
                .arg(shownArchive, error));
        return Outcome::Failed;
    }
    if (!error.isEmpty()) {
        m_interaction.reportError(
            QStringLiteral("Der Jahreswechsel ist fehlgeschlagen:\n%1\n\nEs wurde nichts "
                           "verändert; die Daten sind wie vor dem Jahreswechsel. Das Archiv „%2“ "
                           "ist geschrieben.")
                .arg(EngineError::describe(error), shownArchive));
        return Outcome::Failed;
    }
    return Outcome::Completed;
}

bool YearChange::readYears(Book& main, Book& petty) {
    Database& database = m_dm.parzelleADOConnection();
    for (Book* book : {&main, &petty}) {
        // What the user typed last counts, stored as the table object would store it anyway.
        Table& balances = book->cash.openingBalance(m_dm);
        if (balances.isOpen())
            balances.checkBrowseMode();
        QSqlQuery query(database.connection());
        query.setForwardOnly(true);
        const bool found =
            query.exec(QStringLiteral("SELECT rowid, Jahr, anfangswert FROM %1 ORDER BY %2 LIMIT 1")
                           .arg(balances.tableName(), rowOrder(balances.tableName()))) &&
            query.next();
        const QString stored = found ? query.value(1).toString() : QString();
        if (!found || !isYear(stored.trimmed(), book->yearNumber)) {
            m_interaction.reportError(
                QStringLiteral("Der Jahreswechsel ist nicht möglich: Das Jahr beim Anfangsbestand "
                               "der %1 („%2“) ist keine gültige Jahreszahl.\nBitte tragen Sie es "
                               "dort vierstellig ein, z. B. „%3“. Es wurde nichts verändert.")
                    .arg(book->cash.label, stored)
                    .arg(QDate::currentDate().year()));
            return false;
        }
        book->rowId = query.value(0).toLongLong();
        book->year = stored.trimmed();
        book->openingBalance = query.value(2).toDouble();
    }
    return true;
}

QString YearChange::rollOver(const Book& main, const Book& petty) {
    const QString plots = QStringLiteral("UPDATE parzelle SET ");
    const QList<QStringList> plotsAndParameters = {
        // Each new reading becomes the old one; the year's consumption and amounts go.
        {plots + QStringLiteral("sza = szn, wza = wzn, Strom = 0, Wasser = 0, szn = 0, wzn = 0, "
                                "nicht_gel_Arbeitsstunden = 0, gesamt = 0"),
         QStringLiteral(", Reserve1 = 0, Reserve2 = 0, Reserve3 = 0, Reserve4 = 0, Reserve9 = 0, "
                        "Reserve10 = 0")},
        {QStringLiteral(
            "UPDATE param SET Preis_kwh = 0, Preis_qm = 0, z6 = 0, z7 = 0, "
            "Zahlfrist = NULL, Umlagen = 0, strech = 0, warech = 0, Grundgebuehr_W = 0, "
            "reserve5 = 0, reserve6 = 0, reserve7 = 0, reserve8 = 0, reserve11 = 0, "
            "reserve12 = 0")},
        // A meter replaced during the year: the new meter's reading is next year's start.
        // This must follow the statement above, which took the old meter's reading first.
        {plots + QStringLiteral("sza = nszn, nszn = 0, nsza = 0"),
         QStringLiteral("WHERE nszn > 0")},
        {plots + QStringLiteral("wza = nwzn, nwzn = 0, nwza = 0"),
         QStringLiteral("WHERE nwzn > 0")},
        // The total is 0 now, so it no longer holds a dunning fee either.
        {plots + QStringLiteral("gezahlt = 0, uebernommen = 0, stromcheck = 0, mahncheck = 0, "
                                "%1 = 0")
                     .arg(QLatin1String(BillAmounts::dunningFeeIncludedColumn))},
    };

    QString error = carryForward(main);
    // This year's advances are credited with next year's bill; the advances stay.
    if (error.isEmpty())
        error = runStatement({plots + QStringLiteral("Abschlag_Strom_Vorjahr = Abschlag_Strom, "
                                                     "Abschlag_Wasser_Vorjahr = Abschlag_Wasser")});
    if (error.isEmpty())
        error = emptyJournal(main);
    for (const QStringList& statement : plotsAndParameters) {
        if (error.isEmpty())
            error = runStatement(statement);
    }
    m_dm.parzupdateQuery().close();
    if (error.isEmpty())
        error = carryForward(petty);
    if (error.isEmpty())
        error = emptyJournal(petty);
    return error;
}

QString YearChange::carryForward(const Book& book) {
    Query& sums = m_dm.sumQuery();
    sums.setSql({QStringLiteral("select sum(%1.einnahme) as einnahme, sum(%1.ausgabe) as ausgabe")
                     .arg(book.cash.journalTable),
                 QStringLiteral("from %1").arg(book.cash.journalTable)});
    if (!sums.open())
        return sums.lastError();
    // Every entry is whole cents, and so is the balance carried into the new year.
    const double balance =
        Rounding::toCents(book.openingBalance + sums.number(QStringLiteral("einnahme")) -
                          sums.number(QStringLiteral("ausgabe")));
    sums.close();
    return m_dm.parzelleADOConnection().execute(
        QStringLiteral("UPDATE %1 SET anfangswert = ?, Jahr = ? WHERE rowid = ?")
            .arg(book.cash.openingBalance(m_dm).tableName()),
        {balance, QString::number(book.yearNumber + 1), book.rowId});
}

QString YearChange::emptyJournal(const Book& book) {
    Query& remove = m_dm.deleteQuery();
    remove.setSql({QStringLiteral("DELETE FROM %1").arg(book.cash.journalTable)});
    const bool removed = remove.open();
    const QString error = remove.lastError();
    remove.close();
    if (!removed)
        return error;
    // Opening the empty journal gives it its blank first entry.
    Table& journal = book.cash.journal(m_dm);
    if (!journal.open() || journal.isEmpty()) {
        const QString reason = journal.lastError();
        return QStringLiteral("Die %1 konnte ihren ersten Eintrag nicht erhalten.%2")
            .arg(book.cash.label, reason.isEmpty() ? QString() : u'\n' + reason);
    }
    return {};
}

QString YearChange::runStatement(const QStringList& lines) {
    Query& update = m_dm.parzupdateQuery();
    update.setSql(lines);
    return update.open() ? QString() : update.lastError();
}
