#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class Database;

namespace DemoData {

enum class Book { Main, Petty };

// A voucher type the demo treasurer set up, and how often and how large its entries are.
struct DemoVoucherType {
    QString code;
    QString account;
    QString description;
    bool income = false;
    int mainWeight = 0;  // share of the entries in hauptkasse; 0: never booked there
    int pettyWeight = 0; // share in handkasse
    qint64 minimumCents = 0;
    qint64 maximumCents = 0;
    QStringList details; // added to the description; "{p}" stands for a plot number,
                         // "{m}" for the month of the entry

    int weight(Book book) const { return book == Book::Main ? mainWeight : pettyWeight; }
};

const QList<DemoVoucherType>& demoVoucherTypes();

// Adds the types to konto, next to the system ones.
QString writeVoucherTypes(Database& database);

} // namespace DemoData
