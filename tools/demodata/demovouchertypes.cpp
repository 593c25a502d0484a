#include "demovouchertypes.h"

#include "preparedstatement.h"

namespace {

struct TypeLine {
    const char* code;
    const char* account;
    const char* description;
    bool income;
    int mainWeight;
    int pettyWeight;
    qint64 minimumCents;
    qint64 maximumCents;
    const char* details; // separated by '|'
};

// Codes stay clear of 30 to 60, which belong to the invoice transfer.
constexpr TypeLine lines[] = {
    {"1", "8110", "Mitgliedsbeiträge bar", true, 0, 30, 2000, 8400, "Parz. {p}"},
    {"2", "8400", "Spenden", true, 3, 8, 1000, 25000, ""},
    {"3", "8100", "Zahlungen Pächter", true, 30, 0, 9500, 78000, "Parz. {p}"},
    {"4", "8500", "Schlüssel und Pfand", true, 0, 4, 1000, 2500, "Torschlüssel|Pfand Parz. {p}"},
    {"10", "4240", "Wasserrechnung", false, 12, 0, 8000, 42000, "Abschlag {m}"},
    {"11", "4230", "Stromrechnung", false, 12, 0, 15000, 98000, "Abschlag {m}"},
    {"12", "4360", "Versicherungen", false, 4, 0, 6000, 38000,
     "Vereinshaftpflicht|Unfallversicherung|Feuerversicherung"},
    {"13", "4250", "Müllentsorgung", false, 6, 0, 4500, 31000,
     "Grünschnitt|Sperrmüll|Containerstellung"},
    {"14", "4210", "Pacht an Bezirksverband", false, 2, 0, 90000, 320000,
     "1. Halbjahr|2. Halbjahr"},
    {"20", "4930", "Bürobedarf", false, 0, 10, 249, 6490,
     "Papier|Druckerpatrone|Ordner|Briefumschläge"},
    {"21", "4910", "Porto", false, 0, 8, 95, 2800, "Briefmarken|Einschreiben|Mahnungen"},
    {"22", "4650", "Vereinsfest", false, 2, 6, 800, 18000, "Getränke|Grillgut|Dekoration"},
    {"23", "4800", "Instandhaltung", false, 8, 6, 650, 64000, "Wasserleitung|Tor|Werkzeug|Wegebau"},
    {"100", "4970", "Bankgebühren", false, 12, 0, 490, 1850, "Kontoführung {m}|Buchungsposten"},
};

QList<DemoData::DemoVoucherType> declareTypes() {
    QList<DemoData::DemoVoucherType> types;
    for (const TypeLine& line : lines) {
        const QString details = QString::fromUtf8(line.details);
        types << DemoData::DemoVoucherType{
            QString::fromUtf8(line.code),
            QString::fromUtf8(line.account),
            QString::fromUtf8(line.description),
            line.income,
            line.mainWeight,
            line.pettyWeight,
            line.minimumCents,
            line.maximumCents,
            details.isEmpty() ? QStringList() : details.split(u'|'),
        };
    }
    return types;
}

} // namespace

namespace DemoData {

const QList<DemoVoucherType>& demoVoucherTypes() {
    static const QList<DemoVoucherType> types = declareTypes();
    return types;
}

QString writeVoucherTypes(Database& database) {
    PreparedStatement insert(database,
                             PreparedStatement::insertInto(
                                 QStringLiteral("konto"),
                                 {QStringLiteral("art"), QStringLiteral("konto"),
                                  QStringLiteral("bezeichnung"), QStringLiteral("einzahlung")}));
    for (const DemoVoucherType& type : demoVoucherTypes()) {
        const QString error =
            insert.run({type.code, type.account, type.description, type.income ? 1 : 0});
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace DemoData
