#include "data/newdatabase.h"

#include "data/customitems.h"
#include "data/database.h"
#include "data/schema.h"
#include "data/transaction.h"

#include <QStringList>

namespace {

struct SystemVoucherType {
    int code;
    const char* description;
    bool income;
};

// The charge components the transfer of paid invoices books. The custom items' codes get
// their text and side from the items themselves.
constexpr SystemVoucherType fixedTypes[] = {
    {30, "Pachtzins", true},
    {31, "El.-Energie", true},
    {32, "Wasser", true},
    {33, "Mitgliedsbeitrag", true},
    {34, "Abschlag El.-Energie lfd. Jahr", true},
    {35, "Abschlag El.-Energie Vorjahr", false},
    {36, "Grundgebühr El.-Energie", true},
    {37, "Laubenversicherung", true},
    {38, "nichtgel.Arbeitsstunden", true},
    {39, "Parkplatzgebühr", true},
    {40, "Feuerschadenber.vers.", true},
    {41, "Vereinsunfallversicherung", true},
    {42, "Umlagen", true},
    {43, "Anteil Gemeinfl.", true},
    {44, "Straßenreinigung", true},
    {53, "Grundgebühr Wasser", true},
    {54, "Abschlag Wasser lfd. Jahr", true},
    {55, "Abschlag Wasser Vorjahr", false},
    {56, "Mahngebühr", true},
};

QString createTable(Database& database, const TableSchema& table) {
    QStringList columns;
    for (const Column& column : table.columns)
        columns << column.sqlDefinition();
    return database.execute(
        QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, columns.join(QStringLiteral(", "))));
}

QString seedSystemVoucherTypes(Database& database) {
    for (int code = 30; code <= 60; ++code) {
        QString description;
        bool income = false; // a custom item starts as a credit, as its flag in nfelder
        for (const SystemVoucherType& type : fixedTypes) {
            if (type.code == code) {
                description = QString::fromUtf8(type.description);
                income = type.income;
            }
        }
        for (const QString& table : {QStringLiteral("syskonto"), QStringLiteral("konto")}) {
            const QString error = database.execute(
                QStringLiteral("INSERT INTO %1 (art, konto, bezeichnung, einzahlung) "
                               "VALUES (?, '', ?, ?)")
                    .arg(table),
                {QString::number(code), description, income ? 1 : 0});
            if (!error.isEmpty())
                return error;
        }
    }
    return {};
}

} // namespace

namespace NewDatabase {

QString create(Database& database, int year) {
    Transaction transaction(database);
    QString error = transaction.error();
    for (const TableSchema& table : Schema::tables()) {
        if (error.isEmpty())
            error = createTable(database, table);
    }
    if (error.isEmpty()) {
        // A voucher type is one code, whether typed in capitals or not.
        error = database.execute(
            QStringLiteral("CREATE UNIQUE INDEX konto_art ON konto (art COLLATE NOCASE)"));
    }
    for (const char* single : {"param", "nfelder"}) {
        if (error.isEmpty())
            error = database.execute(
                QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QString::fromLatin1(single)));
    }
    for (const char* balance : {"hauptanfangsw", "handanfangsw"}) {
        if (error.isEmpty())
            error = database.execute(
                QStringLiteral("INSERT INTO %1 (nr, anfangswert, Jahr) VALUES ('1', 0, ?)")
                    .arg(QString::fromLatin1(balance)),
                {QString::number(year)});
    }
    if (error.isEmpty())
        error = seedSystemVoucherTypes(database);
    if (!error.isEmpty())
        return error;
    database.stampVersion();
    if (!transaction.commit())
        return transaction.error();
    return {};
}

} // namespace NewDatabase
