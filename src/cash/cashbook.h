#pragma once

#include <QString>

class DM1;
class Table;

// What differs between the two cash books; everything else the program does to both alike.
struct CashBook {
    enum class Kind { Main, Petty };

    Kind kind;
    QString label;        // "Hauptkasse", as the windows and reports name the book
    QString journalTable; // the journal's table
    QString reportOrder;  // the cash report lists the main book by date, the petty by number

    bool isMain() const { return kind == Kind::Main; }
    Table& journal(DM1& dm) const;
    Table& openingBalance(DM1& dm) const;

    static const CashBook& main();
    static const CashBook& petty();
};
