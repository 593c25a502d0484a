#include "data/journalrules.h"

#include "data/dm1.h"
#include "data/table.h"
#include "data/transaction.h"

#include "data/interaction.h"

#include <QElapsedTimer>

namespace {

// Asking the clock for the date reads the time zone each time; thousands of entries booked in
// one go take the date once a second.
QDate today() {
    static QDate date;
    static QElapsedTimer age;
    if (!date.isValid() || !age.isValid() || age.elapsed() > 1000) {
        date = QDate::currentDate();
        age.start();
    }
    return date;
}

} // namespace

QString monthOf(const QDate& date) {
    if (!date.isValid())
        return {};
    const int month = date.month();
    return (month < 10 ? QStringLiteral("0") : QString()) + QString::number(month) + u'.' +
           QString::number(date.year());
}

JournalRules::JournalRules(DM1& dm, Book book)
    : m_dm(dm)
    , m_book(book) {}

void JournalRules::afterOpen(Table& journal) {
    const bool unnumbered = journal.isEmpty() || journal.number(QStringLiteral("lfd_nr")) == 0;
    if (!unnumbered)
        return;
    // Entries without a running number are blanks; real entries are never thrown away with
    // them. Closing an empty journal gives it its first entry, number 1.
    Transaction transaction(m_dm.parzelleADOConnection());
    Query& deleteQuery = m_dm.deleteQuery();
    deleteQuery.setSql({QStringLiteral("DELETE FROM %1").arg(journal.tableName()),
                        QStringLiteral("WHERE lfd_nr IS NULL OR lfd_nr = 0")});
    deleteQuery.open();
    deleteQuery.close();
    journal.reopen();
    transaction.commit();
}

void JournalRules::beforeClose(Table& journal) {
    journal.edit();
    journal.post();
}

void JournalRules::beforeInsert(Table& journal) {
    journal.last();
    m_dm.setLastRunningNumber(journal.isEmpty() ? 0
                                                : int(journal.number(QStringLiteral("lfd_nr"))));
}

void JournalRules::newRecord(Table& journal) {
    journal.setValue(QStringLiteral("lfd_nr"), m_dm.lastRunningNumber() + 1);
    journal.setValue(QStringLiteral("Einnahme"), QVariant());
    journal.setValue(QStringLiteral("Ausgabe"), QVariant());
    journal.setValue(QStringLiteral("datum"), today());
}

void JournalRules::valueChanged(Table& journal, const QString& column) {
    if (column.compare(QStringLiteral("datum"), Qt::CaseInsensitive) == 0) {
        journal.setValue(QStringLiteral("monat"), monthOf(journal.date(QStringLiteral("datum"))));
        return;
    }
    if (!m_dm.artcheck())
        return;
    if (column.compare(QStringLiteral("Art"), Qt::CaseInsensitive) == 0)
        voucherTypeChanged(journal);
    else if (column.compare(QStringLiteral("Einnahme"), Qt::CaseInsensitive) == 0 ||
             column.compare(QStringLiteral("Ausgabe"), Qt::CaseInsensitive) == 0)
        amountChanged(journal, column);
}

void JournalRules::voucherTypeChanged(Table& journal) {
    const auto type = m_dm.findVoucherType(journal.text(QStringLiteral("Art")));
    if (type) {
        journal.setValue(QStringLiteral("Bezeichnung"), type->bezeichnung);
        if (m_book == Book::Petty)
            journal.setValue(QStringLiteral("konto"), type->konto);
        return;
    }
    m_dm.interaction().inform(QStringLiteral("Art in Konto noch nicht definiert!"));
    // A new entry is dropped; a stored one keeps the code it had.
    if (journal.state() == Table::State::Insert)
        journal.cancel();
    else
        journal.revert(QStringLiteral("Art"));
    Q_EMIT m_dm.voucherTypeMissing();
}

void JournalRules::amountChanged(Table& journal, const QString& column) {
    const auto type = m_dm.findVoucherType(journal.text(QStringLiteral("Art")));
    if (!type || journal.number(column) == 0)
        return;
    const bool receipt = column.compare(QStringLiteral("Einnahme"), Qt::CaseInsensitive) == 0;
    // An amount on the wrong side for the voucher type is taken back without a word.
    if (receipt != type->einzahlung)
        journal.setValue(column, QVariant());
}
