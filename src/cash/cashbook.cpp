#include "cash/cashbook.h"

#include "data/dm1.h"

Table& CashBook::journal(DM1& dm) const {
    return isMain() ? dm.Hauptkasse() : dm.Handkasse();
}

Table& CashBook::openingBalance(DM1& dm) const {
    return isMain() ? dm.anfanghaupt() : dm.anfanghand();
}

const CashBook& CashBook::main() {
    static const CashBook book{Kind::Main, QStringLiteral("Hauptkasse"),
                               QStringLiteral("hauptkasse"),
                               QStringLiteral("datum, lfd_nr, rowid")};
    return book;
}

const CashBook& CashBook::petty() {
    static const CashBook book{Kind::Petty, QStringLiteral("Handkasse"),
                               QStringLiteral("handkasse"), QStringLiteral("lfd_nr, rowid")};
    return book;
}
