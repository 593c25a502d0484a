#pragma once

#include <QString>

class DM1;
class Interaction;

// Closes the business year: keeps a checked archive of the whole database named after the
// closing year beside the database, carries both cash books' balances forward, empties the
// journals, rolls meter readings and advances into the new year and clears the year's amounts
// and prices. The roll-over is one unit of work: it happens completely or not at all.
class YearChange {
public:
    enum class Outcome { Declined, Refused, Failed, Completed };

    YearChange(DM1& dm, Interaction& interaction);

    Outcome run();

    // The archive of a closing year, beside the database.
    QString archivePath(const QString& closingYear) const;

private:
    struct Book;

    bool readYears(Book& main, Book& petty);
    QString rollOver(const Book& main, const Book& petty);
    QString carryForward(const Book& book);
    QString emptyJournal(const Book& book);
    QString runStatement(const QStringList& lines);

    DM1& m_dm;
    Interaction& m_interaction;
};
