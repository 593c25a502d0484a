#pragma once

#include "data/tablerules.h"

#include <QDate>

class DM1;

// Month of a booking date as the journals keep it: two-digit month, a point, the year
// (7 March 2024 gives "03.2024"); empty without a date.
QString monthOf(const QDate& date);

// Rules of the main and the petty cash journal: running numbers shared by both books, the
// month of the date, the voucher-type lookups and side checks, and a journal that is never
// left without an entry.
class JournalRules : public TableRules {
public:
    enum class Book { Main, Petty };

    JournalRules(DM1& dm, Book book);

    void afterOpen(Table& journal) override;
    void beforeClose(Table& journal) override;
    void beforeInsert(Table& journal) override;
    void newRecord(Table& journal) override;
    void valueChanged(Table& journal, const QString& column) override;

private:
    void voucherTypeChanged(Table& journal);
    void amountChanged(Table& journal, const QString& column);

    DM1& m_dm;
    Book m_book;
};
