#include "demojournals.h"

#include "demorandom.h"
#include "preparedstatement.h"

#include <QDate>

#include <algorithm>

namespace {

using DemoData::Book;
using DemoData::DemoVoucherType;

const DemoVoucherType& pickType(DemoRandom& random, Book book, bool incomeOnly) {
    const QList<DemoVoucherType>& types = DemoData::demoVoucherTypes();
    qint64 total = 0;
    for (const DemoVoucherType& type : types) {
        if (!incomeOnly || type.income)
            total += type.weight(book);
    }
    qint64 chosen = random.below(total);
    for (const DemoVoucherType& type : types) {
        if (incomeOnly && !type.income)
            continue;
        chosen -= type.weight(book);
        if (chosen < 0)
            return type;
    }
    return types.constLast();
}

QString description(DemoRandom& random, const DemoVoucherType& type, int plots, const QDate& date) {
    if (type.details.isEmpty() || !random.chance(70))
        return type.description;
    QString detail = random.pick(type.details);
    if (detail.contains(QStringLiteral("{p}"))) {
        const qint64 plot = random.between(1, plots);
        detail.replace(QStringLiteral("{p}"), QString::number(plot));
    }
    detail.replace(QStringLiteral("{m}"), date.toString(QStringLiteral("MM/yyyy")));
    return (type.description + QStringLiteral(", ") + detail).left(50);
}

QList<QDate> ascendingDates(DemoRandom& random, int entries, int year) {
    const QDate firstDay(year, 1, 1);
    QList<qint64> days(entries);
    for (qint64& day : days)
        day = random.below(firstDay.daysInYear());
    std::sort(days.begin(), days.end());
    QList<QDate> dates;
    dates.reserve(entries);
    for (qint64 day : days)
        dates << firstDay.addDays(day);
    return dates;
}

} // namespace

namespace DemoData {

QString writeJournal(Database& database, DemoRandom& random, Book book, int entries, int year,
                     qint64 openingCents, int plots) {
    const QString table =
        book == Book::Main ? QStringLiteral("hauptkasse") : QStringLiteral("handkasse");
    PreparedStatement insert(
        database,
        PreparedStatement::insertInto(table, {QStringLiteral("lfd_nr"), QStringLiteral("datum"),
                                              QStringLiteral("Art"), QStringLiteral("Bezeichnung"),
                                              QStringLiteral("konto"), QStringLiteral("Einnahme"),
                                              QStringLiteral("Ausgabe"), QStringLiteral("saldo"),
                                              QStringLiteral("monat")}));

    const QList<QDate> dates = ascendingDates(random, entries, year);
    qint64 balance = openingCents;
    for (int i = 0; i < entries; ++i) {
        const DemoVoucherType* type = &pickType(random, book, false);
        qint64 cents = random.between(type->minimumCents, type->maximumCents);
        if (!type->income && cents > balance) {
            type = &pickType(random, book, true);
            cents = random.between(type->minimumCents, type->maximumCents);
        }
        balance += type->income ? cents : -cents;
        const QDate& date = dates.at(i);
        const QString text = description(random, *type, plots, date);
        const QVariant amount = double(cents) / 100.0;

        // Only the petty cash book shows the account; the main book leaves it to the bank.
        const QString error = insert.run({
            i + 1,
            date.toString(Qt::ISODate),
            type->code,
            text,
            book == Book::Petty ? QVariant(type->account) : QVariant(),
            type->income ? amount : QVariant(),
            type->income ? QVariant() : amount,
            0.0,
            date.toString(QStringLiteral("MM.yyyy")),
        });
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace DemoData
